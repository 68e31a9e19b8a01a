#include "QtWarnings.h"
#include "ClimateDbFixture.h"
#include "location/ClimateDatabase.h"
#include "location/DriveMap.h"
#include "location/calc/SeriesRule.h"
#include "platform/core/Errors.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace verdeval;
using verdeval::test::ClimateDbFixture;

namespace {

// The message of the CalcError an action throws; empty when it throws none.
QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const CalcError &e) {
        return e.message();
    }
    return QString();
}

QString row(const QStringList &texts)
{
    return texts.join(QLatin1Char(' '));
}

QString ruled(QStringList texts)
{
    applySeriesRule(texts);
    return row(texts);
}

QByteArray digest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

SeriesTable tableNamed(const QString &name)
{
    for (const SeriesTable t : seriesLoadOrder())
        if (seriesTableName(t) == name)
            return t;
    qFatal("no series table %s", qPrintable(name));
}

} // namespace

class TestClimateDatabase : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void driveMap_data();
    void driveMap();
    void opensTheDatabaseOfADrive_data();
    void opensTheDatabaseOfADrive();
    void provincesInTableOrder();
    void reopeningListsEachProvinceOnce();
    void localitiesOfAProvince_data();
    void localitiesOfAProvince();
    void localitiesInTableOrder();
    void loadsALocality();
    void series_data();
    void series();
    void missingHumRelRow();
    void missingJanuaryKeepsTexts();
    void unknownLocality();
    void latitudeMinutes_data();
    void latitudeMinutes();
    void typedNamesAreOnlyNames_data();
    void typedNamesAreOnlyNames();
    void seriesRule_data();
    void seriesRule();
    void seriesRuleStopsOnABadMonth_data();
    void seriesRuleStopsOnABadMonth();
    void openFailures_data();
    void openFailures();
    void queriesWhenClosedFail();
    void twoConnectionsAtOnce();
    void fileUnchangedAfterASession();
    void sampleDatabaseFromRealData();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString realStationsFile();
};

