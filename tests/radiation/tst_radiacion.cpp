#include "QtWarnings.h"
#include "PdfText.h"
#include "TestApp.h"
#include "output/Chart.h"
#include "platform/core/NumberText.h"
#include "radiation/UnitIngresoInformacionRadiacion.h"
#include "radiation/UnitReporteRadiacion.h"

#include <QTemporaryDir>
#include <QtTest>
#include <clocale>

using namespace verdeval;

namespace {

// The rows of 34°35' S with seven hours of sunshine in every month, and of the equator.
const QString kRaSur = QStringLiteral("386 414 526 695 741 865 993 1048 1050 1026 925 778 746 596 455 388");
const QString kRgSur = QStringLiteral("236 285 354 416 456 471 466 436 386 314 254 224");
const QString kRaEcuador = QStringLiteral("815 826 864 897 900 896 865 843 842 856 891 908 906 887 845 816");
const QString kRgEcuador = QStringLiteral("414 433 449 449 433 422 429 446 455 444 423 409");
const QString kSiete = QStringLiteral("7.0 7.0 7.0 7.0 7.0 7.0 7.0 7.0 7.0 7.0 7.0 7.0");

QString ra(const Screen &s) { return test::row(s, QStringLiteral("ERA"), 16); }
QString rg(const Screen &s) { return test::row(s, QStringLiteral("ERG"), 12); }

// A line of the chart as it is drawn: the Y of each point, whole numbers.
QString line(const ChartSeries *series)
{
    QStringList out;
    for (const ChartSeries::Point &p : series->points())
        out << floatToStrF(p.y, 0);
    return out.join(QLatin1Char(' '));
}

QString positions(const ChartSeries *series)
{
    QStringList out;
    for (const ChartSeries::Point &p : series->points())
        out << floatToStr(p.x);
    return out.join(QLatin1Char(' '));
}

struct PantallaRadiacion {
    test::TestApp app;
    TFIngresoInformacionRadiacion &screen = app->FIngresoInformacionRadiacion();

    PantallaRadiacion() { screen.present(); }

    void place(const QString &station, const QString &grados, const QString &minutos, const QString &hemisferio)
    {
        screen.setText(QStringLiteral("EEstacion"), station);
        screen.setText(QStringLiteral("EGrados"), grados);
        screen.setText(QStringLiteral("EMinutos"), minutos);
        screen.setText(QStringLiteral("EHemisferio"), hemisferio);
    }
    [[nodiscard]] bool calcular() { return test::click(screen, QStringLiteral("BCalcular")); }
    ChartSeries *global() const { return screen.Chart1().series(QStringLiteral("Series1")); }
    ChartSeries *astronomica() const { return screen.Chart1().series(QStringLiteral("Series2")); }
    QString title() const { return screen.Chart1().titleLines().join(QLatin1Char('|')); }
};

} // namespace

class TestRadiacion : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void calculates_data();
    void calculates();
    void chartRunsFromJuneToJune();
    void failures_data();
    void failures();
    void firstCalculationWithoutHeliophany();
    void closingEmptiesCellsAndChart();
    void reportCarriesTheScreen();
    void commaLocaleKeepsThePoint();
};

void TestRadiacion::calculates_data()
{
    QTest::addColumn<QString>("grados");
    QTest::addColumn<QString>("minutos");
    QTest::addColumn<QString>("hemisferio");
    QTest::addColumn<QString>("era");
    QTest::addColumn<QString>("erg");
    QTest::newRow("34°35' S") << "34" << "35" << "S" << kRaSur << kRgSur;
    QTest::newRow("34°35' s") << "34" << "35" << "s" << kRaSur << kRgSur;
    QTest::newRow("0°0' N") << "0" << "0" << "N" << kRaEcuador << kRgEcuador;
    QTest::newRow("0°0' n") << "0" << "0" << "n" << kRaEcuador << kRgEcuador;
}

void TestRadiacion::calculates()
{
    QFETCH(QString, grados);
    QFETCH(QString, minutos);
    QFETCH(QString, hemisferio);
    QFETCH(QString, era);
    QFETCH(QString, erg);
    PantallaRadiacion r;
    r.place(QStringLiteral("Azul"), grados, minutos, hemisferio);
    test::fillRow(r.screen, QStringLiteral("EHE"), kSiete);
    QVERIFY(r.calcular());
    QCOMPARE(r.app.dialogs->texts(), QStringList());
    QCOMPARE(ra(r.screen), era);
    QCOMPARE(rg(r.screen), erg);
}

