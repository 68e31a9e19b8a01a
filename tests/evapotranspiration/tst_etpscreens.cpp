#include "QtWarnings.h"
#include "ScreenChecks.h"
#include "TestApp.h"
#include "evapotranspiration/UnitGraficoETP.h"
#include "evapotranspiration/UnitInformacionNecesaria.h"
#include "evapotranspiration/UnitIngresoInformacion.h"
#include "output/Chart.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QtTest>

using namespace verdeval;
using namespace verdeval::test;

// The evapotranspiration screens and report as laid out: their named controls, the fixed texts
// that matter, the charts' series, the entry screen's tab order, and where each button leads.
class TestEtpScreens : public QObject
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
    void enterMovesToNextControl_data();
    void enterMovesToNextControl();
    void escapeClosesResults();
    void dataScreenIsBorderlessAtTopLeft();
    void dataTableFollowsTheGates_data();
    void dataTableFollowsTheGates();
};

void TestEtpScreens::controls_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("name"); // a prefix when count > 0
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("kind");

    const char *entry = "TFIngresoInformacion";
    for (const char *name : {"EEstacion", "EGrados", "EMinutos", "EHemisferio", "EAE", "EAA", "EA"})
        QTest::newRow(qPrintable(QString("entry ") + name)) << entry << name << 0 << "box";
    for (const char *prefix : {"ETMMe", "ETMMa", "ETMMi", "EHE", "EHR", "EPA", "EVV"})
        QTest::newRow(qPrintable(QString("entry ") + prefix)) << entry << prefix << 12 << "box";
    for (const char *screen : {"TFIngresoInformacion", "TGraficoETP", "TForm2"}) {
        for (const char *prefix : {"ETTh", "ETTv", "ETH", "ETPM"})
            QTest::newRow(qPrintable(QString(screen) + " " + prefix)) << screen << prefix << 12 << "cell";
        for (const char *total : {"ETTTh", "ETTTv", "ETTH", "ETTPM"})
            QTest::newRow(qPrintable(QString(screen) + " " + total)) << screen << total << 0 << "cell";
    }
    for (const char *name : {"BVolverAlIndice", "BCalcular", "BCerrar", "BMostrarG"})
        QTest::newRow(qPrintable(QString("entry ") + name)) << entry << name << 0 << "button";
    QTest::newRow("entry Panel1") << entry << "Panel1" << 0 << "bar";
    QTest::newRow("entry Panel2") << entry << "Panel2" << 0 << "bar";

    for (const char *name : {"BVolverACalcular", "BVolverIndice", "BCerrar", "Button1"})
        QTest::newRow(qPrintable(QString("results ") + name)) << "TGraficoETP" << name << 0 << "button";
    QTest::newRow("results Panel2") << "TGraficoETP" << "Panel2" << 0 << "bar";
    QTest::newRow("results Chart1") << "TGraficoETP" << "Chart1" << 0 << "chart";

    for (const char *name : {"QRTor", "QRLabel1", "QRLabel51", "QRLabel47", "QRTitulo", "QRLabel2", "QRLabel3", "QRLabel4"})
        QTest::newRow(qPrintable(QString("report ") + name)) << "TForm2" << name << 0 << "label";
    QTest::newRow("report Meses") << "TForm2" << "Meses" << 0 << "bar";
    QTest::newRow("report QRChart1") << "TForm2" << "QRChart1" << 0 << "chart";

    for (const char *name : {"Label2", "Label6", "Label4"})
        QTest::newRow(qPrintable(QString("sub-menu ") + name)) << "TFEPotencial" << name << 0 << "link";
    for (const char *name : {"BVolverIndice", "BCerrar"})
        QTest::newRow(qPrintable(QString("sub-menu ") + name)) << "TFEPotencial" << name << 0 << "button";
    for (const char *name : {"BVolverIndice", "BIngresoDatos"})
        QTest::newRow(qPrintable(QString("data ") + name)) << "TFEtpInformacion" << name << 0 << "button";
    for (const char *name : {"BVolverIndice", "BCerrar"})
        QTest::newRow(qPrintable(QString("formulas ") + name)) << "TFEtpExp" << name << 0 << "button";
}

