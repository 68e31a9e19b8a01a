#include "QtWarnings.h"
#include "ScreenChecks.h"
#include "TestApp.h"
#include "output/Chart.h"
#include "platform/Screen.h"

#include <QtTest>

using namespace verdeval;
using namespace verdeval::test;

// The chill hours and temperature sum screens and their reports as laid out: named controls
// (with the ones that exist but are never shown), fixed texts, the charts' series, and where
// each button leads.
class TestThermalScreens : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void controls_data();
    void controls();
    void texts_data();
    void texts();
    void series_data();
    void series();
};

void TestThermalScreens::controls_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("name"); // a prefix when count > 0
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("shown");

    for (const char *screen : {"TFHF", "TFST"}) {
        for (const char *name : {"EEstacion", "EGrados", "EMinutos", "EHemisferio"})
            QTest::newRow(qPrintable(QString(screen) + " " + name)) << screen << name << 0 << "box" << true;
        for (const char *name : {"BVolverAlIndice", "BCalcular", "BCerrar", "BImprimir"})
            QTest::newRow(qPrintable(QString(screen) + " " + name)) << screen << name << 0 << "button" << true;
        for (const char *name : {"EHFT", "EHFC"})
            QTest::newRow(qPrintable(QString(screen) + " " + name)) << screen << name << 0 << "cell" << true;
    }
    QTest::newRow("chill ETmi") << "TFHF" << "ETmi" << 12 << "box" << true;
    QTest::newRow("chill ETmiT") << "TFHF" << "ETmiT" << 0 << "cell" << true;
    QTest::newRow("chill EHFE") << "TFHF" << "EHFE" << 0 << "cell" << true;
    QTest::newRow("chill Panel1") << "TFHF" << "Panel1" << 0 << "bar" << true;

    QTest::newRow("sums ET") << "TFST" << "ET" << 12 << "box" << true;
    QTest::newRow("sums ETB") << "TFST" << "ETB" << 0 << "box" << true;
    QTest::newRow("sums ETT") << "TFST" << "ETT" << 0 << "label" << false;
    for (const char *prefix : {"EEP", "EDP", "EAL", "EDAL"}) {
        QTest::newRow(qPrintable(QString("sums ") + prefix)) << "TFST" << prefix << 12 << "cell" << true;
        QTest::newRow(qPrintable(QString("sums ") + prefix + "T")) << "TFST" << QString(prefix) + "T" << 0 << "cell" << false;
        QTest::newRow(qPrintable(QString("sums report ") + prefix)) << "TForm6" << prefix << 12 << "cell" << true;
    }
    QTest::newRow("sums Chart1") << "TFST" << "Chart1" << 0 << "chart" << true;

    QTest::newRow("chill report ERG") << "TForm8" << "ERG" << 12 << "cell" << true;
    for (const char *name : {"EHFT", "EHFC", "EHFE"})
        QTest::newRow(qPrintable(QString("chill report ") + name)) << "TForm8" << name << 0 << "cell" << true;
    for (const char *screen : {"TForm6", "TForm8"}) {
        QTest::newRow(qPrintable(QString(screen) + " QRTitulo")) << screen << "QRTitulo" << 0 << "label" << true;
        QTest::newRow(qPrintable(QString(screen) + " Meses")) << screen << "Meses" << 0 << "bar" << true;
    }
    QTest::newRow("sums report QRChart1") << "TForm6" << "QRChart1" << 0 << "chart" << true;
}

void TestThermalScreens::controls()
{
    QFETCH(QString, screen);
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(QString, kind);
    QFETCH(bool, shown);
    QVERIFY(checkControls(screen, name, count, kind, shown));
}

