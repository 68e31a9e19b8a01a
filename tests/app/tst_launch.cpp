#include "QtWarnings.h"
#include "TestApp.h"
#include "app/Unit1.h"
#include "platform/Screen.h"

#include <QtTest>

using namespace verdeval;
using namespace verdeval::test;

// The module launchers of the index screen: which screen each shows and which texts of the
// location arrive in which boxes.
class TestLaunch : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void launch_data();
    void launch();
    void waterBalanceSum();
    void waterBalanceRightAfterStart();
    void emptyTextsAfterStart_data();
    void emptyTextsAfterStart();
    void climatogramAfterSourceChoice();
};

namespace {

// A location whose every text says where it came from; PP is numeric for the water balance.
void fillLocation(TDatosLocalidad &loc)
{
    setPlace(loc, "Azul|36|45|S|59|50|132");
    loc.EPPT = "oldPPT";
    loc.ETT = "15.2";
    const QStringList pp = QString("140.9 95.3 132.3 65.3 62.8 32.9 38 43.7 66.1 113.3 105.3 103").split(' ');
    for (int m = 1; m <= 12; ++m) {
        loc.PP[m] = pp.at(m - 1);
        loc.T[m] = QString("T%1").arg(m);
        loc.TMa[m] = QString("TMa%1").arg(m);
        loc.TMi[m] = QString("TMi%1").arg(m);
        loc.HE[m] = QString("HE%1").arg(m);
        loc.HR[m] = QString("HR%1").arg(m);
        loc.PA[m] = QString("PA%1").arg(m);
        loc.VV[m] = QString("VV%1").arg(m);
    }
}

QString seriesText(const TDatosLocalidad &loc, const QString &code, int m)
{
    const MonthlyTexts *s = code == "PP" ? &loc.PP : code == "T" ? &loc.T : code == "TMa" ? &loc.TMa
                            : code == "TMi" ? &loc.TMi : code == "HE" ? &loc.HE : code == "HR" ? &loc.HR
                            : code == "PA" ? &loc.PA : &loc.VV;
    return (*s)[m];
}

} // namespace

void TestLaunch::launch_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("target");
    // Series copies "prefix:code" month k into box k; "prefix:code@JulJun" in July-to-June
    // order; "box=field" single copies (EPPT recomputed for the water balance).
    QTest::addColumn<QString>("copies");
    QTest::newRow("radiation") << "Label1" << "TFIngresoInformacionRadiacion" << "TFIngresoInformacionRadiacion"
                               << "EHE:HE@JulJun";
    QTest::newRow("heliophany") << "Label6" << "TFHeFo" << "TFHeFo" << "";
    QTest::newRow("evapotranspiration")
        << "Label2" << "TFEPotencial" << "TFIngresoInformacion"
        << "ETMMe:T ETMMa:TMa ETMMi:TMi EHE:HE EHR:HR EPA:PA EVV:VV EAE=EAltitud";
    QTest::newRow("water balance") << "Label3" << "TFBHC" << "TFBHC" << "ET:T EPP:PP EPPT=EPPT ETT=ETT";
    QTest::newRow("chill hours") << "Label4" << "TFHF" << "TFHF" << "ETmi:TMi";
    QTest::newRow("temperature sums") << "Label5" << "TFST" << "TFST" << "ET:T ETT=ETT";
    QTest::newRow("climatogram") << "Label16" << "TFClimatograma" << "TFClimatograma" << "ET:T EPP:PP EPPT=EPPT ETT=ETT";
}

void TestLaunch::launch()
{
    QFETCH(QString, label);
    QFETCH(QString, shown);
    QFETCH(QString, target);
    QFETCH(QString, copies);
    TestApp app;
    TFIndice &index = app->FIndice();
    fillLocation(index.DatosLocalidad());
    app->start();
    index.present();
    QVERIFY(click(index, label));

    const TDatosLocalidad &loc = index.DatosLocalidad();
    QCOMPARE(visibleScreens(*app), (QStringList{"TFInicial", shown}));
    Screen &screen = *app->screen(target);
    QCOMPARE(QStringList({screen.text("EEstacion"), screen.text("EGrados"), screen.text("EMinutos"), screen.text("EHemisferio")}).join('|'),
             QString("Azul|36|45|S"));
    for (const QString &copy : copies.split(' ', Qt::SkipEmptyParts)) {
        if (copy.contains('=')) {
            const QString box = copy.section('=', 0, 0);
            const QString field = copy.section('=', 1);
            const QString expected = field == "EAltitud" ? loc.EAltitud : field == "EPPT" ? loc.EPPT : loc.ETT;
            QCOMPARE(screen.text(box), expected);
            continue;
        }
        const QString prefix = copy.section(':', 0, 0);
        const QString code = copy.section(':', 1).section('@', 0, 0);
        const bool julJun = copy.endsWith("@JulJun");
        for (int k = 1; k <= 12; ++k) {
            const int month = julJun ? (k <= 6 ? k + 6 : k - 6) : k;
            QCOMPARE(screen.text(prefix, k), seriesText(loc, code, month));
        }
    }
}

