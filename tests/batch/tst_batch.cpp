#include "QtWarnings.h"
#include "ClimateDbFixture.h"
#include "TestApp.h"
#include "app/Unit1.h"
#include "batch/BatchRun.h"
#include "location/DriveMap.h"
#include "platform/Screen.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

using namespace verdeval;
using namespace verdeval::test;
using namespace verdeval::batch;

// verdeval-batch: every module over many places, each place going through what its screen
// does, and the table it writes.
class TestBatch : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }
    void rowsEqualTheScreen_data();
    void rowsEqualTheScreen();
    void badOptions_data();
    void badOptions();
    void brokenPlaceAmongGoodOnes();
    void csvQuotingAndSeparator();
    void progressOnlyForLargeFiles();

private:
    // A module screen per module id, the box of each option, and the button that calculates.
    struct ScreenOf {
        const char *module;
        const char *launcher;
        const char *screen;
        const char *menuLink = nullptr; // the sub-menu line that leads to the screen
    };
    static const ScreenOf *screenOf(const QString &module)
    {
        static const ScreenOf all[] = {
            {"radiation", "Label1", "TFIngresoInformacionRadiacion"},
            {"heliophany", "Label6", "TFHeFo"},
            {"waterbalance", "Label3", "TFBHC"},
            {"etp", "Label2", "TFIngresoInformacion", "Label4"},
            {"chill", "Label4", "TFHF"},
            {"sums", "Label5", "TFST"},
        };
        for (const ScreenOf &s : all)
            if (module == QLatin1String(s.module))
                return &s;
        return nullptr;
    }
    static int run(const QStringList &args, QByteArray *out, QByteArray *err)
    {
        QBuffer o(out), e(err);
        o.open(QIODevice::WriteOnly);
        e.open(QIODevice::WriteOnly);
        return runCommandLine(QStringList{"verdeval-batch"} + args, o, e);
    }
};

void TestBatch::rowsEqualTheScreen_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<QString>("source"); // "CD" or "C"
    QTest::addColumn<QString>("province");
    QTest::addColumn<QString>("station");
    QTest::addColumn<QString>("option"); // box=value typed on the screen and given to the batch
    QTest::newRow("radiation, catalogue (no heliophany)") << "radiation" << "CD" << "Buenos Aires" << "Azul" << "";
    QTest::newRow("radiation, database") << "radiation" << "C" << "Buenos Aires" << "Junín" << "";
    QTest::newRow("heliophany, catalogue") << "heliophany" << "CD" << "Chubut" << "Esquel" << "EHE=12.5";
    QTest::newRow("water balance, catalogue") << "waterbalance" << "CD" << "Buenos Aires" << "Azul" << "ECC=150";
    QTest::newRow("water balance, database") << "waterbalance" << "C" << "Córdoba" << "Córdoba Aero" << "ECC=200";
    QTest::newRow("etp, catalogue (Thornthwaite only)") << "etp" << "CD" << "Buenos Aires" << "Azul" << "";
    QTest::newRow("etp, database (three methods)") << "etp" << "C" << "Buenos Aires" << "Bahía Blanca" << "";
    QTest::newRow("etp, database (Penman-FAO)") << "etp" << "C" << "Buenos Aires" << "Junín" << "EAA=10 EA=23";
    QTest::newRow("chill hours, catalogue (no minima)") << "chill" << "CD" << "Buenos Aires" << "Azul" << "";
    QTest::newRow("chill hours, database") << "chill" << "C" << "Córdoba" << "Córdoba Aero" << "";
    QTest::newRow("temperature sums, catalogue") << "sums" << "CD" << "Chubut" << "Esquel" << "ETB=5";
    QTest::newRow("temperature sums, database") << "sums" << "C" << "Buenos Aires" << "Junín" << "ETB=7";
    QTest::newRow("water balance, database without January")
        << "waterbalance" << "C" << "Misiones" << "Oberá" << "ECC=200";
}

