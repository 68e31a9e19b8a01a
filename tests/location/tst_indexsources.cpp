#include "QtWarnings.h"
#include "ClimateDbFixture.h"
#include "TestApp.h"
#include "app/Unit1.h"
#include "app/UnitBarraProgreso.h"
#include "location/DriveMap.h"
#include "location/UnitIngresoDatosGenericos.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace verdeval;
using namespace verdeval::test;

// The index screen with its three sources of a place: the built-in catalogue, the climate
// database on a drive, and the own-data entry.
class TestIndexSources : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void provinceListAsShown();
    void catalogueStation_data();
    void catalogueStation();
    void partialNameChangesNothing();
    void provinceChangeKeepsSeries();
    void stationWithoutNormals_data();
    void stationWithoutNormals();
    void ownDataFromProvinceList();
    void databaseProvincesOnce();
    void databaseLoad();
    void databaseMissingSeriesAndJanuary();
    void databaseBadMonthStopsLoad();
    void databaseUnknownOrHostileNames_data();
    void databaseUnknownOrHostileNames();
    void databaseFailures_data();
    void databaseFailures();
    void placesNeverMix();
    void databaseFileUnchanged();

private:
    struct Drive {
        QTemporaryDir dir;
        QString path() const { return ClimateDbFixture::pathOnDrive(dir.path() + "/mnt/c"); }
        void attach(TFIndice &index) const { index.setDriveMap(DriveMap::mountFolders(dir.path(), dir.path() + "/home")); }
    };
    // A drive holding the fixture's real stations, attached to the index, "C" chosen.
    struct RealDrive : Drive {
        RealDrive()
        {
            ClimateDbFixture db(path());
            db.addRealStations();
            db.close();
        }
        [[nodiscard]] bool choose(TFIndice &index) const
        {
            attach(index);
            return type(index, "ComboBox3", "C");
        }
    };
    // "CD", "Buenos Aires", "Azul", picked from the lists as a user does.
    [[nodiscard]] static bool chooseAzul(TFIndice &index)
    {
        return pick(index, "ComboBox3", "CD") && pick(index, "ComboBox2", "Buenos Aires")
               && pick(index, "combobox1", "Azul");
    }
    static QString shown(const TFIndice &index)
    {
        QStringList parts;
        for (const char *name : {"EEstacion", "EGrados", "EMinutos", "EHemisferio", "EGradosL", "EMinutosL", "EAltitud"})
            parts << index.text(QString::fromLatin1(name));
        return parts.join('|');
    }
};

// What a user sees on opening the lists: the prompt, then the 21 province entries, then the
// stations of the province picked.
void TestIndexSources::provinceListAsShown()
{
    TestApp app;
    TFIndice &index = app->FIndice();
    index.present();
    QVERIFY(pick(index, "ComboBox3", "CD"));
    auto *provinces = qobject_cast<QComboBox *>(index.control("ComboBox2"));
    QVERIFY(provinces->isVisible());
    QCOMPARE(provinces->currentText(), QString());
    QCOMPARE(provinces->lineEdit()->placeholderText(), QString("Seleccione la provincia con la que quiere trabajar"));
    QCOMPARE(items(index, "ComboBox2").join('|'),
             QString("Buenos Aires|Catamarca|Chaco|Chubut|Córdoba|Corrientes|Entre Ríos|Formosa|Jujuy|La Pampa|"
                     "La Rioja|Mendoza|Misiones|Salta|San Juan|San Luis|Santa Cruz|Santa Fé|Santiago del Estero|"
                     "Tucumán|DATOS PROPIOS"));
    QVERIFY(pick(index, "ComboBox2", "Chubut"));
    QCOMPARE(items(index, "combobox1").join('|'), QString("Comodoro Rivadavia|Esquel|Paso de los Indios|Trelew"));
    QVERIFY(pick(index, "combobox1", "Esquel"));
    QCOMPARE(index.text("EEstacion"), QString("Esquel"));
    // The whole prompt fits its list.
    QVERIFY(provinces->width() >= provinces->fontMetrics().horizontalAdvance(provinces->lineEdit()->placeholderText()));
    // Another source and back: the province list is still offered.
    QVERIFY(pick(index, "ComboBox3", "D"));
    QVERIFY(pick(index, "ComboBox3", "CD"));
    QCOMPARE(items(index, "ComboBox2").size(), 21);
}