void TestClimateDatabase::init()
{
    verdeval::test::failOnQtWarnings();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestClimateDatabase::realStationsFile()
{
    const QString path = ClimateDbFixture::pathOnDrive(m_dir->filePath(QStringLiteral("mnt/d")));
    ClimateDbFixture fixture(path);
    fixture.addRealStations();
    return path;
}

void TestClimateDatabase::driveMap_data()
{
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("programFolder"); // where the running program lies
    QTest::addColumn<QString>("drive");
    QTest::addColumn<QStringList>("paths");
    QTest::newRow("C: home first, then /mnt/c")
        << false << "" << "C" << QStringList{"/home/ana/Quenora/Quenora.mdb", "/r/mnt/c/Quenora/Quenora.mdb"};
    QTest::newRow("lower-case letter") << false << "" << "c"
                                       << QStringList{"/home/ana/Quenora/Quenora.mdb", "/r/mnt/c/Quenora/Quenora.mdb"};
    QTest::newRow("D is /mnt/d") << false << "" << "D" << QStringList{"/r/mnt/d/Quenora/Quenora.mdb"};
    QTest::newRow("G is /mnt/g") << false << "" << "G" << QStringList{"/r/mnt/g/Quenora/Quenora.mdb"};
    QTest::newRow("installed in /usr/bin: C ends at the installed sample")
        << false << "/usr/bin" << "C"
        << QStringList{"/home/ana/Quenora/Quenora.mdb", "/r/mnt/c/Quenora/Quenora.mdb",
                       "/usr/share/verdeval/Quenora/Quenora.mdb"};
    QTest::newRow("installed under /opt") << false << "/opt/verdeval/bin" << "c"
                                          << QStringList{"/home/ana/Quenora/Quenora.mdb", "/r/mnt/c/Quenora/Quenora.mdb",
                                                         "/opt/verdeval/share/verdeval/Quenora/Quenora.mdb"};
    QTest::newRow("installed: D is still only /mnt/d") << false << "/usr/bin" << "D"
                                                       << QStringList{"/r/mnt/d/Quenora/Quenora.mdb"};
    QTest::newRow("run from its build folder: no installed sample")
        << false << "/home/ana/verdeval/build" << "C"
        << QStringList{"/home/ana/Quenora/Quenora.mdb", "/r/mnt/c/Quenora/Quenora.mdb"};
    QTest::newRow("Windows C") << true << "" << "C" << QStringList{"C:\\Quenora\\Quenora.mdb"};
    QTest::newRow("Windows e") << true << "" << "e" << QStringList{"E:\\Quenora\\Quenora.mdb"};
    QTest::newRow("two letters") << false << "" << "CD" << QStringList{};
    QTest::newRow("empty") << false << "" << "" << QStringList{};
    QTest::newRow("digit") << false << "" << "1" << QStringList{};
    QTest::newRow("slash") << true << "" << "/" << QStringList{};
    QTest::newRow("not ASCII") << false << "" << "Ñ" << QStringList{};
}

void TestClimateDatabase::driveMap()
{
    QFETCH(bool, windows);
    QFETCH(QString, programFolder);
    QFETCH(QString, drive);
    QFETCH(QStringList, paths);
    const DriveMap map = windows ? DriveMap::windows()
                                 : DriveMap::mountFolders("/r", "/home/ana", DriveMap::installedDataFolder(programFolder));
    QCOMPARE(map.candidates(drive), paths);
}

void TestClimateDatabase::opensTheDatabaseOfADrive_data()
{
    QTest::addColumn<QStringList>("present"); // folders, under the temporary root, holding a database
    QTest::addColumn<QString>("drive");
    QTest::addColumn<QString>("opened");
    QTest::newRow("E") << QStringList{"mnt/e"} << "E" << "mnt/e";
    QTest::newRow("C in the home folder") << QStringList{"home"} << "C" << "home";
    QTest::newRow("C in /mnt/c") << QStringList{"mnt/c"} << "C" << "mnt/c";
    QTest::newRow("C in both: home first") << QStringList{"mnt/c", "home"} << "C" << "home";
    QTest::newRow("C: the installed sample last") << QStringList{"usr/share/verdeval"} << "C" << "usr/share/verdeval";
}

void TestClimateDatabase::opensTheDatabaseOfADrive()
{
    QFETCH(QStringList, present);
    QFETCH(QString, drive);
    QFETCH(QString, opened);
    for (const QString &folder : present) {
        ClimateDbFixture fixture(ClimateDbFixture::pathOnDrive(m_dir->filePath(folder)));
        fixture.addProvince(folder);
    }
    ClimateDatabase db;
    db.openDrive(DriveMap::mountFolders(m_dir->path(), m_dir->filePath("home"), m_dir->filePath("usr/share/verdeval")),
                 drive);
    QVERIFY(db.isOpen());
    QCOMPARE(db.filePath(), QDir::toNativeSeparators(ClimateDbFixture::pathOnDrive(m_dir->filePath(opened))));
    QCOMPARE(db.provinces(), QStringList{opened});
}

void TestClimateDatabase::provincesInTableOrder()
{
    const QString path = ClimateDbFixture::pathOnDrive(m_dir->path());
    {
        ClimateDbFixture fixture(path);
        for (const char *name : {"Santa Fé", "Buenos Aires", "Tucumán", "Córdoba"})
            fixture.addProvince(QString::fromUtf8(name));
        // An index that would hand the names back sorted if the reading followed it.
        fixture.exec("CREATE INDEX Provincia_nombre ON Provincia (Nombre)");
    }
    ClimateDatabase db;
    db.open({path});
    QCOMPARE(db.provinces().join('|'), QStringLiteral("Santa Fé|Buenos Aires|Tucumán|Córdoba"));
}

void TestClimateDatabase::reopeningListsEachProvinceOnce()
{
    const QString path = realStationsFile();
    ClimateDatabase db;
    db.open({path});
    db.open({path});
    QCOMPARE(db.provinces().join('|'), QStringLiteral("Buenos Aires|Córdoba|Entre Ríos|Misiones"));
}

void TestClimateDatabase::localitiesOfAProvince_data()
{
    QTest::addColumn<QString>("province");
    QTest::addColumn<QString>("localities");
    QTest::newRow("as stored") << "Buenos Aires" << "Bahía Blanca|Junín";
    QTest::newRow("lower case") << "buenos aires" << "Bahía Blanca|Junín";
    QTest::newRow("upper case") << "BUENOS AIRES" << "Bahía Blanca|Junín";
    QTest::newRow("accented name") << "Entre Ríos" << "Paraná Inta";
    QTest::newRow("one locality") << "Misiones" << "Oberá";
    QTest::newRow("part of a name") << "Buenos" << "";
    QTest::newRow("trailing blank") << "Buenos Aires " << "";
    QTest::newRow("not in the database") << "Neuquén" << "";
    QTest::newRow("empty") << "" << "";
}

void TestClimateDatabase::localitiesOfAProvince()
{
    QFETCH(QString, province);
    QFETCH(QString, localities);
    ClimateDatabase db;
    db.open({realStationsFile()});
    QCOMPARE(db.localities(province).join('|'), localities);
}

void TestClimateDatabase::localitiesInTableOrder()
{
    const QString path = ClimateDbFixture::pathOnDrive(m_dir->path());
    {
        ClimateDbFixture fixture(path);
        fixture.addProvince("Buenos Aires");
        fixture.addProvince("Córdoba");
        fixture.addLocality("Buenos Aires", "Junín", {34, 33, 60, 55, 81});
        fixture.addLocality("Córdoba", "Córdoba Aero", {31, 18, 64, 12, 495});
        fixture.addLocality("BUENOS AIRES", "Bahía Blanca", {38, 44, 62, 10, 83});
        fixture.addLocality("Buenos Aires", "Azul", {36, 45, 59, 50, 132});
    }
    ClimateDatabase db;
    db.open({path});
    QCOMPARE(db.localities("Buenos Aires").join('|'), QStringLiteral("Junín|Bahía Blanca|Azul"));
}

void TestClimateDatabase::loadsALocality()
{
    ClimateDatabase db;
    db.open({realStationsFile()});
    const LocalityRecord r = db.queryLocality("buenos aires", "bahía blanca");
    QVERIFY(r.found);
    QCOMPARE(QStringLiteral("%1 | %2 %3 %4 | %5 %6 | %7")
                 .arg(r.name, r.latDeg)
                 .arg(r.latMin)
                 .arg(r.hemisphere, r.lonDeg, r.lonMin, r.altitude),
             QStringLiteral("Bahía Blanca | 38 44 S | 62 10 | 83"));
}

// Each series as read (whole values read back without decimals) and as the location shows
// it after the series rule (one decimal).
void TestClimateDatabase::series_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("province");
    QTest::addColumn<QString>("locality");
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("shown");
    QTest::newRow("TempMed") << "TempMed" << "Buenos Aires" << "Bahía Blanca"
                             << "23.6 22.1 19.4 14.9 11.1 8.1 7.5 9.4 11.6 15.1 18.7 22"
                             << "23.6 22.1 19.4 14.9 11.1 8.1 7.5 9.4 11.6 15.1 18.7 22.0";
    QTest::newRow("Pp, whole January") << "Pp" << "Córdoba" << "Córdoba Aero"
                                       << "141 115.9 126.9 66.3 21.3 4.8 13.5 9.7 35.2 71.9 118.3 156.9"
                                       << "141.0 115.9 126.9 66.3 21.3 4.8 13.5 9.7 35.2 71.9 118.3 156.9";
    QTest::newRow("TempMaxMedia") << "TempMaxMedia" << "Buenos Aires" << "Junín"
                                  << "29.8 28.4 26.6 22.6 19 15.5 15 17.7 19.7 22.7 26 28.8"
                                  << "29.8 28.4 26.6 22.6 19.0 15.5 15.0 17.7 19.7 22.7 26.0 28.8";
    QTest::newRow("TempMinMedia") << "TempMinMedia" << "Buenos Aires" << "Bahía Blanca"
                                  << "16.3 15.2 13.4 9.2 6 3.3 2.4 3.9 5.6 8.5 11.4 14.4"
                                  << "16.3 15.2 13.4 9.2 6.0 3.3 2.4 3.9 5.6 8.5 11.4 14.4";
    QTest::newRow("HeEfectiva") << "HeEfectiva" << "Buenos Aires" << "Junín" << "9.4 8.9 7.4 6.6 5.4 4.6 4.8 6 6.7 7.2 8.7 8.9"
                                << "9.4 8.9 7.4 6.6 5.4 4.6 4.8 6.0 6.7 7.2 8.7 8.9";
    QTest::newRow("HumRel") << "HumRel" << "Córdoba" << "Córdoba Aero" << "69.9 73.2 76 74.4 72.7 70.3 65.7 58.3 56.7 60 62.4 65.9"
                            << "69.9 73.2 76.0 74.4 72.7 70.3 65.7 58.3 56.7 60.0 62.4 65.9";
    QTest::newRow("PreAtm") << "PreAtm" << "Buenos Aires" << "Bahía Blanca"
                            << "1001 1002.8 1004.3 1005.7 1007.1 1006 1008 1007.9 1008.4 1005.8 1003 1000.7"
                            << "1001.0 1002.8 1004.3 1005.7 1007.1 1006.0 1008.0 1007.9 1008.4 1005.8 1003.0 1000.7";
    QTest::newRow("VelViento") << "VelViento" << "Buenos Aires" << "Bahía Blanca"
                               << "21.6 18.6 18 15.9 15.5 17.4 16.6 18.8 18.3 18.3 19.2 20.5"
                               << "21.6 18.6 18.0 15.9 15.5 17.4 16.6 18.8 18.3 18.3 19.2 20.5";
}

