#include "QtWarnings.h"
#include "PdfText.h"
#include "TestApp.h"
#include "app/Unit1.h"
#include "output/Chart.h"
#include "platform/Widgets.h"
#include "platform/core/NumberText.h"
#include "thermal/UnitReporteSumaT.h"
#include "thermal/UnitSumaTemp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace verdeval;

namespace {

// Eleven to twenty-two degrees from January to December: every month differs.
const QString kTemperaturas = QStringLiteral("11 12 13 14 15 16 17 18 19 20 21 22");
const QString kSobreSiete = QStringLiteral("124 140 186 210 248 270 310 341 360 403 420 465");
const QString kSobreCero = QStringLiteral("341 336 403 420 465 480 527 558 570 620 630 682");
const QString kSobreDiez = QStringLiteral("31 56 93 120 155 180 217 248 270 310 330 372");
const QString kSobreQuince = QStringLiteral("0 0 0 0 0 30 62 93 120 155 180 217");
const QStringList kPrefijos{"EEP", "EDP", "EAL", "EDAL"};

// The points of a series as drawn, "label:y" joined by blanks.
QString puntos(const ChartSeries *s)
{
    QStringList out;
    for (const ChartSeries::Point &p : s->points())
        out << p.label + QLatin1Char(':') + floatToStr(p.y);
    return out.join(QLatin1Char(' '));
}

// A row of January-to-December values as the chart draws it, July first.
QString julioAJunio(const QString &fila)
{
    const QStringList v = fila.split(QLatin1Char(' '));
    QStringList out;
    for (int k = 0; k < 12; ++k)
        out << kit::monthsJulJun.at(k) + QLatin1Char(':') + v.at((k + 6) % 12);
    return out.join(QLatin1Char(' '));
}

struct PantallaST {
    test::TestApp app;
    TFST &screen = app->FST();

    PantallaST()
    {
        screen.present();
        screen.setText(QStringLiteral("EEstacion"), QStringLiteral("Azul"));
        screen.setText(QStringLiteral("EGrados"), QStringLiteral("36"));
        screen.setText(QStringLiteral("EMinutos"), QStringLiteral("45"));
        screen.setText(QStringLiteral("EHemisferio"), QStringLiteral("S"));
        test::fillRow(screen, QStringLiteral("ET"), kTemperaturas);
    }
    // The four rows, each with its hidden annual sum, and the two seasonal sums.
    QString results() const
    {
        QStringList out;
        for (const QString &p : kPrefijos)
            out << test::row(screen, p) + " | " + screen.text(p + QLatin1Char('T'));
        out << screen.text(QStringLiteral("EHFT")) + " " + screen.text(QStringLiteral("EHFC"));
        return out.join(QStringLiteral(" / "));
    }
    QString lines() const
    {
        QStringList out;
        for (ChartSeries *s : screen.Chart1().allSeries())
            out << puntos(s);
        return out.join(QStringLiteral(" / "));
    }
    QString title() const { return screen.Chart1().titleLines().join(QLatin1Char('|')); }
};

const QString kResultados = kSobreSiete + " | 3477 / " + kSobreCero + " | 6032 / " + kSobreDiez + " | 2382 / "
                            + kSobreQuince + " | 857 / 2569 1738";
const QString kFilaVacia = QString(11, QLatin1Char(' ')) + " | ";
const QString kVacios = QStringList{kFilaVacia, kFilaVacia, kFilaVacia, kFilaVacia, " "}.join(" / ");
const QString kLineas = julioAJunio(kSobreSiete) + " / " + julioAJunio(kSobreCero) + " / " + julioAJunio(kSobreDiez)
                        + " / " + julioAJunio(kSobreQuince);

} // namespace

// The temperature sum screen: its rows, its chart July to June, the activation that empties the
// rows but keeps the chart, what stops a calculation, the report, and its fit in a small window.
class TestSumaTemp : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void calculatesAndDraws();
    void failures_data();
    void failures();
    void activationEmptiesTheRowsOnly();
    void report();
    void fitsWithoutScrolling_data();
    void fitsWithoutScrolling();
};