void TestIndexSources::catalogueStation_data()
{
    QTest::addColumn<QString>("province");
    QTest::addColumn<QString>("station");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("pp");
    QTest::addColumn<QString>("t");
    QTest::newRow("Azul") << "Buenos Aires" << "Azul" << "Azul|36|45|S|59|50|132"
                          << "140.9 95.3 132.3 65.3 62.8 32.9 38 43.7 66.1 113.3 105.3 103"
                          << "22 21.1 17.7 14 9.9 7.5 7.1 8.8 10.7 14.1 17.2 20.2";
    QTest::newRow("Dolores, no altitude") << "Buenos Aires" << "Dolores" << "Dolores|36|21|S|57|44|"
                                          << "123 101 85 48 52 55 58 51 53 87 83 95"
                                          << "21.5 20.5 18.5 14.8 11.4 8.7 8.6 9.4 11.9 14.6 17 20.2";
    QTest::newRow("Neuquén typed") << "" << "Neuquén" << "Neuquén|38|57|S|68|8|271"
                                   << "12.9 11.9 23.6 15.3 21.1 23.5 15.9 11.4 19.3 20.3 14.5 11.2"
                                   << "23.7 22.3 18.9 13.4 9.2 6.6 5.8 8.1 11.4 15.6 19.4 22.4";
    QTest::newRow("renamed record") << "Entre Ríos" << "Gualeguaychú Exp" << "Gualeguaychu Exp" << "" << "";
    QTest::newRow("renamed unlisted record") << "" << "Córdoba Obs" << "Córdoba Obs." << "" << "";
    // The list entry without a record of its own leads to the airport station.
    QTest::newRow("Córdoba entry") << "Córdoba" << "Córdoba" << "Córdoba Aero" << "" << "";
}

void TestIndexSources::catalogueStation()
{
    QFETCH(QString, province);
    QFETCH(QString, station);
    QFETCH(QString, place);
    QFETCH(QString, pp);
    QFETCH(QString, t);
    TestApp app;
    TFIndice &index = app->FIndice();
    index.present();
    QVERIFY(type(index, "ComboBox3", "CD"));
    if (!province.isEmpty()) {
        QVERIFY(type(index, "ComboBox2", province));
        auto *stations = qobject_cast<QComboBox *>(index.control("combobox1"));
        QVERIFY(stations->findText(station) >= 0);
    }
    QVERIFY(type(index, "combobox1", station));
    if (place.contains('|'))
        QCOMPARE(shown(index), place);
    else
        QCOMPARE(index.text("EEstacion"), place);
    const TDatosLocalidad &loc = index.DatosLocalidad();
    if (!pp.isEmpty()) {
        QCOMPARE(loc.PP.list().join(' '), pp);
        QCOMPARE(loc.T.list().join(' '), t);
    }
    QVERIFY(loc.EPPT.isEmpty() && loc.ETT.isEmpty());
}

void TestIndexSources::partialNameChangesNothing()
{
    TestApp app;
    TFIndice &index = app->FIndice();
    QVERIFY(chooseAzul(index));
    QVERIFY(type(index, "combobox1", "Azu"));
    QVERIFY(type(index, "combobox1", "azul"));
    QCOMPARE(shown(index), QString("Azul|36|45|S|59|50|132"));
}