void TestClimateDatabase::series()
{
    QFETCH(QString, table);
    QFETCH(QString, province);
    QFETCH(QString, locality);
    QFETCH(QString, read);
    QFETCH(QString, shown);
    ClimateDatabase db;
    db.open({realStationsFile()});
    const QStringList texts = db.querySeries(tableNamed(table), province, locality);
    QCOMPARE(row(texts), read);
    QCOMPARE(ruled(texts), shown);
}

void TestClimateDatabase::missingHumRelRow()
{
    ClimateDatabase db;
    db.open({realStationsFile()});
    QStringList loaded;
    for (const SeriesTable t : seriesLoadOrder()) {
        const QStringList texts = db.querySeries(t, "Entre Ríos", "Paraná Inta");
        if (texts == QStringList(12, QString()))
            continue;
        loaded << seriesCode(t);
    }
    QCOMPARE(loaded.join(' '), QStringLiteral("T PP TMa TMi HE VV"));
    QStringList humidity = db.querySeries(SeriesTable::HumRel, "Entre Ríos", "Paraná Inta");
    applySeriesRule(humidity);
    QCOMPARE(humidity, QStringList(12, QString()));
    QCOMPARE(ruled(db.querySeries(SeriesTable::TempMed, "Entre Ríos", "Paraná Inta")),
             QStringLiteral("25.3 24.3 22.1 18.6 15.4 12.2 11.7 13.9 15.0 18.5 21.3 23.8"));
}