void TestRadiacion::chartRunsFromJuneToJune()
{
    PantallaRadiacion r;
    r.place(QStringLiteral("Azul"), QStringLiteral("34"), QStringLiteral("35"), QStringLiteral("S"));
    test::fillRow(r.screen, QStringLiteral("EHE"), kSiete);
    QVERIFY(r.calcular());
    QCOMPARE(r.title(), "Azul");
    // Both lines start at X = 166 with the 15 June value and end with it.
    QCOMPARE(positions(r.global()), "166 196 227 258 288 319 349 380 411 439 470 500 531");
    QCOMPARE(line(r.global()), "224 " + kRgSur);
    QCOMPARE(positions(r.astronomica()), "166 172 196 227 258 265.77 288 319 349 355 380 411 439 444.35 470 500 531");
    QCOMPARE(line(r.astronomica()), "388 " + kRaSur);
    QCOMPARE(r.screen.Chart1().axisLabels(Chart::AxisId::Bottom, QSizeF(1200, 400)).join(QLatin1Char(' ')),
             "Jun Jul Ago Sep Oct Nov Dic Ene Feb Mar Abr May Jun");
}

void TestRadiacion::failures_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("era");
    QTest::addColumn<QString>("erg");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("lines");
    // After a calculation at 34°35' S, the place becomes Tandil at the equator with one fault.
    // The chart title tells whether the chart was refilled.
    const QString sur = "224 " + kRgSur + " / 388 " + kRaSur;
    QTest::newRow("hemisphere Sur")
        << "EHemisferio" << "Sur" << "Verdeval | En Hemisferio debe colocar N para el Norte o S para el Sur | Yes/No"
        << kRaSur << kRgSur << "Tandil" << sur;
    QTest::newRow("degrees empty") << "EGrados" << "" << "Verdeval | '' is not a valid floating point value. | OK"
                                   << kRaSur << kRgSur << "Azul" << sur;
    QTest::newRow("minutes not a number") << "EMinutos" << "3o"
                                          << "Verdeval | '3o' is not a valid floating point value. | OK" << kRaSur
                                          << kRgSur << "Azul" << sur;
    QTest::newRow("November empty")
        << "EHE5" << ""
        << "ATENCIÓN | Para calcular la Radiación Global, ingrese los datos de Heliofanía efectiva, utilizando el punto "
           "como separador decimal. | OK"
        << kRaEcuador << kRgSur << "Tandil" << "224 " + kRgSur + " / 816 " + kRaEcuador;
    QTest::newRow("November with a comma") << "EHE5" << "7,0"
                                           << "Verdeval | '7,0' is not a valid floating point value. | OK"
                                           << kRaEcuador << kRgSur << "Azul" << sur;
    QTest::newRow("70° S, polar night") << "EGrados" << "70" << "Verdeval | Invalid floating point operation. | OK"
                                        << kRaSur << kRgSur << "Azul" << sur;
}