void TestIndexSources::provinceChangeKeepsSeries()
{
    TestApp app;
    TFIndice &index = app->FIndice();
    QVERIFY(chooseAzul(index));
    index.DatosLocalidad().EPPT = "1003.9";
    QVERIFY(type(index, "ComboBox2", "Catamarca"));
    QCOMPARE(shown(index), QString("||||||"));
    QCOMPARE(index.text("combobox1"), QString());
    auto *stations = qobject_cast<QComboBox *>(index.control("combobox1"));
    QCOMPARE(stations->count(), 1);
    QCOMPARE(stations->itemText(0), QString("Catamarca"));
    QCOMPARE(index.DatosLocalidad().PP[1], QString("140.9"));
    QCOMPARE(index.DatosLocalidad().T[1], QString("22"));
    QVERIFY(index.DatosLocalidad().EPPT.isEmpty());
    QVERIFY(type(index, "ComboBox2", "Nowhere"));
    QCOMPARE(stations->count(), 0);
}

void TestIndexSources::stationWithoutNormals_data()
{
    QTest::addColumn<QString>("station");
    QTest::newRow("listed") << "Balcarce";
    // Once shown with twelve zeros as precipitation, as if it never rained there.
    QTest::newRow("unlisted, typed") << "Puerto Deseado";
}

void TestIndexSources::stationWithoutNormals()
{
    QFETCH(QString, station);
    TestApp app;
    TFIndice &index = app->FIndice();
    QVERIFY(chooseAzul(index));
    QVERIFY(type(index, "combobox1", station));
    QCOMPARE(index.text("EEstacion"), station);
    QVERIFY(!index.text("EGrados").isEmpty());
    QCOMPARE(app.dialogs->shown.size(), 1);
    QCOMPARE(app.dialogs->last().caption, QString("ATENCIÓN"));
    QVERIFY(app.dialogs->last().text.contains("normales mensuales"));
    // No figure of the previous station stays behind as if it were this one's.
    QCOMPARE(index.DatosLocalidad().PP.list().join(QString()), QString());
}

void TestIndexSources::ownDataFromProvinceList()
{
    TestApp app;
    TFIndice &index = app->FIndice();
    index.present();
    QVERIFY(type(index, "ComboBox3", "CD"));
    QVERIFY(type(index, "ComboBox2", "DATOS PROPIOS"));
    QCOMPARE(app.dialogs->shown.size(), 2);
    QCOMPARE(app.dialogs->shown.at(0).describe(),
             QString("ATENCIÓN | Debe ingresar los datos en los cuadros de precipitación y temperatura, utilizando el "
                     "punto como separador decimal. | OK"));
    QCOMPARE(app.dialogs->shown.at(1).caption, QString("TFIngresoDatosGenericos"));
    QVERIFY(app->screen("TFIngresoDatosGenericos")->isVisible());
}

void TestIndexSources::databaseProvincesOnce()
{
    RealDrive drive;
    TestApp app;
    TFIndice &index = app->FIndice();
    index.present();
    QVERIFY(drive.choose(index));
    QVERIFY(type(index, "ComboBox3", "CD"));
    QVERIFY(type(index, "ComboBox3", "C"));
    auto *provinces = qobject_cast<QComboBox *>(index.control("CBProv"));
    QStringList items;
    for (int k = 0; k < provinces->count(); ++k)
        items << provinces->itemText(k);
    QCOMPARE(items, (QStringList{"Buenos Aires", "Córdoba", "Entre Ríos", "Misiones"}));
    QVERIFY(index.control("CBProv")->isVisible() && index.control("cbloc")->isVisible());
    QVERIFY(!index.control("ComboBox2")->isVisible());
    QVERIFY(app.dialogs->shown.isEmpty());
}