void TestClimateDatabase::missingJanuaryKeepsTexts()
{
    ClimateDatabase db;
    db.open({realStationsFile()});
    const QStringList read = db.querySeries(SeriesTable::TempMaxMedia, "Misiones", "Oberá");
    const QStringList expected = {"", "", "30.2", "27.1", "23", "21.5", "", "", "25.3", "27.9", "29.7", "31.6"};
    QCOMPARE(read, expected);
    QStringList shown = read;
    applySeriesRule(shown);
    QCOMPARE(shown, expected);
}

void TestClimateDatabase::unknownLocality()
{
    ClimateDatabase db;
    db.open({realStationsFile()});
    const LocalityRecord r = db.queryLocality("Buenos Aires", "Azul");
    QVERIFY(!r.found);
    QCOMPARE(QStringList({r.name, r.latDeg, r.hemisphere, r.lonDeg, r.lonMin, r.altitude}),
             QStringList({"", "", "S", "", "", ""}));
    QCOMPARE(r.latMin, 0.0);
    QCOMPARE(db.querySeries(SeriesTable::TempMed, "Buenos Aires", "Azul"), QStringList(12, QString()));
}

void TestClimateDatabase::latitudeMinutes_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<double>("minutes");
    QTest::addColumn<QString>("error");
    QTest::newRow("whole number") << QVariant(44) << 44.0 << "";
    QTest::newRow("fraction") << QVariant(44.6) << 44.6 << "";
    QTest::newRow("null") << QVariant() << 0.0 << "";
    QTest::newRow("empty text") << QVariant(QStringLiteral("")) << 0.0 << "";
    QTest::newRow("number as text") << QVariant(QStringLiteral("44")) << 44.0 << "";
    QTest::newRow("not a number") << QVariant(QStringLiteral("44'")) << 0.0
                                  << "'44'' is not a valid floating point value";
}