void TestRadiacion::failures()
{
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(QString, dialog);
    QFETCH(QString, era);
    QFETCH(QString, erg);
    QFETCH(QString, title);
    QFETCH(QString, lines);
    PantallaRadiacion r;
    r.place(QStringLiteral("Azul"), QStringLiteral("34"), QStringLiteral("35"), QStringLiteral("S"));
    test::fillRow(r.screen, QStringLiteral("EHE"), kSiete);
    QVERIFY(r.calcular());
    r.place(QStringLiteral("Tandil"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("N"));
    if (box == QLatin1String("EGrados") && value == QLatin1String("70"))
        r.screen.setText(QStringLiteral("EHemisferio"), QStringLiteral("S"));
    r.screen.setText(box, value);
    QVERIFY(r.calcular());

    QStringList shown;
    for (const test::ShownDialog &d : r.app.dialogs->shown)
        shown << d.describe();
    QCOMPARE(shown, QStringList{dialog});
    QCOMPARE(ra(r.screen), era);
    QCOMPARE(rg(r.screen), erg);
    QCOMPARE(r.title(), title);
    QCOMPARE(line(r.global()) + " / " + line(r.astronomica()), lines);
}

void TestRadiacion::firstCalculationWithoutHeliophany()
{
    // Before any complete calculation the global line stands at zero.
    PantallaRadiacion r;
    r.place(QStringLiteral("Azul"), QStringLiteral("34"), QStringLiteral("35"), QStringLiteral("S"));
    QVERIFY(r.calcular());
    QCOMPARE(r.app.dialogs->shown.size(), 1);
    QCOMPARE(ra(r.screen), kRaSur);
    QCOMPARE(rg(r.screen), QString(11, QLatin1Char(' ')));
    QCOMPARE(line(r.global()), "0 0 0 0 0 0 0 0 0 0 0 0 0");
    QCOMPARE(line(r.astronomica()), "388 " + kRaSur);
}

void TestRadiacion::closingEmptiesCellsAndChart()
{
    PantallaRadiacion r;
    r.place(QStringLiteral("Azul"), QStringLiteral("34"), QStringLiteral("35"), QStringLiteral("S"));
    test::fillRow(r.screen, QStringLiteral("EHE"), kSiete);
    QVERIFY(r.calcular());
    r.screen.closeScreen();
    QCOMPARE(ra(r.screen), QString(15, QLatin1Char(' ')));
    QCOMPARE(rg(r.screen), QString(11, QLatin1Char(' ')));
    QCOMPARE(r.global()->describe() + r.astronomica()->describe() + r.title(), QString());
    // The inputs stay, and so do the held values: a report printed now has empty cells and
    // the chart of the last calculation.
    QCOMPARE(test::row(r.screen, QStringLiteral("EHE")), kSiete);
    QCOMPARE(r.screen.text(QStringLiteral("EGrados")), "34");
    r.screen.present();
    QVERIFY(test::click(r.screen, QStringLiteral("BImprimir")));
    TForm4 &report = r.app->Form4();
    QCOMPARE(test::row(report, QStringLiteral("ERA"), 16), QString(15, QLatin1Char(' ')));
    QCOMPARE(line(report.QRChart1().series(QStringLiteral("Series1"))), "224 " + kRgSur);
}

void TestRadiacion::reportCarriesTheScreen()
{
    if (!test::havePdfTools())
        QSKIP("poppler tools (pdftotext, pdfimages, pdfinfo) are not installed");
    QTemporaryDir dir;
    PantallaRadiacion r;
    QStringList printed;
    r.app.dialogs->onPreview = [&](Printable &report) {
        const QString path = dir.filePath(QStringLiteral("radiacion%1.pdf").arg(printed.size()));
        QVERIFY(static_cast<ReportLayout &>(report).renderToPdf(path));
        const QStringList lines = test::pdfLines(path);
        printed << test::pdfLine(path, QStringLiteral("R. Global")) + " / " + test::pdfLine(path, QStringLiteral("R. Astronómica"))
                       + " / " + (lines.contains(r.screen.text(QStringLiteral("EEstacion"))) ? "title" : "no title");
    };
    r.place(QStringLiteral("Azul"), QStringLiteral("34"), QStringLiteral("35"), QStringLiteral("S"));
    test::fillRow(r.screen, QStringLiteral("EHE"), kSiete);
    QVERIFY(r.calcular());
    QVERIFY(test::click(r.screen, QStringLiteral("BImprimir")));
    QVERIFY(test::click(r.screen, QStringLiteral("BImprimir")));
    r.place(QStringLiteral("Quito"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("N"));
    QVERIFY(r.calcular());
    QVERIFY(test::click(r.screen, QStringLiteral("BImprimir")));

    const QString sur = "R. Global " + kRgSur + " / R. Astronómica " + kRaSur + " / title";
    QCOMPARE(printed, (QStringList{sur, sur, "R. Global " + kRgEcuador + " / R. Astronómica " + kRaEcuador + " / title"}));
    QCOMPARE(r.app.dialogs->last().caption, "Marcha anual de la Radiación");
    Chart &chart = r.app->Form4().QRChart1();
    QCOMPARE(chart.titleLines(), QStringList{"Quito"});
    QCOMPARE(chart.series(QStringLiteral("Series1"))->describe(), r.global()->describe());
    QCOMPARE(chart.series(QStringLiteral("Series2"))->describe(), r.astronomica()->describe());
}

void TestRadiacion::commaLocaleKeepsThePoint()
{
    const char *previous = std::setlocale(LC_NUMERIC, nullptr);
    const QByteArray saved = previous ? QByteArray(previous) : QByteArray("C");
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    PantallaRadiacion r;
    r.place(QStringLiteral("Azul"), QStringLiteral("34"), QStringLiteral("35"), QStringLiteral("S"));
    test::fillRow(r.screen, QStringLiteral("EHE"), kSiete);
    QVERIFY(r.calcular());
    const QString rows = ra(r.screen) + " / " + rg(r.screen);
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, saved.constData());
    QCOMPARE(rows, kRaSur + " / " + kRgSur);
}

QTEST_MAIN(TestRadiacion)
#include "tst_radiacion.moc"