void TestIndexSources::databaseLoad()
{
    Drive drive;
    ClimateDbFixture db(drive.path());
    db.addRealStations();
    db.exec("update LocPorProv set latmin = 33.6 where Nomloc = 'Junín'");
    db.close();
    TestApp app;
    TFIndice &index = app->FIndice();
    index.present();
    drive.attach(index);
    QVERIFY(type(index, "ComboBox3", "C"));
    QVERIFY(type(index, "CBProv", "Buenos Aires"));
    auto *localities = qobject_cast<QComboBox *>(index.control("cbloc"));
    QCOMPARE(localities->count(), 2);
    // Choosing a province does not touch the location.
    QCOMPARE(shown(index), QString("||||||"));

    QVERIFY(type(index, "cbloc", "Junín"));
    QCOMPARE(shown(index), QString("Junín|34|34|S|60|55|81"));
    const TDatosLocalidad &loc = index.DatosLocalidad();
    QCOMPARE(loc.T.list().join(' '), QString("23.0 21.7 19.7 15.8 12.4 9.3 8.6 10.7 12.9 16.3 19.4 22.0"));
    QCOMPARE(loc.VV.list().join(' '), QString("11.6 9.9 10.6 9.7 10.1 10.2 11.4 13.1 14.5 15.2 15.5 13.4"));
    QCOMPARE(loc.PA[1], QString("1001.7"));
    QVERIFY(loc.EPPT.isEmpty() && loc.ETT.isEmpty());
    TForm9 &wait = app->Form9();
    QVERIFY(!wait.isVisible());
    QCOMPARE(wait.ProgressBar1()->value(), 100);
    QVERIFY(app.dialogs->shown.isEmpty());

    // Whole numbers read back with one decimal; a second load runs the bar from 0 again.
    int lowest = 100;
    connect(wait.ProgressBar1(), &QProgressBar::valueChanged, this, [&](int v) { lowest = std::min(lowest, v); });
    QVERIFY(type(index, "cbloc", "Bahía Blanca"));
    QCOMPARE(lowest, 0);
    QCOMPARE(index.DatosLocalidad().VV.list().join(' '), QString("21.6 18.6 18.0 15.9 15.5 17.4 16.6 18.8 18.3 18.3 19.2 20.5"));
}

void TestIndexSources::databaseMissingSeriesAndJanuary()
{
    RealDrive drive;
    TestApp app;
    TFIndice &index = app->FIndice();
    QVERIFY(drive.choose(index));
    QVERIFY(type(index, "CBProv", "Entre Ríos"));
    QVERIFY(type(index, "cbloc", "Paraná Inta"));
    const TDatosLocalidad &loc = index.DatosLocalidad();
    QCOMPARE(loc.HR.list().join('|'), QString("|||||||||||"));
    QCOMPARE(loc.PA.list().join('|'), QString("|||||||||||"));
    QCOMPARE(loc.HE[1], QString("9.0"));
    // A series without January stays as read.
    QVERIFY(type(index, "CBProv", "Misiones"));
    QVERIFY(type(index, "cbloc", "Oberá"));
    QCOMPARE(loc.T.list().join('|'), QString("||23.3|20.7|16.9|15.7|||18.8|21.1|22.9|24.7"));
    QVERIFY(app.dialogs->shown.isEmpty());
}

void TestIndexSources::databaseBadMonthStopsLoad()
{
    Drive drive;
    ClimateDbFixture db(drive.path());
    db.addProvince("Buenos Aires");
    db.addLocality("Buenos Aires", "Junín", {34, 33, 60, 55, 81});
    db.addSeries("Pp", "Buenos Aires", "Junín", "132.3,118.8,133.2,109.1,61.2,26.8,31.5,32.4,55.3,122.8,110.7,110.0");
    db.addSeries("TempMed", "Buenos Aires", "Junín", "23.0,21.7,19.7,15.8,12.4,,8.6,10.7,12.9,16.3,19.4,22.0");
    db.addSeries("TempMaxMedia", "Buenos Aires", "Junín", "29.8,28.4,26.6,22.6,19.0,15.5,15.0,17.7,19.7,22.7,26.0,28.8");
    db.close();
    TestApp app;
    TFIndice &index = app->FIndice();
    TDatosLocalidad &loc = index.DatosLocalidad();
    loc.TMa.assign(QString("a b c d e f g h i j k l").split(' '));
    drive.attach(index);
    QVERIFY(type(index, "ComboBox3", "C"));
    QVERIFY(type(index, "CBProv", "Buenos Aires"));
    QVERIFY(type(index, "cbloc", "Junín"));
    QCOMPARE(app.dialogs->last().describe(), QString("Verdeval | '' is not a valid floating point value. | OK"));
    QCOMPARE(shown(index), QString("Junín|34|33|S|60|55|81"));
    QCOMPARE(loc.PP[1], QString("132.3"));
    // The series being converted holds its texts as read (the file stores numbers).
    QCOMPARE(loc.T.list().join('|'), QString("23|21.7|19.7|15.8|12.4||8.6|10.7|12.9|16.3|19.4|22"));
    // The series after it belong to no place yet: empty, not the previous place's.
    QCOMPARE(loc.TMa.list().join(' '), QString(11, ' '));
    QVERIFY(!app->Form9().isVisible());
}