void TestClimateDatabase::latitudeMinutes()
{
    QFETCH(QVariant, stored);
    QFETCH(double, minutes);
    QFETCH(QString, error);
    const QString path = ClimateDbFixture::pathOnDrive(m_dir->path());
    {
        ClimateDbFixture fixture(path);
        fixture.addProvince("Buenos Aires");
        fixture.addLocality("Buenos Aires", "Bahía Blanca", {38, stored, 62, 10, 83});
    }
    ClimateDatabase db;
    db.open({path});
    LocalityRecord r;
    QCOMPARE(errorOf([&] { r = db.queryLocality("Buenos Aires", "Bahía Blanca"); }), error);
    QCOMPARE(r.latMin, minutes);
}

// Names are values, never part of the statement: quotes, wildcards and SQL match nothing and
// change nothing.
void TestClimateDatabase::typedNamesAreOnlyNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("percent") << "%";
    QTest::newRow("underscore") << "_";
    QTest::newRow("percent in a name") << "Bah%";
    QTest::newRow("underscore for a letter") << "Bah_a Blanca";
    QTest::newRow("double quote") << "\"";
    QTest::newRow("closing the quote") << "Bahía Blanca\" or \"1\"=\"1";
    QTest::newRow("single quote") << "' OR '1'='1";
    QTest::newRow("statement") << "x\"; DROP TABLE Pp; --";
    QTest::newRow("other statement") << "x'; DELETE FROM LocPorProv; --";
    QTest::newRow("brackets") << "[Bahía Blanca]";
}

void TestClimateDatabase::typedNamesAreOnlyNames()
{
    QFETCH(QString, text);
    const QString path = realStationsFile();
    const QByteArray before = digest(path);
    ClimateDatabase db;
    db.open({path});
    QCOMPARE(db.localities(text), QStringList());
    QVERIFY(!db.queryLocality("Buenos Aires", text).found);
    QVERIFY(!db.queryLocality(text, "Bahía Blanca").found);
    QVERIFY(!db.queryLocality(text, text).found);
    QCOMPARE(db.querySeries(SeriesTable::Pp, "Buenos Aires", text), QStringList(12, QString()));
    QCOMPARE(db.querySeries(SeriesTable::Pp, text, "Bahía Blanca"), QStringList(12, QString()));
    // Everything still there.
    QCOMPARE(db.localities("Buenos Aires").join('|'), QStringLiteral("Bahía Blanca|Junín"));
    QCOMPARE(db.querySeries(SeriesTable::Pp, "Buenos Aires", "Bahía Blanca").first(), QStringLiteral("67.1"));
    db.close();
    QCOMPARE(digest(path), before);
}

void TestClimateDatabase::seriesRule_data()
{
    QTest::addColumn<QStringList>("read");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole numbers") << QStringList{"18", "17", "15", "12", "9", "6", "6", "7", "9", "12", "15", "17"}
                                   << "18.0 17.0 15.0 12.0 9.0 6.0 6.0 7.0 9.0 12.0 15.0 17.0";
    QTest::newRow("rounded to one decimal")
        << QStringList{"7.26", "7.25", "-0.04", "0.05", "1001", "1e1", "10", "10", "10", "10", "10", "10"}
        << "7.3 7.3 0.0 0.1 1001.0 10.0 10.0 10.0 10.0 10.0 10.0 10.0";
    QTest::newRow("January empty: as read")
        << QStringList{"", "x", "7.26", "", "", "", "", "", "", "", "", ""} << " x 7.26         ";
}

void TestClimateDatabase::seriesRule()
{
    QFETCH(QStringList, read);
    QFETCH(QString, shown);
    QCOMPARE(ruled(read), shown);
}

