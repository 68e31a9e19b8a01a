#include "QtWarnings.h"
#include "ScreenChecks.h"
#include "TestApp.h"
#include "output/Chart.h"
#include "platform/Screen.h"

#include <QtTest>

using namespace verdeval;
using namespace verdeval::test;

// The climatogram screen and its report as laid out: named controls, fixed texts, the two
// series on their own vertical axes, and where each button leads.
class TestClimatogramScreens : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void controls_data();
    void controls();
    void texts_data();
    void texts();
    void noCalcular();
    void series_data();
    void series();
};

void TestClimatogramScreens::controls_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("name"); // a prefix when count > 0
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("shown");

    for (const char *name : {"EEstacion", "EGrados", "EMinutos", "EHemisferio"})
        QTest::newRow(name) << "TFClimatograma" << name << 0 << "box" << true;
    QTest::newRow("EPP") << "TFClimatograma" << "EPP" << 12 << "box" << true;
    QTest::newRow("ET") << "TFClimatograma" << "ET" << 12 << "box" << true;
    QTest::newRow("EPPT") << "TFClimatograma" << "EPPT" << 0 << "box" << false;
    QTest::newRow("ETT") << "TFClimatograma" << "ETT" << 0 << "box" << false;
    for (const char *name : {"BVolverAlIndice", "BCerrar", "Button1", "BImprimir"})
        QTest::newRow(name) << "TFClimatograma" << name << 0 << "button" << true;
    QTest::newRow("Panel1") << "TFClimatograma" << "Panel1" << 0 << "bar" << true;
    QTest::newRow("Chart1") << "TFClimatograma" << "Chart1" << 0 << "chart" << true;

    QTest::newRow("report EEP") << "TForm7" << "EEP" << 12 << "cell" << true;
    QTest::newRow("report EDP") << "TForm7" << "EDP" << 12 << "cell" << true;
    for (const char *name : {"QRTitulo", "QRTor", "QRLabel1"})
        QTest::newRow(qPrintable(QString("report ") + name)) << "TForm7" << name << 0 << "label" << true;
    QTest::newRow("report Meses") << "TForm7" << "Meses" << 0 << "bar" << true;
    QTest::newRow("report QRChart1") << "TForm7" << "QRChart1" << 0 << "chart" << true;
}

void TestClimatogramScreens::controls()
{
    QFETCH(QString, screen);
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(QString, kind);
    QFETCH(bool, shown);
    QVERIFY(checkControls(screen, name, count, kind, shown));
}

void TestClimatogramScreens::texts_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("name"); // empty: any label or button of the screen
    QTest::addColumn<QString>("text");

    QTest::newRow("heading") << "TFClimatograma" << "" << "Ingrese la Información necesaria para los cálculos";
    QTest::newRow("title") << "TFClimatograma" << "" << "Climatograma";
    QTest::newRow("precipitation row") << "TFClimatograma" << "" << "Precipitación:";
    QTest::newRow("refresh") << "TFClimatograma" << "Button1" << "Recalcular Datos";
    QTest::newRow("print") << "TFClimatograma" << "BImprimir" << "Imprimir Informe";
    QTest::newRow("report title") << "TForm7" << "QRTitulo" << "Climatograma";
    QTest::newRow("report precipitation") << "TForm7" << "QRTor" << "Precipitación";
    QTest::newRow("report temperature") << "TForm7" << "QRLabel1" << "Temperatura";
}

void TestClimatogramScreens::texts()
{
    QFETCH(QString, screen);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QVERIFY(checkText(screen, name, text));
}

void TestClimatogramScreens::noCalcular()
{
    // There is nothing to calculate here: the chart is redrawn from the boxes.
    TestApp app;
    QVERIFY(!app->screen("TFClimatograma")->control("BCalcular"));
}

void TestClimatogramScreens::series_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("chart");
    QTest::addColumn<bool>("markers");
    QTest::newRow("screen") << "TFClimatograma" << "Chart1" << true;
    QTest::newRow("report") << "TForm7" << "QRChart1" << false;
}

void TestClimatogramScreens::series()
{
    QFETCH(QString, screen);
    QFETCH(QString, chart);
    QFETCH(bool, markers);
    TestApp app;
    auto *c = qobject_cast<Chart *>(app->screen(screen)->control(chart));
    QVERIFY(c);
    const QList<ChartSeries *> all = c->allSeries();
    QCOMPARE(all.size(), 2);
    ChartSeries *pp = all.at(0);
    ChartSeries *t = all.at(1);
    QCOMPARE(pp->title(), QString("Precipitación"));
    QCOMPARE(pp->kind(), ChartSeries::Kind::Bar);
    QCOMPARE(pp->color(), QColor(0, 0x80, 0));
    QCOMPARE(pp->barWidthPercent(), 15);
    QCOMPARE(pp->axis(), ChartSeries::Axis::Left);
    QCOMPARE(t->title(), QString("Temperatura"));
    QCOMPARE(t->kind(), ChartSeries::Kind::Line);
    QCOMPARE(t->color(), QColor(0xFF, 0, 0));
    QCOMPARE(t->axis(), ChartSeries::Axis::Right);
    QCOMPARE(t->pointMarkers(), markers);
    QCOMPARE(c->bottomAxis().title, QString("Meses del año"));
    QCOMPARE(c->leftAxis().title, QString("Precipitación"));
    QCOMPARE(c->rightAxis().title, QString("Temperatura"));
}

QTEST_MAIN(TestClimatogramScreens)
#include "tst_climatogramscreens.moc"