void TestIndexSources::databaseUnknownOrHostileNames_data()
{
    QTest::addColumn<QString>("province");
    QTest::addColumn<QString>("locality");
    QTest::newRow("typed locality") << "Buenos Aires" << "Azul";
    QTest::newRow("quotes") << "Buenos Aires" << "Jun\"ín' or '1'='1";
    QTest::newRow("percent") << "Buenos Aires" << "%";
    QTest::newRow("underscore") << "Buenos Aires" << "Jun_n";
    QTest::newRow("statement") << "x\"; drop table Pp; --" << "Junín";
}

void TestIndexSources::databaseUnknownOrHostileNames()
{
    QFETCH(QString, province);
    QFETCH(QString, locality);
    RealDrive drive;
    TestApp app;
    TFIndice &index = app->FIndice();
    QVERIFY(drive.choose(index));
    QVERIFY(type(index, "CBProv", "Buenos Aires"));
    QVERIFY(type(index, "cbloc", "Junín"));
    QVERIFY(type(index, "CBProv", province));
    QVERIFY(type(index, "cbloc", QString()));
    QVERIFY(type(index, "cbloc", locality));
    QCOMPARE(shown(index), QString("||0|S|||"));
    QCOMPARE(index.DatosLocalidad().PP.list().join('|'), QString("|||||||||||"));
    QVERIFY(app.dialogs->shown.isEmpty());
    // The file still answers as before.
    QVERIFY(type(index, "CBProv", "Buenos Aires"));
    QVERIFY(type(index, "cbloc", QString()));
    QVERIFY(type(index, "cbloc", "Junín"));
    QCOMPARE(index.text("EEstacion"), QString("Junín"));
}

void TestIndexSources::databaseFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("no file") << "none";
    QTest::newRow("not a database") << "corrupt";
    QTest::newRow("table missing") << "noTable";
    QTest::newRow("column missing") << "noColumn";
}

void TestIndexSources::databaseFailures()
{
    QFETCH(QString, kind);
    Drive drive;
    if (kind == "corrupt") {
        // A desktop database of another kind: its header, NUL bytes included, then text.
        static const char header[] = "Standard Jet DB\0\0\0 not an SQLite file";
        writeFile(drive.path(), QByteArray(header, sizeof header - 1));
    } else if (kind != "none") {
        ClimateDbFixture db(drive.path(), kind == "noTable" ? QStringList{"HumRel"} : QStringList{"LocPorProv.latmin"});
        db.close();
    }
    TestApp app;
    TFIndice &index = app->FIndice();
    index.present();
    drive.attach(index);
    QVERIFY(type(index, "ComboBox3", "C"));
    QCOMPARE(app.dialogs->shown.size(), 1);
    const ShownDialog &d = app.dialogs->last();
    QCOMPARE(d.caption, QString("Verdeval"));
    QVERIFY2(d.text.contains("Quenora.mdb"), qPrintable(d.text));
    QVERIFY(!index.control("CBProv")->isVisible());
    QVERIFY(!index.database());
    QCOMPARE(shown(index), QString("||||||"));
}