void TestClimateDatabase::seriesRuleStopsOnABadMonth_data()
{
    QTest::addColumn<QStringList>("read");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty month")
        << QStringList{"23.6", "22.1", "19.4", "14.9", "", "8.1", "7.5", "9.4", "11.6", "15.1", "18.7", "22"}
        << "'' is not a valid floating point value";
    QTest::newRow("comma decimal, first bad month reported")
        << QStringList{"23.6", "22,1", "19.4", "14.9", "x", "8.1", "7.5", "9.4", "11.6", "15.1", "18.7", "22"}
        << "'22,1' is not a valid floating point value";
}

void TestClimateDatabase::seriesRuleStopsOnABadMonth()
{
    QFETCH(QStringList, read);
    QFETCH(QString, error);
    QStringList texts = read;
    QCOMPARE(errorOf([&] { applySeriesRule(texts); }), error);
    QCOMPARE(texts, read);
}

void TestClimateDatabase::openFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("no file") << "none"
                             << "No se encontró la base de datos climática: no existe ninguno de los archivos "
                                "%home/Quenora/Quenora.mdb y %root/mnt/c/Quenora/Quenora.mdb";
    QTest::newRow("a folder in place of the file")
        << "folder" << "No se encontró la base de datos climática: no existe ninguno de los archivos "
                       "%home/Quenora/Quenora.mdb y %root/mnt/c/Quenora/Quenora.mdb";
    QTest::newRow("empty file") << "empty" << "El archivo %file está vacío: no es una base de datos climática";
    QTest::newRow("not SQLite") << "text" << "El archivo %file no es una base de datos SQLite";
    QTest::newRow("corrupt SQLite")
        << "corrupt" << "El archivo %file está dañado o no se puede leer como base de datos climática";
    QTest::newRow("no HumRel table") << "HumRel" << "La base de datos climática %file no tiene la tabla HumRel";
    QTest::newRow("no Provincia and no Pp")
        << "Provincia Pp" << "La base de datos climática %file no tiene las tablas Provincia y Pp";
    QTest::newRow("no column 7 in Pp")
        << "Pp.7" << "En la base de datos climática %file faltan columnas: Pp (\"7\")";
    QTest::newRow("columns missing in two tables")
        << "LocPorProv.latmin LocPorProv.altitud VelViento.nomloc"
        << "En la base de datos climática %file faltan columnas: LocPorProv (\"latmin\", \"altitud\"); "
           "VelViento (\"nomloc\")";
}

void TestClimateDatabase::openFailures()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QString root = m_dir->path();
    const QString home = m_dir->filePath("home");
    const QString file = ClimateDbFixture::pathOnDrive(home);
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(file));
    } else if (kind == QLatin1String("empty")) {
        test::writeFile(file, QByteArray());
    } else if (kind == QLatin1String("text")) {
        test::writeFile(file, "Provincia;LocPorProv\nBuenos Aires;Bahía Blanca\n");
    } else if (kind == QLatin1String("corrupt")) {
        {
            ClimateDbFixture fixture(file);
            fixture.addRealStations();
        }
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.seek(100));
        f.write(QByteArray(int(f.size()) - 100, '\x5a'));
    } else if (kind != QLatin1String("none")) {
        ClimateDbFixture fixture(file, kind.split(' '));
    }
    message.replace("%file", QDir::toNativeSeparators(file))
        .replace("%home", QDir::toNativeSeparators(home))
        .replace("%root", QDir::toNativeSeparators(root));

    ClimateDatabase db;
    const QString error = errorOf([&] { db.openDrive(DriveMap::mountFolders(root, home), "C"); });
    QVERIFY2(error.startsWith(message), qPrintable(error));
    QVERIFY(!db.isOpen());
    QCOMPARE(db.filePath(), QString());
}

void TestClimateDatabase::queriesWhenClosedFail()
{
    ClimateDatabase db;
    const QString closed = QStringLiteral("No hay ninguna base de datos climática abierta");
    QCOMPARE(errorOf([&] { db.provinces(); }), closed);
    QCOMPARE(errorOf([&] { db.localities("Buenos Aires"); }), closed);
    QCOMPARE(errorOf([&] { db.queryLocality("Buenos Aires", "Junín"); }), closed);
    QCOMPARE(errorOf([&] { db.querySeries(SeriesTable::Pp, "Buenos Aires", "Junín"); }), closed);
    QCOMPARE(errorOf([&] { db.openDrive(DriveMap::windows(), "CD"); }), QStringLiteral("\"CD\" no es una unidad de disco"));

    db.open({realStationsFile()});
    db.close();
    QCOMPARE(errorOf([&] { db.provinces(); }), closed);
}