void TestSumaTemp::calculatesAndDraws()
{
    PantallaST s;
    QCOMPARE(s.screen.text(QStringLiteral("ETB")), "7");
    QVERIFY(test::click(s.screen, QStringLiteral("BCalcular")));
    QCOMPARE(s.app.dialogs->shown.size(), 0);
    QCOMPARE(s.results(), kResultados);
    QCOMPARE(s.lines(), kLineas);
    QCOMPARE(s.title(), "Azul");
    for (ChartSeries *series : s.screen.Chart1().allSeries())
        QVERIFY(!series->marksVisible());
    QCOMPARE(s.screen.Chart1().axisLabels(Chart::AxisId::Bottom, QSizeF(1000, 300)),
             kit::monthsJulJun);
}

void TestSumaTemp::failures_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("recalculated");
    // After a calculation, the place becomes Tandil at 0 °C everywhere with one fault. The
    // chart title tells whether the chart was redrawn.
    QTest::newRow("hemisphere Sur, goes on")
        << "EHemisferio" << "Sur" << "Verdeval | En Hemisferio debe colocar N para el Norte o S para el Sur | Yes/No"
        << true;
    QTest::newRow("minutes empty") << "EMinutos" << "" << "Verdeval | '' is not a valid floating point value. | OK"
                                   << false;
    QTest::newRow("December not a number") << "ET12" << "22°" << "Verdeval | '22°' is not a valid floating point value. | OK"
                                           << false;
    QTest::newRow("base empty") << "ETB" << "" << "Verdeval | '' is not a valid floating point value. | OK" << false;
}

void TestSumaTemp::failures()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, dialog);
    QFETCH(bool, recalculated);
    PantallaST s;
    QVERIFY(test::click(s.screen, QStringLiteral("BCalcular")));
    s.screen.setText(QStringLiteral("EEstacion"), QStringLiteral("Tandil"));
    test::fillRow(s.screen, QStringLiteral("ET"), QStringLiteral("0 0 0 0 0 0 0 0 0 0 0 0"));
    s.screen.setText(box, text);
    QVERIFY(test::click(s.screen, QStringLiteral("BCalcular")));
    QStringList shown;
    for (const test::ShownDialog &d : s.app.dialogs->shown)
        shown << d.describe();
    QCOMPARE(shown, QStringList{dialog});
    if (recalculated) {
        // The hemisphere dialog took the activation, which emptied the rows; the calculation
        // then wrote them again.
        QCOMPARE(s.title(), "Tandil");
        QCOMPARE(test::row(s.screen, QStringLiteral("EDP")), "0 0 0 0 0 0 0 0 0 0 0 0");
        QCOMPARE(s.screen.text(QStringLiteral("EHFC")), "0");
    } else {
        QCOMPARE(s.title(), "Azul");
        QCOMPARE(s.results(), kResultados);
        QCOMPARE(s.lines(), kLineas);
    }
}