void TestEtpScreens::controls()
{
    QFETCH(QString, screen);
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(QString, kind);
    QVERIFY(checkControls(screen, name, count, kind));
}

void TestEtpScreens::texts_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("name"); // empty: any label or button of the screen
    QTest::addColumn<QString>("text");

    QTest::newRow("entry heading") << "TFIngresoInformacion" << "" << "Ingrese la información necesaria para los cálculos";
    QTest::newRow("entry station") << "TFIngresoInformacion" << "" << "Nombre de la Estación:";
    QTest::newRow("entry mean T") << "TFIngresoInformacion" << "" << "Temperatura media mensual (°C)";
    QTest::newRow("entry wind") << "TFIngresoInformacion" << "" << "Velocidad del viento (Km/h)";
    QTest::newRow("entry altitude") << "TFIngresoInformacion" << "" << "Altura de la estación (metros sobre el nivel del mar)";
    QTest::newRow("entry results") << "TFIngresoInformacion" << "" << "Resultados de Evapotranspiración Potencial (mm/mes)";
    QTest::newRow("entry Penman row") << "TFIngresoInformacion" << "" << "ET(Penman/FAO)";
    QTest::newRow("entry Mostrar") << "TFIngresoInformacion" << "BMostrarG" << "&Mostrar Gráfico";
    QTest::newRow("results back") << "TGraficoETP" << "BVolverACalcular" << "Volver a Calcular Datos";
    QTest::newRow("results print") << "TGraficoETP" << "Button1" << "Imprimir Informe";
    QTest::newRow("results Cerrar") << "TGraficoETP" << "BCerrar" << "&Cerrar";
    QTest::newRow("report title") << "TForm2" << "QRTitulo" << "Resultados de Evapotranspiración Potencial (mm/mes)";
    QTest::newRow("report Thornthwaite") << "TForm2" << "QRTor" << " ET(Thornthwaite)";
    QTest::newRow("report Penman") << "TForm2" << "QRLabel47" << " ET(Penman/FAO)";
    QTest::newRow("sub-menu heading") << "TFEPotencial" << "" << "Evapotranspiración potencial por diferentes métodos";
    QTest::newRow("sub-menu data") << "TFEPotencial" << "Label2" << "- Información necesaria para los cálculos.";
    QTest::newRow("sub-menu formulas") << "TFEPotencial" << "Label6" << "- Expresiones de cálculo.";
    QTest::newRow("sub-menu entry") << "TFEPotencial" << "Label4" << "- Ingreso de información, resultados y gráficos.";
    QTest::newRow("sub-menu section") << "TFEPotencial" << "" << "Cálculo de la Evapotranspiración potencial mensual por diferentes métodos:";
    QTest::newRow("data latitude") << "TFEtpInformacion" << "" << "Latitud (en grados y minutos)";
    QTest::newRow("data Penman") << "TFEtpInformacion" << "" << "Penman/FAO";
    QTest::newRow("data back") << "TFEtpInformacion" << "BVolverIndice" << "Volver al Índice Evapotranspiración";
    QTest::newRow("formulas heading") << "TFEtpExp" << "" << "Evapotranspiración potencial  Expresiones de cálculo";
    QTest::newRow("formulas Thornthwaite") << "TFEtpExp" << "" << "ETP = 16 × (10 × tm / I )ª";
    QTest::newRow("formulas Hargreaves") << "TFEtpExp" << "" << "ETP = 0,0023 × Ra × (tmax-tmin)^0,5 × (tm+17,8) ";
    QTest::newRow("formulas Penman")
        << "TFEtpExp" << ""
        << "ETP = Δ/(Δ+γ*) × (1/λv × {Rn-G}) + γ/(Δ+γ*) × (900 × U2/{tm+273}) × (es-ea)";
    QTest::newRow("formulas where") << "TFEtpExp" << "" << " Donde:";
    QTest::newRow("formulas a") << "TFEtpExp" << "" << "Coeficiente que depende de \"I\"";
    QTest::newRow("formulas lambda") << "TFEtpExp" << "" << "λv";
    QTest::newRow("formulas entry") << "TFEtpExp" << "BCerrar" << "Ir a Ingreso de Datos";
}