void TestLaunch::waterBalanceSum()
{
    TestApp app;
    TFIndice &index = app->FIndice();
    fillLocation(index.DatosLocalidad());
    index.present();
    QVERIFY(click(index, "Label3"));
    QCOMPARE(index.DatosLocalidad().EPPT, QString("998.9"));
    QCOMPARE(app->screen("TFBHC")->text("EPPT"), QString("998.9"));
    QVERIFY(app.dialogs->shown.isEmpty());

    // A month that is not a number: the message, the index stays, EPPT unchanged.
    index.present();
    index.DatosLocalidad().PP[4] = "65,3";
    app->screen("TFBHC")->closeScreen();
    QVERIFY(click(index, "Label3"));
    QCOMPARE(app.dialogs->last().describe(), QString("Verdeval | '65,3' is not a valid floating point value. | OK"));
    QVERIFY(index.isVisible());
    QVERIFY(!app->screen("TFBHC")->isVisible());
    QCOMPARE(index.DatosLocalidad().EPPT, QString("998.9"));
}

void TestLaunch::waterBalanceRightAfterStart()
{
    TestApp app;
    app->start();
    TFIndice &index = app->FIndice();
    index.present();
    QVERIFY(click(index, "Label3"));
    QCOMPARE(app.dialogs->texts(), QStringList{"'' is not a valid floating point value."});
    QCOMPARE(visibleScreens(*app), (QStringList{"TFInicial", "TFIndice"}));
    QVERIFY(index.DatosLocalidad().EPPT.isEmpty());
}

void TestLaunch::emptyTextsAfterStart_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("box");
    QTest::newRow("radiation") << "Label1" << "TFIngresoInformacionRadiacion" << "EHE7";
    QTest::newRow("heliophany") << "Label6" << "TFHeFo" << "EGrados";
    QTest::newRow("evapotranspiration") << "Label2" << "TFIngresoInformacion" << "EVV12";
    QTest::newRow("chill hours") << "Label4" << "TFHF" << "ETmi1";
    QTest::newRow("temperature sums") << "Label5" << "TFST" << "ET6";
    QTest::newRow("climatogram") << "Label16" << "TFClimatograma" << "EPP3";
}

void TestLaunch::emptyTextsAfterStart()
{
    QFETCH(QString, label);
    QFETCH(QString, target);
    QFETCH(QString, box);
    TestApp app;
    Screen &screen = *app->screen(target);
    screen.setText("EEstacion", "typed before");
    screen.setText(box, "typed before");
    TFIndice &index = app->FIndice();
    index.present();
    QVERIFY(click(index, label));
    QCOMPARE(screen.text("EEstacion"), QString());
    QCOMPARE(screen.text(box), QString());
}

void TestLaunch::climatogramAfterSourceChoice()
{
    // "CD" again after a station empties the shown place but keeps the series: the
    // climatogram then receives the old series with an empty station name.
    TestApp app;
    TFIndice &index = app->FIndice();
    fillLocation(index.DatosLocalidad());
    index.DatosLocalidad().T.assign(QString("22 21.1 17.7 14 9.9 7.5 7.1 8.8 10.7 14.1 17.2 20.2").split(' '));
    index.present();
    QVERIFY(type(index, "ComboBox3", "CD"));
    QVERIFY(click(index, "Label16"));
    Screen &climatogram = *app->screen("TFClimatograma");
    QCOMPARE(climatogram.text("EEstacion"), QString());
    QCOMPARE(row(climatogram, "EPP"), QString("140.9 95.3 132.3 65.3 62.8 32.9 38 43.7 66.1 113.3 105.3 103"));
    QCOMPARE(row(climatogram, "ET"), QString("22 21.1 17.7 14 9.9 7.5 7.1 8.8 10.7 14.1 17.2 20.2"));
}

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
