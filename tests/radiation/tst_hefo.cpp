#include "QtWarnings.h"
#include "PdfText.h"
#include "TestApp.h"
#include "output/Chart.h"
#include "platform/core/NumberText.h"
#include "radiation/UnitHeFo.h"
#include "radiation/UnitReporteHelofania.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace verdeval;

namespace {

// Heliophany and photoperiod rows of the sixteen dates.
const QString kNSur = QStringLiteral("9.7 9.9 10.7 11.7 12.0 12.8 13.8 14.3 14.3 14.1 13.2 12.2 12.0 11.1 10.2 9.7");
const QString kPSur = QStringLiteral("10.8 11.0 11.7 12.7 13.0 13.8 14.9 15.4 15.5 15.2 14.2 13.2 13.0 12.1 11.2 10.8");
const QString kNEcuador = QStringLiteral("12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0 12.0");
const QString kPEcuador = QStringLiteral("12.9 12.9 12.8 12.8 12.8 12.8 12.8 12.9 12.9 12.9 12.8 12.8 12.8 12.8 12.8 12.9");
const QString kN60 = QStringLiteral("18.5 17.8 15.5 12.7 12.0 9.9 7.2 5.6 5.5 6.4 8.9 11.5 12.0 14.4 16.9 18.4");
const QString kP60 = QStringLiteral("22.4 20.8 17.5 14.4 13.6 11.6 9.1 7.8 7.8 8.4 10.6 13.1 13.6 16.2 19.3 22.3");
const QString kN6033 = QStringLiteral("18.7 17.9 15.6 12.7 12.0 9.9 7.1 5.4 5.3 6.2 8.8 11.5 12.0 14.4 17.0 18.6");
const QString kP6033 = QStringLiteral("24.0 21.1 17.6 14.4 13.6 11.6 9.1 7.7 7.7 8.3 10.6 13.1 13.6 16.3 19.6 23.3");
const QString kN6034 = QStringLiteral("18.7 18.0 15.6 12.7 12.0 9.9 7.1 5.4 5.3 6.2 8.8 11.5 12.0 14.4 17.0 18.6");
const QString kTitulo = QStringLiteral("Marcha anual de la Heliofanía Astronómica y el Fotoperíodo");

QString heliofania(const Screen &s) { return test::row(s, QStringLiteral("ERG"), 16); }
QString fotoperiodo(const Screen &s) { return test::row(s, QStringLiteral("ERA"), 16); }

// A chart line as drawn: the first point (15 June) then the row of the sixteen dates.
QString line(const ChartSeries *series)
{
    QStringList out;
    for (const ChartSeries::Point &p : series->points())
        out << floatToStrF(p.y, 1);
    return out.join(QLatin1Char(' '));
}
QString lineOf(const QString &row) { return row.section(QLatin1Char(' '), -1) + QLatin1Char(' ') + row; }
QString flat(const QString &value) { return QStringList(17, value).join(QLatin1Char(' ')); }

struct PantallaHeFo {
    test::TestApp app;
    TFHeFo &screen = app->FHeFo();

    PantallaHeFo() { screen.present(); }

    void place(const QString &station, const QString &grados, const QString &minutos, const QString &hemisferio,
               const QString &umbral)
    {
        screen.setText(QStringLiteral("EEstacion"), station);
        screen.setText(QStringLiteral("EGrados"), grados);
        screen.setText(QStringLiteral("EMinutos"), minutos);
        screen.setText(QStringLiteral("EHemisferio"), hemisferio);
        screen.setText(QStringLiteral("EHE"), umbral);
    }
    [[nodiscard]] bool calcular() { return test::click(screen, QStringLiteral("BCalcular")); }
    ChartSeries *series(int k) const { return screen.Chart1().series(QStringLiteral("Series%1").arg(k)); }
    // The three lines: heliophany / photoperiod / threshold.
    QString lines() const { return line(series(1)) + " / " + line(series(2)) + " / " + line(series(3)); }
};

} // namespace

class TestHeFo : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void calculates_data();
    void calculates();
    void thresholdDrawsAStraightLine();
    void failures_data();
    void failures();
    void closingEmptiesThresholdRowsAndChart();
    void reportCarriesTheScreen();
};

