#include "ClimateDbFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <stdexcept>

namespace verdeval::test {

namespace {

const QStringList seriesTables = {"TempMed", "Pp", "TempMaxMedia", "TempMinMedia",
                                  "HeEfectiva", "HumRel", "PreAtm", "VelViento"};

[[noreturn]] void fail(const QString &what)
{
    throw std::runtime_error(what.toStdString());
}

void makeFolderOf(const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        fail(QStringLiteral("cannot create the folder of %1").arg(path));
}

struct Column
{
    QString name;
    QString type;
};

} // namespace

ClimateDbFixture::ClimateDbFixture(const QString &filePath, const QStringList &without)
    : m_path(filePath), m_connection(QStringLiteral("fixture-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    makeFolderOf(m_path);
    QFile::remove(m_path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(m_path);
        if (!db.open())
            fail(QStringLiteral("%1: %2").arg(m_path, db.lastError().text()));
    }
    // A fixture is thrown away after its test: no need to wait for the disk after each row.
    exec(QStringLiteral("PRAGMA synchronous = OFF"));
    exec(QStringLiteral("PRAGMA journal_mode = MEMORY"));

    QList<QPair<QString, QList<Column>>> schema = {
        {"Provincia", {{"Nombre", "TEXT"}}},
        {"LocPorProv",
         {{"nomprov", "TEXT"}, {"Nomloc", "TEXT"}, {"LatGra", "INTEGER"}, {"latmin", "REAL"},
          {"LongGra", "INTEGER"}, {"longmin", "INTEGER"}, {"altitud", "INTEGER"}}},
    };
    for (const QString &table : seriesTables) {
        QList<Column> columns = {{"nomprov", "TEXT"}, {"nomloc", "TEXT"}};
        for (int m = 1; m <= 12; ++m)
            columns.append({QString::number(m), "REAL"});
        schema.append({table, columns});
    }
    for (const auto &[table, columns] : schema) {
        if (without.contains(table))
            continue;
        QStringList defs;
        for (const Column &c : columns)
            if (!without.contains(table + QLatin1Char('.') + c.name))
                defs << QStringLiteral("\"%1\" %2").arg(c.name, c.type);
        exec(QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(table, defs.join(QStringLiteral(", "))));
        if (table == QLatin1String("Provincia"))
            continue;
        const QString locality = table == QLatin1String("LocPorProv") ? QStringLiteral("Nomloc") : QStringLiteral("nomloc");
        if (!without.contains(table + QStringLiteral(".nomprov")) && !without.contains(table + QLatin1Char('.') + locality))
            exec(QStringLiteral("CREATE INDEX \"%1_place\" ON \"%1\" (nomprov COLLATE NOCASE, nomloc COLLATE NOCASE)")
                     .arg(table));
    }
}

ClimateDbFixture::~ClimateDbFixture()
{
    close();
}

QString ClimateDbFixture::pathOnDrive(const QString &driveFolder)
{
    return QDir::cleanPath(driveFolder + QStringLiteral("/Quenora/Quenora.mdb"));
}

void ClimateDbFixture::exec(const QString &sql, const QVariantList &values)
{
    if (m_connection.isEmpty())
        fail(QStringLiteral("%1 is already closed").arg(m_path));
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.prepare(sql))
        fail(QStringLiteral("%1: %2").arg(sql, q.lastError().text()));
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i));
    if (!q.exec())
        fail(QStringLiteral("%1: %2").arg(sql, q.lastError().text()));
}

void ClimateDbFixture::addProvince(const QString &name)
{
    exec(QStringLiteral("INSERT INTO Provincia (Nombre) VALUES (?)"), {name});
}

void ClimateDbFixture::addLocality(const QString &province, const QString &locality, const QVariantList &position)
{
    if (position.size() != 5)
        fail(QStringLiteral("a locality has five position values"));
    exec(QStringLiteral("INSERT INTO LocPorProv (nomprov, Nomloc, LatGra, latmin, LongGra, longmin, altitud) "
                        "VALUES (?, ?, ?, ?, ?, ?, ?)"),
         QVariantList{province, locality} + position);
}