// One test drives both: the place chosen on the index, the module opened by its launcher and
// calculated on its screen; the batch for the same place must give the same texts, row by row.
void TestBatch::rowsEqualTheScreen()
{
    QFETCH(QString, module);
    QFETCH(QString, source);
    QFETCH(QString, province);
    QFETCH(QString, station);
    QFETCH(QString, option);

    QTemporaryDir dir;
    const QString dbPath = ClimateDbFixture::pathOnDrive(dir.path() + "/mnt/c");
    {
        ClimateDbFixture db(dbPath);
        db.addRealStations();
        db.close();
    }
    TestApp app;
    TFIndice &index = app->FIndice();
    index.setDriveMap(DriveMap::mountFolders(dir.path(), dir.path() + "/home"));
    index.present();
    QVERIFY(type(index, "ComboBox3", source));
    QVERIFY(type(index, source == "CD" ? "ComboBox2" : "CBProv", province));
    QVERIFY(type(index, source == "CD" ? "combobox1" : "cbloc", station));
    const ScreenOf *of = screenOf(module);
    QVERIFY(of);
    QVERIFY(click(index, of->launcher));
    if (of->menuLink)
        QVERIFY(click(*app->screen("TFEPotencial"), of->menuLink));
    Screen &screen = *app->screen(of->screen);
    const std::unique_ptr<BatchModule> batch = moduleById(module);
    QVERIFY(batch);
    if (!screen.isVisible()) {
        // The launcher kept the module closed (the water balance sums the precipitation
        // first): every row is empty and says why.
        QCOMPARE(app.dialogs->shown.size(), 1);
        SourcePlace place{province, station, index.DatosLocalidad(), QString()};
        for (const QStringList &line : placeLines(*batch, place, Options()))
            QCOMPARE(line.mid(4).join('|'), QString(line.size() - 5, '|') + app.dialogs->last().text);
        return;
    }

    Options options;
    for (const QString &typed : option.split(' ', Qt::SkipEmptyParts)) {
        const QString box = typed.section('=', 0, 0);
        const QString value = typed.section('=', 1);
        screen.setText(box, value);
        if (box == "EHE")
            options.threshold = value;
        else if (box == "ECC")
            options.cc = value;
        else if (box == "EAA")
            options.anemometerHeight = value;
        else if (box == "EA")
            options.albedo = value;
        else if (box == "ETB")
            options.tb = value;
    }
    QVERIFY(click(screen, "BCalcular"));
    SourcePlace place{province, station, index.DatosLocalidad(), QString()};
    const QList<QStringList> lines = placeLines(*batch, place, options);
    const QList<RowSpec> rows = batch->rows();
    QCOMPARE(lines.size(), rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        QStringList onScreen;
        for (const QString &cell : rows.at(r).cells)
            onScreen << (cell.isEmpty() ? QString() : screen.text(cell));
        const QStringList fromBatch = lines.at(r).mid(4, rows.at(r).cells.size());
        QCOMPARE(fromBatch.join('|'), onScreen.join('|'));
        // An empty row says why.
        if (fromBatch.join(QString()).isEmpty())
            QVERIFY2(!lines.at(r).constLast().isEmpty(), qPrintable(rows.at(r).caption));
    }
    // What the screen said, the batch says too.
    for (const ShownDialog &d : app.dialogs->shown) {
        bool found = false;
        for (const QStringList &line : lines)
            found = found || line.constLast().contains(d.text);
        QVERIFY2(found, qPrintable(d.text));
    }
}

void TestBatch::badOptions_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("no source") << QStringList{"--module", "radiation"} << "falta la fuente";
    QTest::newRow("no module") << QStringList{"--source", "catalogue"} << "falta el módulo";
    QTest::newRow("unknown module") << QStringList{"--source", "catalogue", "--module", "penman"} << "módulo desconocido";
    QTest::newRow("unknown option") << QStringList{"--source", "catalogue", "--module", "radiation", "--fast"}
                                    << "opción desconocida: --fast";
    QTest::newRow("value missing") << QStringList{"--source", "catalogue", "--module"} << "falta el valor de --module";
    QTest::newRow("comma decimal") << QStringList{"--source", "catalogue", "--module", "waterbalance", "--cc", "150,5"}
                                   << "--cc debe ser un número";
    QTest::newRow("threshold required") << QStringList{"--source", "catalogue", "--module", "heliophany"}
                                        << "necesita el umbral";
    QTest::newRow("separator") << QStringList{"--source", "catalogue", "--module", "radiation", "--separator", "."}
                               << "el separador";
    QTest::newRow("no such file") << QStringList{"--source", "/nonexistent/Quenora.mdb", "--module", "radiation"}
                                  << "no existe el archivo";
    QTest::newRow("option twice") << QStringList{"--source=catalogue", "--source", "x", "--module", "radiation"}
                                  << "aparece dos veces";
}

void TestBatch::badOptions()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QByteArray out, err;
    QCOMPARE(run(args, &out, &err), 2);
    QVERIFY2(QString::fromUtf8(err).contains(message), err.constData());
    QVERIFY(out.isEmpty());
}