void TestHeFo::calculates_data()
{
    QTest::addColumn<QString>("grados");
    QTest::addColumn<QString>("minutos");
    QTest::addColumn<QString>("hemisferio");
    QTest::addColumn<QString>("erg");
    QTest::addColumn<QString>("era");
    QTest::newRow("34°35' S") << "34" << "35" << "S" << kNSur << kPSur;
    QTest::newRow("0°0' N") << "0" << "0" << "N" << kNEcuador << kPEcuador;
    QTest::newRow("60°0' N") << "60" << "0" << "N" << kN60 << kP60;
    QTest::newRow("60°33' N, degrees 60 pass whatever the minutes") << "60" << "33" << "N" << kN6033 << kP6033;
}

void TestHeFo::calculates()
{
    QFETCH(QString, grados);
    QFETCH(QString, minutos);
    QFETCH(QString, hemisferio);
    QFETCH(QString, erg);
    QFETCH(QString, era);
    PantallaHeFo h;
    h.place(QStringLiteral("Azul"), grados, minutos, hemisferio, QStringLiteral("12"));
    QVERIFY(h.calcular());
    QCOMPARE(h.app.dialogs->texts(), QStringList());
    QCOMPARE(heliofania(h.screen), erg);
    QCOMPARE(fotoperiodo(h.screen), era);
    QCOMPARE(h.lines(), lineOf(erg) + " / " + lineOf(era) + " / " + flat("12.0"));
}

void TestHeFo::thresholdDrawsAStraightLine()
{
    PantallaHeFo h;
    h.place(QStringLiteral("Azul"), QStringLiteral("34"), QStringLiteral("35"), QStringLiteral("S"), QStringLiteral("12"));
    QVERIFY(h.calcular());
    QCOMPARE(h.screen.Chart1().titleLines(), QStringList{kTitulo});
    QCOMPARE(h.series(3)->describe(), "166:12 172:12 196:12 227:12 258:12 265.77:12 288:12 319:12 349:12 355:12 380:12 "
                                      "411:12 439:12 444.35:12 470:12 500:12 531:12");
    const QSizeF size(1100, 420);
    const QList<QPointF> drawn = h.screen.Chart1().drawnPoints(h.series(3), size);
    const QRectF plot = h.screen.Chart1().plotArea(size);
    QCOMPARE(drawn.first().x(), plot.left());
    QCOMPARE(drawn.last().x(), plot.right());
    for (const QPointF &p : drawn)
        QCOMPARE(p.y(), drawn.first().y());
    // Hours 4 to 22 on the left axis.
    const QStringList hours = h.screen.Chart1().axisLabels(Chart::AxisId::Left, QSizeF(1100, 700));
    QCOMPARE(hours.first() + ".." + hours.last(), "4..22");
}

void TestHeFo::failures_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("erg");
    QTest::addColumn<QString>("era");
    QTest::addColumn<QString>("lines");
    // After a calculation at 34°35' S with threshold 12, the place becomes 60°0' N with
    // threshold 10 and one fault. The threshold line tells whether the chart was refilled.
    const QString sur = lineOf(kNSur) + " / " + lineOf(kPSur) + " / " + flat("12.0");
    QTest::newRow("threshold empty") << "EHE" << "" << "ATENCIÓN | Debe ingresar un umbral. | OK" << kNSur << kPSur
                                     << sur;
    QTest::newRow("degrees 61") << "EGrados" << "61" << "ATENCIÓN | La Latitud debe ser menor o igual a 60 grados. | OK"
                                << kNSur << kPSur << sur;
    QTest::newRow("degrees empty") << "EGrados" << "" << "Verdeval | '' is not a valid floating point value. | OK"
                                   << kNSur << kPSur << sur;
    QTest::newRow("minutes not a number") << "EMinutos" << "x" << "Verdeval | 'x' is not a valid floating point value. | OK"
                                          << kNSur << kPSur << sur;
    QTest::newRow("60°34' N, sun never 6° below")
        << "EMinutos" << "34" << "Verdeval | Invalid floating point operation. | OK" << kN6034 << kPSur << sur;
    QTest::newRow("threshold not a number") << "EHE" << "doce"
                                            << "Verdeval | 'doce' is not a valid floating point value. | OK" << kN60
                                            << kP60 << sur;
    QTest::newRow("hemisphere Sur")
        << "EHemisferio" << "Sur" << "Verdeval | En Hemisferio debe colocar N para el Norte o S para el Sur | Yes/No"
        << kNSur << kPSur << lineOf(kNSur) + " / " + lineOf(kPSur) + " / " + flat("10.0");
    QTest::newRow("degrees -70 pass the test, no sunset") << "EGrados" << "-70"
                                                          << "Verdeval | Invalid floating point operation. | OK"
                                                          << kNSur << kPSur << sur;
}