void ClimateDbFixture::addSeries(const QString &table, const QString &province, const QString &locality,
                                 const QString &months)
{
    const QStringList texts = months.split(QLatin1Char(','));
    if (texts.size() != 12)
        fail(QStringLiteral("a series has twelve months: %1").arg(months));
    QVariantList values;
    for (const QString &text : texts) {
        bool ok = true;
        const double v = text.toDouble(&ok);
        if (text.isEmpty())
            values << QVariant();
        else if (ok)
            values << v;
        else
            fail(QStringLiteral("'%1' is not a number").arg(text));
    }
    addSeries(table, province, locality, values);
}

void ClimateDbFixture::addSeries(const QString &table, const QString &province, const QString &locality,
                                 const QVariantList &months)
{
    if (months.size() != 12)
        fail(QStringLiteral("a series has twelve months"));
    QStringList columns = {QStringLiteral("nomprov"), QStringLiteral("nomloc")};
    QStringList marks = {QStringLiteral("?"), QStringLiteral("?")};
    for (int m = 1; m <= 12; ++m) {
        columns << QStringLiteral("\"%1\"").arg(m);
        marks << QStringLiteral("?");
    }
    exec(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
             .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
         QVariantList{province, locality} + months);
}

void ClimateDbFixture::addRealStations()
{
    // Positions from location/data/stations.csv, series from the preferred rows of
    // location/data/normals.csv (source noted on each row). A station has a row in a series
    // table only where the data has that series.
    struct Station
    {
        const char *province;
        const char *name;
        QVariantList position;
        QList<QPair<const char *, const char *>> series;
    };
    const QList<Station> stations = {
        {"Buenos Aires", "Bahía Blanca", {38, 44, 62, 10, 83},
         {
             {"TempMed", "23.6,22.1,19.4,14.9,11.1,8.1,7.5,9.4,11.6,15.1,18.7,22.0"}, // SMN 1981-1990
             {"Pp", "67.1,67.1,75.2,54.5,41.2,31.5,31.1,34.5,51.6,73.3,56.8,67.3"},   // SMN 1981-1990
             {"TempMaxMedia", "31.1,29.6,26.6,21.8,17.5,14.1,13.7,16.3,18.5,22.2,25.9,29.3"}, // SMN 1981-1990
             {"TempMinMedia", "16.3,15.2,13.4,9.2,6.0,3.3,2.4,3.9,5.6,8.5,11.4,14.4"}, // SMN 1981-1990
             {"HeEfectiva", "10.1,9.5,8.4,6.9,5.4,4.8,4.9,6.0,6.8,7.5,9.6,10.3"},     // CLIMAT means 2004-2020
             {"HumRel", "54.1,60.5,66.5,70.5,74.5,75.1,73.8,68.9,67.2,64.8,58.5,53.3"}, // SMN 1981-1990
             {"PreAtm", "1001.0,1002.8,1004.3,1005.7,1007.1,1006.0,1008.0,1007.9,1008.4,1005.8,1003.0,1000.7"}, // CLIMAT means 2004-2020
             {"VelViento", "21.6,18.6,18,15.9,15.5,17.4,16.6,18.8,18.3,18.3,19.2,20.5"}, // SMN 2011-2020
         }},
        {"Buenos Aires", "Junín", {34, 33, 60, 55, 81},
         {
             {"TempMed", "23.0,21.7,19.7,15.8,12.4,9.3,8.6,10.7,12.9,16.3,19.4,22.0"}, // SMN 1981-1990
             {"Pp", "132.3,118.8,133.2,109.1,61.2,26.8,31.5,32.4,55.3,122.8,110.7,110.0"}, // SMN 1981-1990
             {"TempMaxMedia", "29.8,28.4,26.6,22.6,19.0,15.5,15.0,17.7,19.7,22.7,26.0,28.8"}, // SMN 1981-1990
             {"TempMinMedia", "16.6,15.8,14.2,10.4,7.2,4.5,3.6,4.8,6.7,10.1,12.8,15.2"}, // SMN 1981-1990
             {"HeEfectiva", "9.4,8.9,7.4,6.6,5.4,4.6,4.8,6.0,6.7,7.2,8.7,8.9"},        // WMO CLINO 1961-1990
             {"HumRel", "69.6,74.4,77.2,77.8,78.5,79.3,77.1,72.3,70.1,71.1,67.8,65.9"}, // SMN 1981-1990
             {"PreAtm", "1001.7,1002.6,1004.4,1005.9,1007.9,1007.6,1008.5,1008.1,1007.9,1005.3,1002.9,1001.5"}, // CLIMAT means 2004-2020
             {"VelViento", "11.6,9.9,10.6,9.7,10.1,10.2,11.4,13.1,14.5,15.2,15.5,13.4"}, // SMN 1981-1990
         }},
        {"Córdoba", "Córdoba Aero", {31, 18, 64, 12, 495},
         {
             {"TempMed", "23.4,22.2,20.7,17.2,13.7,10.7,10.0,12.5,14.9,18.6,20.9,22.9"}, // SMN 1981-1990
             {"Pp", "141.0,115.9,126.9,66.3,21.3,4.8,13.5,9.7,35.2,71.9,118.3,156.9"}, // SMN 1981-1990
             {"TempMaxMedia", "29.4,28.3,26.9,23.6,20.5,18.0,17.6,20.3,22.3,25.6,27.5,29.0"}, // SMN 1981-1990
             {"TempMinMedia", "17.5,16.6,15.5,11.7,8.3,5.1,4.0,5.9,8.2,11.9,14.4,16.8"}, // SMN 1981-1990
             {"HeEfectiva", "9.3,7.6,7.6,6.6,6.0,6.1,6.3,7.5,7.5,7.8,9.2,9.4"},         // CLIMAT means 2004-2020
             {"HumRel", "69.9,73.2,76.0,74.4,72.7,70.3,65.7,58.3,56.7,60.0,62.4,65.9"}, // SMN 1981-1990
             {"PreAtm", "956.2,956.4,958.3,959.5,960.9,960.5,961.3,960.8,960.4,958.2,956.3,955.4"}, // CLIMAT means 2004-2020
             {"VelViento", "12.6,11.3,11.4,11.5,11.2,10.9,12.0,13.5,14.8,15.8,15.8,13.7"}, // SMN 1981-1990
         }},
        // INTA daily records 1981-1990: no humidity and no pressure.
        {"Entre Ríos", "Paraná Inta", {31, 51, 60, 32, 110},
         {
             {"TempMed", "25.3,24.3,22.1,18.6,15.4,12.2,11.7,13.9,15.0,18.5,21.3,23.8"},
             {"Pp", "125.4,163.9,125.2,99.4,63.0,32.6,32.6,35.2,77.0,115.2,100.3,112.6"},
             {"TempMaxMedia", "31.2,29.5,27.3,23.3,20.1,16.6,16.2,19.0,20.2,24.1,26.8,29.6"},
             {"TempMinMedia", "19.5,19.0,16.9,13.9,10.7,7.8,7.2,8.8,9.8,12.9,15.7,18.0"},
             {"HeEfectiva", "9.0,8.1,7.7,6.2,6.0,5.0,5.6,6.2,6.9,7.9,8.5,8.9"},
             {"VelViento", "15.4,14.0,15.0,15.2,17.3,15.8,18.1,19.6,20.1,17.9,16.9,14.9"},
         }},
        // SMN 1991-2020, with months the source has no value for.
        {"Misiones", "Oberá", {27, 29, 55, 8, 303},
         {
             {"TempMed", ",,23.3,20.7,16.9,15.7,,,18.8,21.1,22.9,24.7"},
             {"Pp", ",,,215.2,143.4,153.3,,,157.7,,184,"},
             {"TempMaxMedia", ",,30.2,27.1,23,21.5,,,25.3,27.9,29.7,31.6"},
             {"TempMinMedia", ",,18.5,15.9,12.7,11.5,,,13.4,16.1,17.1,19.3"},
             {"HumRel", ",,81.3,82.4,84.6,83.6,,,76.4,77.4,74.7,75.9"},
         }},
    };

    for (const char *province : {"Buenos Aires", "Córdoba", "Entre Ríos", "Misiones"})
        addProvince(QString::fromUtf8(province));
    for (const Station &s : stations) {
        const QString province = QString::fromUtf8(s.province);
        const QString name = QString::fromUtf8(s.name);
        addLocality(province, name, s.position);
        for (const auto &[table, months] : s.series)
            addSeries(QString::fromLatin1(table), province, name, QString::fromLatin1(months));
    }
}

void ClimateDbFixture::close()
{
    if (m_connection.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    makeFolderOf(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write %1").arg(path));
}

} // namespace verdeval::test