void TestEtpScreens::texts()
{
    QFETCH(QString, screen);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QVERIFY(checkText(screen, name, text));
}

void TestEtpScreens::series_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("pen");

    QTest::newRow("screen Thornthwaite") << "TGraficoETP" << "Chart1" << "Series1" << "ET (Thornthwaite)" << QColor(Qt::red) << int(Qt::SolidLine);
    QTest::newRow("screen Turc") << "TGraficoETP" << "Chart1" << "Series2" << "ET (Turc) " << QColor(0, 128, 0) << int(Qt::SolidLine);
    QTest::newRow("screen Hargreaves") << "TGraficoETP" << "Chart1" << "Series3" << "ET (Hargreaves)" << QColor(128, 128, 0) << int(Qt::SolidLine);
    QTest::newRow("screen Penman") << "TGraficoETP" << "Chart1" << "Series4" << "ET (Penman-FAO)" << QColor(Qt::blue) << int(Qt::SolidLine);
    QTest::newRow("report Thornthwaite") << "TForm2" << "QRChart1" << "Series1" << "ET(Thornthwaite)" << QColor(Qt::red) << int(Qt::DashLine);
    QTest::newRow("report Turc") << "TForm2" << "QRChart1" << "Series2" << "ET(Turc)" << QColor(0, 128, 0) << int(Qt::DotLine);
    QTest::newRow("report Hargreaves") << "TForm2" << "QRChart1" << "Series3" << "ET(Hargreaves)" << QColor(255, 128, 0) << int(Qt::DashDotLine);
    QTest::newRow("report Penman") << "TForm2" << "QRChart1" << "Series4" << "ET(Penman-FAO)" << QColor(Qt::blue) << int(Qt::DashDotDotLine);
}

void TestEtpScreens::series()
{
    QFETCH(QString, screen);
    QFETCH(QString, chart);
    QFETCH(QString, series);
    QFETCH(QString, title);
    QFETCH(QColor, color);
    QFETCH(int, pen);
    TestApp app;
    auto *c = qobject_cast<Chart *>(app->screen(screen)->control(chart));
    QVERIFY(c);
    QCOMPARE(c->allSeries().size(), 4);
    ChartSeries *s = c->series(series);
    QVERIFY(s);
    QCOMPARE(s->kind(), ChartSeries::Kind::Line);
    QCOMPARE(s->title(), title);
    QCOMPARE(s->color(), color);
    QCOMPARE(int(s->penStyle()), pen);
    QVERIFY(s->points().empty());
    QCOMPARE(c->leftAxis().title, QString("Milímetros/mes"));
    QCOMPARE(c->bottomAxis().title, QString("Meses del año"));
    QVERIFY(!c->leftAxis().automaticMinimum);
    QCOMPARE(c->leftAxis().minimum, 0.0);
}

void TestEtpScreens::enterMovesToNextControl_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");

    QTest::newRow("station to first mean T") << "EEstacion" << "ETMMe1";
    QTest::newRow("along a row") << "ETMMe1" << "ETMMe2";
    QTest::newRow("end of a row") << "ETMMe12" << "ETMMa1";
    QTest::newRow("wind to altitude") << "EVV12" << "EAE";
    QTest::newRow("albedo to Calcular") << "EA" << "BCalcular";
    QTest::newRow("minutes before degrees") << "EMinutos" << "EGrados";
    QTest::newRow("degrees to hemisphere") << "EGrados" << "EHemisferio";
}