void TestThermalScreens::texts_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("name"); // empty: any label or button of the screen
    QTest::addColumn<QString>("text");

    QTest::newRow("chill minima") << "TFHF" << "" << "Temperatura Mínima Media:";
    QTest::newRow("chill results") << "TFHF" << "" << "Horas de Frío";
    QTest::newRow("chill method") << "TFHF" << "" << "Metodología Damario - Pascale - Bustos (1998).";
    QTest::newRow("chill total") << "TFHF" << "" << "Horas de Frío Totales";
    QTest::newRow("chill corrected") << "TFHF" << "" << "Horas de Frío Corregidas";
    QTest::newRow("chill effective") << "TFHF" << "" << "Horas de Frío Efectivas";
    QTest::newRow("chill report title") << "TForm8" << "QRTitulo" << "Horas de Frío";
    QTest::newRow("chill report minima") << "TForm8" << "" << "Temperatura Mínima Media";
    QTest::newRow("sums base") << "TFST" << "" << "Temperatura base en °C";
    QTest::newRow("sums base initial") << "TFST" << "ETB" << "7";
    QTest::newRow("sums results") << "TFST" << "" << "Resultados Suma de Temperatura";
    QTest::newRow("sums base row") << "TFST" << "" << "Grados Día (Grados días/tb)";
    QTest::newRow("sums 15 row") << "TFST" << "" << "Gd sobre 15°C";
    QTest::newRow("sums winter-spring")
        << "TFST" << "" << "Gd para cultivos de ciclo inverno-primaveral (Junio a Diciembre) s/T base seleccionada";
    QTest::newRow("sums spring-summer")
        << "TFST" << "" << "Gd para cultivos de ciclo primavero-estival (Octubre a Marzo) s/T base seleccionada";
    QTest::newRow("sums report title") << "TForm6" << "QRTitulo" << "Resultados Suma de Temperatura";
    QTest::newRow("sums report 0 row") << "TForm6" << "" << "Gd sobre 0º";
}

void TestThermalScreens::texts()
{
    QFETCH(QString, screen);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QVERIFY(checkText(screen, name, text));
}

void TestThermalScreens::series_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("markers");

    QTest::newRow("screen tb") << "TFST" << "Chart1" << "Series1" << "Grados Días" << QColor(0xFF, 0, 0) << true;
    QTest::newRow("screen 0") << "TFST" << "Chart1" << "Series2" << "Gd sobre 0º" << QColor(0, 0x80, 0) << true;
    QTest::newRow("screen 10") << "TFST" << "Chart1" << "Series3" << "Gd sobre 10º" << QColor(0x80, 0x80, 0) << true;
    QTest::newRow("screen 15") << "TFST" << "Chart1" << "Series4" << "Gd sobre 15 º" << QColor(0, 0, 0xFF) << true;
    QTest::newRow("report tb") << "TForm6" << "QRChart1" << "Series5" << "Grados Días" << QColor(0xFF, 0, 0) << false;
    QTest::newRow("report 0") << "TForm6" << "QRChart1" << "Series6" << "Gd sobre 0º" << QColor(0, 0x80, 0) << false;
    QTest::newRow("report 10") << "TForm6" << "QRChart1" << "Series7" << "Gd sobre 10º" << QColor(0xFF, 0x80, 0) << false;
    QTest::newRow("report 15") << "TForm6" << "QRChart1" << "Series8" << "Gd sobre 15º" << QColor(0, 0, 0xFF) << false;
}

void TestThermalScreens::series()
{
    QFETCH(QString, screen);
    QFETCH(QString, chart);
    QFETCH(QString, series);
    QFETCH(QString, title);
    QFETCH(QColor, color);
    QFETCH(bool, markers);
    TestApp app;
    auto *c = qobject_cast<Chart *>(app->screen(screen)->control(chart));
    QVERIFY(c);
    QCOMPARE(c->allSeries().size(), 4);
    ChartSeries *s = c->series(series);
    QVERIFY(s);
    QCOMPARE(s->kind(), ChartSeries::Kind::Line);
    QCOMPARE(s->title(), title);
    QCOMPARE(s->color(), color);
    QCOMPARE(s->pointMarkers(), markers);
    QCOMPARE(c->bottomAxis().title, QString("Meses del año"));
    QCOMPARE(c->leftAxis().title, QString("Grados día"));
}

QTEST_MAIN(TestThermalScreens)
#include "tst_thermalscreens.moc"
