#include "QtWarnings.h"
#include "ScreenChecks.h"
#include "TestApp.h"
#include "output/Chart.h"
#include "platform/Screen.h"

#include "output/ReportLayout.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QtTest>

using namespace verdeval;
using namespace verdeval::test;

// The water balance screen, its chart screen and its report as laid out: named controls, fixed
// texts, the capacity list, the charts' series, and where each button leads.
class TestBhcScreens : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void controls_data();
    void controls();
    void texts_data();
    void texts();
    void capacityList();
    void deltaOverStorageChange_data();
    void deltaOverStorageChange();
    void series_data();
    void series();
    void tabFollowsReadingOrder();
    void reportTitle();
};

void TestBhcScreens::controls_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("name"); // a prefix when count > 0
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("kind");

    for (const char *name : {"EEstacion", "EGrados", "EMinutos", "EHemisferio", "EPPT", "ETT"})
        QTest::newRow(qPrintable(QString("balance ") + name)) << "TFBHC" << name << 0 << "box";
    QTest::newRow("balance EPP") << "TFBHC" << "EPP" << 12 << "box";
    QTest::newRow("balance ET") << "TFBHC" << "ET" << 12 << "box";
    QTest::newRow("balance ECC") << "TFBHC" << "ECC" << 0 << "combo";
    for (const char *prefix : {"EEP", "EDP", "EAL", "EDAL", "EER", "EDE", "EEX"}) {
        QTest::newRow(qPrintable(QString("balance ") + prefix)) << "TFBHC" << prefix << 12 << "cell";
        QTest::newRow(qPrintable(QString("balance ") + prefix + "T")) << "TFBHC" << QString(prefix) + "T" << 0 << "cell";
        QTest::newRow(qPrintable(QString("report ") + prefix)) << "TForm5" << prefix << 12 << "cell";
    }
    for (const char *name : {"BVolverAlIndice", "BCalcular", "BCerrar", "BGraficos", "BImprimir"})
        QTest::newRow(qPrintable(QString("balance ") + name)) << "TFBHC" << name << 0 << "button";
    QTest::newRow("balance Panel1") << "TFBHC" << "Panel1" << 0 << "bar";
    QTest::newRow("balance Panel2") << "TFBHC" << "Panel2" << 0 << "bar";

    QTest::newRow("charts Chart1") << "TFBHCGraf" << "Chart1" << 0 << "chart";
    QTest::newRow("charts Chart2") << "TFBHCGraf" << "Chart2" << 0 << "chart";
    QTest::newRow("charts BVolver") << "TFBHCGraf" << "BVolver" << 0 << "button";
    QTest::newRow("charts BSalir") << "TFBHCGraf" << "BSalir" << 0 << "button";

    QTest::newRow("report QRTitulo") << "TForm5" << "QRTitulo" << 0 << "label";
    QTest::newRow("report Meses") << "TForm5" << "Meses" << 0 << "bar";
    QTest::newRow("report QRChart1") << "TForm5" << "QRChart1" << 0 << "chart";
    QTest::newRow("report QRChart2") << "TForm5" << "QRChart2" << 0 << "chart";
}

void TestBhcScreens::controls()
{
    QFETCH(QString, screen);
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(QString, kind);
    QVERIFY(checkControls(screen, name, count, kind));
    // The report has no annual column.
    if (screen == "TForm5" && count == 12) {
        TestApp app;
        QVERIFY(!app->screen(screen)->control(name + "T"));
    }
}