void TestIndexSources::placesNeverMix()
{
    // A database locality with all eight series, then a catalogue station, then own data: each
    // module shows only what the latest place brought.
    RealDrive drive;
    TestApp app;
    TFIndice &index = app->FIndice();
    index.present();
    QVERIFY(drive.choose(index));
    QVERIFY(type(index, "CBProv", "Buenos Aires"));
    QVERIFY(type(index, "cbloc", "Junín"));
    Screen &radiation = *app->screen("TFIngresoInformacionRadiacion");
    Screen &etp = *app->screen("TFIngresoInformacion");
    QVERIFY(click(index, "Label1"));
    QCOMPARE(row(radiation, "EHE"), QString("4.8 6.0 6.7 7.2 8.7 8.9 9.4 8.9 7.4 6.6 5.4 4.6"));
    index.present();
    QVERIFY(click(index, "Label2"));
    QCOMPARE(row(etp, "ETMMa"), QString("29.8 28.4 26.6 22.6 19.0 15.5 15.0 17.7 19.7 22.7 26.0 28.8"));
    QCOMPARE(row(etp, "EVV").right(4), QString("13.4"));

    index.present();
    QVERIFY(type(index, "ComboBox3", "CD"));
    QVERIFY(!index.database());
    QVERIFY(!index.control("CBProv")->isVisible() && !index.control("cbloc")->isVisible());
    QVERIFY(chooseAzul(index));
    QVERIFY(click(index, "Label1"));
    QCOMPARE(row(radiation, "EHE"), QString(11, ' '));
    index.present();
    QVERIFY(click(index, "Label2"));
    QCOMPARE(row(etp, "ETMMe"), QString("22 21.1 17.7 14 9.9 7.5 7.1 8.8 10.7 14.1 17.2 20.2"));
    for (const char *prefix : {"ETMMa", "ETMMi", "EHE", "EHR", "EPA", "EVV"})
        QCOMPARE(row(etp, QString::fromLatin1(prefix)), QString(11, ' '));
    QCOMPARE(etp.text("EAE"), QString("132"));

    // Own data: the typed place, its precipitation and temperature, nothing else.
    index.present();
    auto &own = app->FIngresoDatosGenericos();
    own.present();
    own.setText("EEstacion", "Mi campo");
    own.setText("EAltitud", "");
    fillRow(own, "EPP", "10 10 10 10 10 10 10 10 10 10 10 10");
    fillRow(own, "ET", "20 20 20 20 20 20 20 20 20 20 20 20");
    QVERIFY(click(own, "Button1"));
    QCOMPARE(index.text("EEstacion"), QString("Mi campo"));
    QVERIFY(click(index, "Label2"));
    QCOMPARE(row(etp, "ETMMe"), QString("20 20 20 20 20 20 20 20 20 20 20 20"));
    QCOMPARE(row(etp, "ETMMa"), QString(11, ' '));
    QCOMPARE(etp.text("EAE"), QString());
    index.present();
    QVERIFY(click(index, "Label3"));
    QCOMPARE(row(*app->screen("TFBHC"), "EPP"), QString("10 10 10 10 10 10 10 10 10 10 10 10"));
    QCOMPARE(app->screen("TFBHC")->text("EPPT"), QString("120"));
}

void TestIndexSources::databaseFileUnchanged()
{
    RealDrive drive;
    auto digest = [&] {
        QFile f(drive.path());
        f.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    };
    const QByteArray before = digest();
    {
        TestApp app;
        TFIndice &index = app->FIndice();
        QVERIFY(drive.choose(index));
        for (const char *p : {"Buenos Aires", "Córdoba", "Misiones"}) {
            QVERIFY(type(index, "CBProv", QString::fromUtf8(p)));
            auto *localities = qobject_cast<QComboBox *>(index.control("cbloc"));
            for (int k = 0; k < localities->count(); ++k)
                QVERIFY(type(index, "cbloc", localities->itemText(k)));
        }
        QVERIFY(type(index, "ComboBox3", "CD"));
    }
    QCOMPARE(digest(), before);
}

QTEST_MAIN(TestIndexSources)
#include "tst_indexsources.moc"