void TestEtpScreens::enterMovesToNextControl()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    TestApp app;
    app->start();
    Screen &entry = app->FIngresoInformacion();
    entry.present();
    QVERIFY(QTest::qWaitForWindowActive(&entry));
    QWidget *w = entry.control(from);
    w->setFocus();
    QCOMPARE(QApplication::focusWidget(), w);
    QTest::keyClick(w, Qt::Key_Return);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
    QCOMPARE(visibleScreens(*app).join(' '), QString("TFInicial TFIngresoInformacion"));
}

void TestEtpScreens::escapeClosesResults()
{
    TestApp app;
    app->start();
    Screen &results = app->GraficoETP();
    results.present();
    QVERIFY(QTest::qWaitForWindowActive(&results));
    QTest::keyClick(&results, Qt::Key_Escape);
    QCOMPARE(visibleScreens(*app).join(' '), QString("TFInicial"));
}

void TestEtpScreens::dataScreenIsBorderlessAtTopLeft()
{
    TestApp app;
    app->start();
    Screen &data = app->FEtpInformacion();
    data.present();
    QVERIFY(data.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!data.isMaximized());
    QCOMPARE(data.geometry(), QRect(0, 0, 792, 543));
}

void TestEtpScreens::dataTableFollowsTheGates_data()
{
    QTest::addColumn<QString>("datum");
    QTest::addColumn<QString>("stars"); // Thornthwaite, Turc, Hargreaves, Penman/FAO
    QTest::newRow("latitude") << "Latitud (en grados y minutos)" << "* * * *";
    QTest::newRow("mean T") << "Temperatura media mensual (°C)" << "* * * *";
    QTest::newRow("maxima") << "Temp. media de máximas (°C)" << "- * * *";
    QTest::newRow("minima") << "Temp. media de mínimas (°C)" << "- * * *";
    // Turc works on the heliophany and the humidity of the place, so it waits for both.
    QTest::newRow("heliophany") << "Heliofanía efectiva (hs/día)" << "- * * *";
    QTest::newRow("humidity") << "Humedad relativa (%)" << "- * * *";
    QTest::newRow("pressure") << "Presión atmosférica (hPa)" << "- - - *";
    QTest::newRow("wind") << "Velocidad del viento (Km/h)" << "- - - *";
    QTest::newRow("altitude") << "Altura de la estación (metros)" << "- - - *";
    QTest::newRow("anemometer") << "Altura del anemómetro (metros)" << "- - - *";
    QTest::newRow("albedo") << "Albedo (%)" << "- - - *";
}

void TestEtpScreens::dataTableFollowsTheGates()
{
    QFETCH(QString, datum);
    QFETCH(QString, stars);
    TestApp app;
    Screen &data = app->FEtpInformacion();
    data.ensureBuilt();
    QLabel *caption = nullptr;
    for (QLabel *l : data.findChildren<QLabel *>())
        if (l->text() == datum)
            caption = l;
    QVERIFY(caption);
    QGridLayout *table = nullptr;
    for (QGridLayout *g : data.findChildren<QGridLayout *>())
        if (g->indexOf(caption) >= 0)
            table = g;
    QVERIFY(table);
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    table->getItemPosition(table->indexOf(caption), &row, &column, &rowSpan, &columnSpan);
    // The labels in the method columns of the same row (the row's strip spans all columns).
    QStringList marks(4);
    for (int i = 0; i < table->count(); ++i) {
        int r = 0, c = 0;
        table->getItemPosition(i, &r, &c, &rowSpan, &columnSpan);
        auto *mark = qobject_cast<QLabel *>(table->itemAt(i)->widget());
        if (mark && r == row && c >= 1 && columnSpan == 1)
            marks[c - 1] = mark->text().isEmpty() ? QStringLiteral("-") : mark->text();
    }
    QCOMPARE(marks.join(' '), stars);
}

QTEST_MAIN(TestEtpScreens)
#include "tst_etpscreens.moc"