void TestBhcScreens::texts_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("name"); // empty: any label or button of the screen
    QTest::addColumn<QString>("text");

    QTest::newRow("balance capacity") << "TFBHC" << "" << "Capacidad de Campo:";
    QTest::newRow("balance results") << "TFBHC" << "" << "Resultados del Balance Hidrológico Climático";
    QTest::newRow("balance P-ETP") << "TFBHC" << "" << "Precipitación-Evapotranspiración";
    QTest::newRow("balance storage") << "TFBHC" << "" << "Almacenaje";
    QTest::newRow("balance storage change") << "TFBHC" << "" << "   Almacenaje";
    QTest::newRow("balance annual") << "TFBHC" << "" << "Anual";
    QTest::newRow("balance charts") << "TFBHC" << "BGraficos" << "Ver Gráficos";
    QTest::newRow("balance print") << "TFBHC" << "BImprimir" << "Imprimir Informe";
    QTest::newRow("charts back") << "TFBHCGraf" << "BVolver" << "&Volver";
    QTest::newRow("charts exit") << "TFBHCGraf" << "BSalir" << "&Salir";
    QTest::newRow("report title") << "TForm5" << "QRTitulo" << "Resultados del Balance Hidrológico Climático";
    QTest::newRow("report P-ETP") << "TForm5" << "" << "Precip.-Evapotranspiración";
    QTest::newRow("report storage") << "TForm5" << "" << "Almacenaje";
    QTest::newRow("report storage change") << "TForm5" << "" << "    Almacenaje";
}

void TestBhcScreens::texts()
{
    QFETCH(QString, screen);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QVERIFY(checkText(screen, name, text));
}

void TestBhcScreens::capacityList()
{
    TestApp app;
    auto *ecc = qobject_cast<QComboBox *>(app->screen("TFBHC")->control("ECC"));
    QVERIFY(ecc);
    QVERIFY(ecc->isEditable());
    QCOMPARE(ecc->currentText(), QString("200"));
    QStringList items;
    for (int i = 0; i < ecc->count(); ++i)
        items << ecc->itemText(i);
    QStringList expected;
    for (int mm = 50; mm <= 290; mm += 10)
        expected << QString::number(mm) + ' ';
    expected << "300" << "";
    QCOMPARE(items, expected);
    QCOMPARE(items.first(), QString("50 "));
}

void TestBhcScreens::deltaOverStorageChange_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::newRow("screen") << "TFBHC" << "   Almacenaje";
    QTest::newRow("report") << "TForm5" << "    Almacenaje";
}

void TestBhcScreens::deltaOverStorageChange()
{
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    TestApp app;
    app->screen(screen)->ensureBuilt();
    const auto labels = app->screen(screen)->findChildren<QLabel *>();
    const QLabel *delta = nullptr;
    for (const QLabel *l : labels)
        if (l->text() == QString("Δ"))
            delta = l;
    QVERIFY(delta);
    QVERIFY(QFontMetrics(delta->font()).inFont(QChar(0x0394)));
    // The delta is a label of its own, laid over the start of the caption.
    auto *under = qobject_cast<QLabel *>(delta->parentWidget());
    QVERIFY(under);
    QCOMPARE(under->text(), caption);
}