void TestClimateDatabase::twoConnectionsAtOnce()
{
    const QString path = realStationsFile();
    auto first = std::make_unique<ClimateDatabase>();
    ClimateDatabase second;
    first->open({path});
    second.open({path});
    first.reset();
    QCOMPARE(second.localities("Córdoba"), QStringList{"Córdoba Aero"});
}

// The program only reads: after a whole session the file is the same byte for byte, and no
// journal or other file has appeared beside it.
void TestClimateDatabase::fileUnchangedAfterASession()
{
    const QString path = realStationsFile();
    const QByteArray before = digest(path);
    const QDir folder = QFileInfo(path).dir();
    const QStringList filesBefore = folder.entryList(QDir::Files);
    const QDateTime modified = QFileInfo(path).lastModified();
    {
        ClimateDatabase db;
        db.open({path});
        for (const QString &province : db.provinces()) {
            for (const QString &locality : db.localities(province)) {
                db.queryLocality(province, locality);
                for (const SeriesTable t : seriesLoadOrder())
                    db.querySeries(t, province, locality);
            }
        }
        db.close();
        db.open({path});
        QCOMPARE(db.provinces().size(), 4);
    }
    QCOMPARE(digest(path), before);
    QCOMPARE(QFileInfo(path).lastModified(), modified);
    QCOMPARE(folder.entryList(QDir::Files), filesBefore);
}

// The sample database built from location/data: each province once, every station with a
// position under its province, and a series row wherever the real series is complete.
void TestClimateDatabase::sampleDatabaseFromRealData()
{
    const QString path = qEnvironmentVariable("VERDEVAL_BUILD_DIR") + "/sample-db/Quenora/Quenora.mdb";
    if (!QFile::exists(path))
        QFAIL(qPrintable("The sample database is built with the rest of the program; not found: " + path));
    ClimateDatabase db;
    db.open({path});
    const QStringList provinces = db.provinces();
    QCOMPARE(QSet<QString>(provinces.begin(), provinces.end()).size(), provinces.size());
    QCOMPARE(provinces.mid(0, 3).join('|'), QStringLiteral("Buenos Aires|Catamarca|Chaco"));
    QVERIFY(provinces.contains("Santa Fé"));
    QCOMPARE(db.localities("Santa Fé").join('|'),
             QStringLiteral("Ceres|Oliveros|Rafaela|Reconquista|Rosario|Sauce Viejo|Zavalla"));

    int localities = 0;
    int complete = 0;
    for (const QString &province : provinces) {
        for (const QString &locality : db.localities(province)) {
            ++localities;
            QVERIFY(db.queryLocality(province, locality).found);
            int series = 0;
            for (const SeriesTable t : seriesLoadOrder()) {
                const QStringList texts = db.querySeries(t, province, locality);
                if (texts.first().isEmpty())
                    continue;
                QVERIFY2(!texts.contains(QString()), qPrintable(locality));
                ++series;
            }
            complete += series == 8;
        }
    }
    QCOMPARE(localities, 131);
    QCOMPARE(complete, 47);

    const LocalityRecord azul = db.queryLocality("Buenos Aires", "Azul");
    QCOMPARE(QStringLiteral("%1 %2 | %3 %4 | %5").arg(azul.latDeg).arg(azul.latMin).arg(azul.lonDeg, azul.lonMin, azul.altitude),
             QStringLiteral("36 45 | 59 50 | 132"));
    QCOMPARE(ruled(db.querySeries(SeriesTable::Pp, "Buenos Aires", "Azul")),
             QStringLiteral("103.8 101.6 113.9 90.6 55.7 37.1 40.8 59.2 67.5 92.0 97.9 75.4"));
    QCOMPARE(db.querySeries(SeriesTable::VelViento, "Buenos Aires", "Azul"), QStringList(12, QString()));
}

QTEST_MAIN(TestClimateDatabase)
#include "tst_climatedatabase.moc"