void TestSumaTemp::activationEmptiesTheRowsOnly()
{
    PantallaST s;
    s.screen.setText(QStringLiteral("ETB"), QStringLiteral("7.0"));
    QVERIFY(test::click(s.screen, QStringLiteral("BCalcular")));

    // Closing the preview activates the screen again: the rows are emptied, the chart stays,
    // so a second report has empty cells under a full chart.
    QVERIFY(test::click(s.screen, QStringLiteral("BImprimir")));
    TForm6 &report = s.app->Form6();
    QCOMPARE(test::row(report, QStringLiteral("EDAL")), kSobreQuince);
    QCOMPARE(s.results(), kVacios);
    QCOMPARE(s.lines(), kLineas);
    QVERIFY(test::click(s.screen, QStringLiteral("BImprimir")));
    QCOMPARE(test::row(report, QStringLiteral("EDAL")), QString(11, QLatin1Char(' ')));
    QCOMPARE(puntos(report.QRChart1().series(QStringLiteral("Series8"))), julioAJunio(kSobreQuince));

    // Back from the index with another place: empty rows, the old curves, the base as typed.
    TFIndice &index = s.app->FIndice();
    TDatosLocalidad place;
    test::setPlace(place, QStringLiteral("Bariloche|41|9|S|71|10|836"));
    place.T.assign(QStringLiteral("15 14.6 12.1 8.4 5.3 2.8 2.1 3.2 5.3 8.2 11.1 13.7").split(QLatin1Char(' ')));
    index.setPlace(place);
    QVERIFY(test::click(s.screen, QStringLiteral("BCalcular")));
    QVERIFY(test::click(s.screen, QStringLiteral("BVolverAlIndice")));
    QVERIFY(test::click(index, QStringLiteral("Label5")));
    QVERIFY(s.screen.isVisible());
    QCOMPARE(test::row(s.screen, QStringLiteral("ET")), "15 14.6 12.1 8.4 5.3 2.8 2.1 3.2 5.3 8.2 11.1 13.7");
    QCOMPARE(s.screen.text(QStringLiteral("ETB")), "7.0");
    QCOMPARE(s.results(), kVacios);
    QCOMPARE(s.title(), "Azul");
    QCOMPARE(s.lines(), kLineas);
}

void TestSumaTemp::report()
{
    if (!test::havePdfTools())
        QSKIP("poppler tools (pdftotext, pdfimages, pdfinfo) are not installed");
    QTemporaryDir dir;
    PantallaST s;
    QStringList printed;
    s.app.dialogs->onPreview = [&](Printable &p) {
        auto &page = static_cast<ReportLayout &>(p);
        QVERIFY(page.fitsPage());
        const QString path = dir.filePath(QStringLiteral("suma.pdf"));
        QVERIFY(page.renderToPdf(path));
        for (const char *start : {"Resultados Suma de Temperatura", "Ene", "Grados Días", "Gd sobre 0º",
                                  "Gd sobre 10º", "Gd sobre 15º"})
            printed << test::pdfLine(path, QString::fromUtf8(start));
        printed << (test::pdfLines(path).contains(QStringLiteral("Azul")) ? "station shown" : "no station");
        QCOMPARE(test::pdfImageCount(path), 0);
    };
    QVERIFY(test::click(s.screen, QStringLiteral("BCalcular")));
    QVERIFY(test::click(s.screen, QStringLiteral("BImprimir")));
    QCOMPARE(printed, (QStringList{"Resultados Suma de Temperatura", "Ene Feb Mar Abr May Jun Jul Ago Sep Oct Nov Dic",
                                   "Grados Días " + kSobreSiete, "Gd sobre 0º " + kSobreCero,
                                   "Gd sobre 10º " + kSobreDiez, "Gd sobre 15º " + kSobreQuince, "station shown"}));
    QCOMPARE(s.app.dialogs->last().caption, "Suma de Temperatura");
    Chart &chart = s.app->Form6().QRChart1();
    QCOMPARE(chart.titleLines(), QStringList{"Azul"});
    QStringList lines;
    for (const char *name : {"Series5", "Series6", "Series7", "Series8"})
        lines << puntos(chart.series(QString::fromLatin1(name)));
    QCOMPARE(lines.join(QStringLiteral(" / ")), kLineas);
}

void TestSumaTemp::fitsWithoutScrolling_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("1024x600") << QSize(1024, 600);
    QTest::newRow("1366x768") << QSize(1366, 768);
}

void TestSumaTemp::fitsWithoutScrolling()
{
    QFETCH(QSize, size);
    PantallaST s;
    QVERIFY(test::click(s.screen, QStringLiteral("BCalcular")));
    s.screen.setWindowState(Qt::WindowNoState);
    s.screen.resize(size);
    QApplication::processEvents();
    auto *scroll = s.screen.findChild<QScrollArea *>();
    QVERIFY(scroll);
    QCOMPARE(scroll->verticalScrollBar()->maximum(), 0);
    QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
    // The chart keeps a readable plot.
    QVERIFY(s.screen.Chart1().plotArea().height() >= 100);
}

QTEST_MAIN(TestSumaTemp)
#include "tst_sumatemp.moc"