void TestHeFo::failures()
{
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(QString, dialog);
    QFETCH(QString, erg);
    QFETCH(QString, era);
    QFETCH(QString, lines);
    PantallaHeFo h;
    h.place(QStringLiteral("Azul"), QStringLiteral("34"), QStringLiteral("35"), QStringLiteral("S"), QStringLiteral("12"));
    QVERIFY(h.calcular());
    h.place(QStringLiteral("Tandil"), QStringLiteral("60"), QStringLiteral("0"), QStringLiteral("N"), QStringLiteral("10"));
    h.screen.setText(box, value);
    QVERIFY(h.calcular());

    QStringList shown;
    for (const test::ShownDialog &d : h.app.dialogs->shown)
        shown << d.describe();
    QCOMPARE(shown, QStringList{dialog});
    QCOMPARE(heliofania(h.screen), erg);
    QCOMPARE(fotoperiodo(h.screen), era);
    QCOMPARE(h.lines(), lines);
}

void TestHeFo::closingEmptiesThresholdRowsAndChart()
{
    PantallaHeFo h;
    h.place(QStringLiteral("Azul"), QStringLiteral("34"), QStringLiteral("35"), QStringLiteral("S"), QStringLiteral("12"));
    QVERIFY(h.calcular());
    h.screen.closeScreen();
    h.screen.present();
    QCOMPARE(h.screen.text(QStringLiteral("EHE")), QString());
    QCOMPARE(heliofania(h.screen) + fotoperiodo(h.screen), QString(30, QLatin1Char(' ')));
    QCOMPARE(h.series(1)->describe() + h.series(2)->describe() + h.series(3)->describe(), QString());
    QCOMPARE(h.screen.Chart1().titleLines(), QStringList());
    QCOMPARE(h.screen.text(QStringLiteral("EEstacion")) + " " + h.screen.text(QStringLiteral("EGrados")), "Azul 34");
    // A threshold must be typed again.
    QVERIFY(h.calcular());
    QCOMPARE(h.app.dialogs->last().text, "Debe ingresar un umbral.");
}

void TestHeFo::reportCarriesTheScreen()
{
    if (!test::havePdfTools())
        QSKIP("poppler tools (pdftotext, pdfimages, pdfinfo) are not installed");
    QTemporaryDir dir;
    PantallaHeFo h;
    QStringList printed;
    h.app.dialogs->onPreview = [&](Printable &report) {
        const QString path = dir.filePath(QStringLiteral("hefo%1.pdf").arg(printed.size()));
        QVERIFY(static_cast<ReportLayout &>(report).renderToPdf(path));
        const QStringList lines = test::pdfLines(path);
        printed << test::pdfLine(path, QStringLiteral("Heliofanía ")) + " / " + test::pdfLine(path, QStringLiteral("Fotoperíodo "))
                       + " / " + (lines.contains(h.screen.text(QStringLiteral("EEstacion"))) ? "title" : "no title");
    };
    h.place(QStringLiteral("Azul"), QStringLiteral("34"), QStringLiteral("35"), QStringLiteral("S"), QStringLiteral("12"));
    QVERIFY(h.calcular());
    QVERIFY(test::click(h.screen, QStringLiteral("BImprimirInforme")));
    QVERIFY(test::click(h.screen, QStringLiteral("BImprimirInforme")));
    h.place(QStringLiteral("Quito"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("N"), QStringLiteral("12"));
    QVERIFY(h.calcular());
    QVERIFY(test::click(h.screen, QStringLiteral("BImprimirInforme")));

    const QString sur = "Heliofanía " + kNSur + " / Fotoperíodo " + kPSur + " / title";
    QCOMPARE(printed, (QStringList{sur, sur, "Heliofanía " + kNEcuador + " / Fotoperíodo " + kPEcuador + " / title"}));
    QCOMPARE(h.app.dialogs->last().caption, "Heliofanía Astronómica y Fotoperíodo");
    Chart &chart = h.app->Form3().QRChart1();
    QCOMPARE(chart.titleLines(), QStringList{"Quito"});
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(chart.series(QStringLiteral("Series%1").arg(k))->describe(), h.series(k)->describe());
}

QTEST_MAIN(TestHeFo)
#include "tst_hefo.moc"