void TestBhcScreens::series_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("bars");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("width"); // bar width in percent, or pen width

    const QColor lime(0x00, 0xFF, 0x00), red(0xFF, 0, 0), blue(0, 0, 0xFF);
    QTest::newRow("screen P") << "TFBHCGraf" << "Chart1" << "Series1" << "Precipitación Media Mensual" << true << lime << 20;
    QTest::newRow("screen EP") << "TFBHCGraf" << "Chart1" << "Series2" << "EP" << false << red << 1;
    QTest::newRow("screen ER") << "TFBHCGraf" << "Chart1" << "Series3" << "ER" << false << blue << 1;
    QTest::newRow("screen SH") << "TFBHCGraf" << "Chart1" << "Series4" << "Situación Hídrica" << false << QColor(0x00, 0x80, 0x80) << 1;
    QTest::newRow("screen SE") << "TFBHCGraf" << "Chart2" << "Series5" << "Almacenaje más Exceso" << false << lime << 1;
    QTest::newRow("screen CC") << "TFBHCGraf" << "Chart2" << "Series6" << "Capacidad de Campo" << false << blue << 1;
    QTest::newRow("screen PM") << "TFBHCGraf" << "Chart2" << "Series7" << "Punto de Marchitez" << false << red << 1;
    QTest::newRow("screen SC") << "TFBHCGraf" << "Chart2" << "Series8" << "Sequía Condicional" << false << QColor(0x40, 0x80, 0x80) << 2;
    QTest::newRow("report P") << "TForm5" << "QRChart1" << "Series1" << "Precipitación Media Mensual" << true << lime << 15;
    QTest::newRow("report EP") << "TForm5" << "QRChart1" << "Series2" << "EP" << false << QColor(0x00, 0x80, 0x00) << 1;
    QTest::newRow("report ER") << "TForm5" << "QRChart1" << "Series3" << "ER" << false << QColor(0xFF, 0x80, 0x00) << 1;
    QTest::newRow("report SH") << "TForm5" << "QRChart1" << "Series4" << "Situación Hídrica" << false << blue << 1;
    QTest::newRow("report SE") << "TForm5" << "QRChart2" << "Series5" << "Almacenaje más Exceso" << false << red << 1;
    QTest::newRow("report CC") << "TForm5" << "QRChart2" << "Series6" << "Capacidad de Campo" << false << QColor(0x00, 0x00, 0xA0) << 2;
    QTest::newRow("report PM") << "TForm5" << "QRChart2" << "Series7" << "Punto de Marchitez" << false << red << 1;
    QTest::newRow("report SC") << "TForm5" << "QRChart2" << "Series8" << "Sequía Condicional" << false << blue << 1;
}

void TestBhcScreens::series()
{
    QFETCH(QString, screen);
    QFETCH(QString, chart);
    QFETCH(QString, series);
    QFETCH(QString, title);
    QFETCH(bool, bars);
    QFETCH(QColor, color);
    QFETCH(int, width);
    TestApp app;
    auto *c = qobject_cast<Chart *>(app->screen(screen)->control(chart));
    QVERIFY(c);
    QCOMPARE(c->allSeries().size(), 4);
    ChartSeries *s = c->series(series);
    QVERIFY(s);
    QCOMPARE(s->title(), title);
    QCOMPARE(s->kind() == ChartSeries::Kind::Bar, bars);
    QCOMPARE(s->color(), color);
    QCOMPARE(bars ? s->barWidthPercent() : s->width(), width);
    QVERIFY(!s->pointMarkers());
    QCOMPARE(c->bottomAxis().title, QString("Meses"));
    QCOMPARE(c->leftAxis().title, QString("Milímetros"));
}

void TestBhcScreens::tabFollowsReadingOrder()
{
    TestApp app;
    app->start();
    Screen &s = *app->screen("TFBHC");
    s.present();
    QVERIFY(QTest::qWaitForWindowActive(&s));
    s.control("EEstacion")->setFocus();
    QStringList expected{"EGrados", "EMinutos", "EHemisferio", "ECC"};
    for (const char *prefix : {"EPP", "ET"})
        for (int m = 1; m <= 12; ++m)
            expected << QString(prefix) + QString::number(m);
    expected << "BVolverAlIndice" << "BCalcular" << "BCerrar" << "BGraficos" << "BImprimir";
    QStringList visited;
    for (int k = 0; k < expected.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *w = QApplication::focusWidget();
        QVERIFY(w);
        // The capacity list takes the focus in its edit line.
        visited << (w->objectName().isEmpty() && w->parentWidget() ? w->parentWidget()->objectName() : w->objectName());
    }
    QCOMPARE(visited, expected);
}

void TestBhcScreens::reportTitle()
{
    TestApp app;
    auto *report = qobject_cast<ReportLayout *>(app->screen("TForm5"));
    QVERIFY(report);
    QCOMPARE(report->documentTitle(), QString("Balance Hidrológico Climático"));
}

QTEST_MAIN(TestBhcScreens)
#include "tst_bhcscreens.moc"