// A database whose second locality cannot be read: the run goes on, the good places carry
// their figures, the broken one empty rows with the message, and the run ends well. A file
// that is not a database is an unreadable source.
void TestBatch::brokenPlaceAmongGoodOnes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Quenora.mdb");
    {
        ClimateDbFixture db(path);
        db.addProvince("Buenos Aires");
        for (const char *name : {"Uno", "Dos", "Tres"}) {
            db.addLocality("Buenos Aires", name, {34, 33, 60, 55, 81});
            db.addSeries("Pp", "Buenos Aires", name, "132.3,118.8,133.2,109.1,61.2,26.8,31.5,32.4,55.3,122.8,110.7,110.0");
        }
        db.addSeries("TempMed", "Buenos Aires", "Uno", "23.0,21.7,19.7,15.8,12.4,9.3,8.6,10.7,12.9,16.3,19.4,22.0");
        db.addSeries("TempMed", "Buenos Aires", "Dos", "23.0,21.7,19.7,15.8,12.4,,8.6,10.7,12.9,16.3,19.4,22.0");
        db.addSeries("TempMed", "Buenos Aires", "Tres", "23.0,21.7,19.7,15.8,12.4,9.3,8.6,10.7,12.9,16.3,19.4,22.0");
        db.close();
    }
    QByteArray out, err;
    QCOMPARE(run({"--source", path, "--module", "waterbalance"}, &out, &err), 0);
    const QStringList lines = QString::fromUtf8(out).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 3 * 7);
    QCOMPARE(lines.at(1), QString("Buenos Aires,Uno,-34.55,Evapotranspiración Potencial,"
                                  "129,99,87,53,34,20,18,28,40,66,92,122,788,"));
    QCOMPARE(lines.at(8), QString("Buenos Aires,Dos,-34.55,Evapotranspiración Potencial,,,,,,,,,,,,,,"
                                  "'' is not a valid floating point value."));
    QVERIFY(lines.at(15).startsWith("Buenos Aires,Tres,-34.55,Evapotranspiración Potencial,129,"));

    writeFile(dir.filePath("bad.mdb"), "not a database at all");
    QCOMPARE(run({"--source", dir.filePath("bad.mdb"), "--module", "radiation"}, &out, &err), 2);
    QVERIFY2(QString::fromUtf8(err).contains("bad.mdb"), err.constData());
}

void TestBatch::csvQuotingAndSeparator()
{
    QByteArray out, err;
    QCOMPARE(run({"--source", "catalogue", "--module", "radiation", "--separator", ";"}, &out, &err), 0);
    const QStringList lines = QString::fromUtf8(out).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(lines.at(0), QString("provincia;localidad;latitud;fila;Sol;Jul;Ago;Sep;Eq;Oct;Nov;Dic;Sol;Ene;Feb;Mar;Eq;"
                                  "Abr;May;Jun;error"));
    // The message carries commas: quoted with ",", bare with ";".
    QVERIFY(lines.at(1).endsWith(";Para calcular la Radiación Global, ingrese los datos de Heliofanía efectiva, "
                                 "utilizando el punto como separador decimal."));
    QCOMPARE(run({"--source", "catalogue", "--module", "radiation"}, &out, &err), 0);
    QVERIFY(QString::fromUtf8(out).split("\r\n").at(1).endsWith(",\"Para calcular la Radiación Global, ingrese los "
                                                                 "datos de Heliofanía efectiva, utilizando el punto "
                                                                 "como separador decimal.\""));
    // Every catalogue record, two rows each.
    QCOMPARE(QString::fromUtf8(out).count("\r\n"), 1 + 140 * 2);
}

void TestBatch::progressOnlyForLargeFiles()
{
    QTemporaryDir dir;
    QByteArray out, err;
    QCOMPARE(run({"--source", "catalogue", "--module", "waterbalance", "--out", dir.filePath("t.csv")}, &out, &err), 0);
    QVERIFY(out.isEmpty());
    QVERIFY2(err.endsWith("Localidades calculadas: 140 de 140\n"), err.constData());
    QFile file(dir.filePath("t.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count("\r\n"), 1 + 140 * 7);
    // To standard output, no progress.
    err.clear();
    QCOMPARE(run({"--source", "catalogue", "--module", "waterbalance"}, &out, &err), 0);
    QVERIFY(err.isEmpty());
}

QTEST_MAIN(TestBatch)
#include "tst_batch.moc"
