#include "QtWarnings.h"
#include "PdfText.h"
#include "TestApp.h"
#include "app/Unit1.h"
#include "output/Chart.h"
#include "platform/core/NumberText.h"
#include "waterbalance/UnitBHC.h"
#include "waterbalance/UnitFBHCGraf.h"
#include "waterbalance/UnitReporteBHC.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace verdeval;
using namespace verdeval::test;

namespace {

// The worked example at 27°30' S with capacity 200, and what the screen shows for it.
const QString kT = QStringLiteral("24.5 23.5 21.5 17.5 14.5 11.5 11.0 12.5 14.5 17.5 20.5 23.0");
const QString kP = QStringLiteral("105 110 120 90 80 60 55 60 65 100 95 100");
const QString kEEP = QStringLiteral("135 108 96 59 41 25 24 32 43 68 93 122 | 845");
const QString kEDP = QStringLiteral("-30 2 24 31 39 35 31 28 22 32 2 -22");
const QString kEAL = QStringLiteral("154 156 180 200 200 200 200 200 200 200 200 179");
const QString kEDAL = QStringLiteral("-25 2 24 20 0 0 0 0 0 0 0 -21");
const QString kEER = QStringLiteral("130 108 96 59 41 25 24 32 43 68 93 121 | 839");
const QString kEDE = QStringLiteral("5 0 0 0 0 0 0 0 0 0 0 1 | 6");
const QString kEEX = QStringLiteral("0 0 0 11 39 35 31 28 22 32 2 0 | 201");
const QString kSinValores = QString(11, QLatin1Char(' '));

const QStringList kRows{"EEP", "EDP", "EAL", "EDAL", "EER", "EDE", "EEX"};

// The seven rows of the screen, each with " | annual" where it has an annual cell, one row a line.
QString results(const Screen &s)
{
    QStringList out;
    for (const QString &prefix : kRows) {
        QString line = row(s, prefix);
        if (const QString anual = s.text(prefix + 'T'); !anual.isEmpty() || QStringList{"EEP", "EER", "EDE", "EEX"}.contains(prefix))
            line += " | " + anual;
        out << line;
    }
    return out.join('\n');
}

const QString kResults = QStringList{kEEP, kEDP, kEAL, kEDAL, kEER, kEDE, kEEX}.join('\n');

// A series as drawn, July first: "Jul:55 Ago:60 ...", whole numbers.
QString points(const ChartSeries *s)
{
    QStringList out;
    for (const ChartSeries::Point &p : s->points())
        out << p.label + ':' + floatToStrF(p.y, 0);
    return out.join(' ');
}

QString monthsJulJun(const QString &values)
{
    const QStringList v = values.split(' ');
    const QStringList months{"Jul", "Ago", "Sep", "Oct", "Nov", "Dic", "Ene", "Feb", "Mar", "Abr", "May", "Jun"};
    QStringList out;
    for (int k = 0; k < 12; ++k)
        out << months.at(k) + ':' + v.at(k);
    return out.join(' ');
}

struct Balance {
    TestApp app;
    TFBHC &screen = app->FBHC();

    Balance()
    {
        app->start();
        screen.present();
        place(QStringLiteral("Ejemplo"), QStringLiteral("27"), QStringLiteral("30"), QStringLiteral("S"));
        fillRow(screen, QStringLiteral("ET"), kT);
        fillRow(screen, QStringLiteral("EPP"), kP);
    }
    void place(const QString &station, const QString &deg, const QString &min, const QString &hem)
    {
        screen.setText(QStringLiteral("EEstacion"), station);
        screen.setText(QStringLiteral("EGrados"), deg);
        screen.setText(QStringLiteral("EMinutos"), min);
        screen.setText(QStringLiteral("EHemisferio"), hem);
    }
    [[nodiscard]] bool calcular() { return test::click(screen, QStringLiteral("BCalcular")); }
    QStringList shown() const
    {
        QStringList out;
        for (const ShownDialog &d : app.dialogs->shown)
            out << d.describe();
        return out;
    }
    Chart &upper() const { return app->FBHCGraf().Chart1(); }
    Chart &lower() const { return app->FBHCGraf().Chart2(); }
};

} // namespace

// The water balance screen as the user drives it: "&Calcular", the capacity list, what
// closing the screen empties, the two charts and the printed page.
class TestBhc : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void calculatesTheWorkedExample();
    void failuresKeepTheRowsWritten_data();
    void failuresKeepTheRowsWritten();
    void capacityChoiceStaysForTheRun();
    void closingEmptiesStationAndResults();
    void chartsRunJulyToJune();
    void chartsRefilledEachTime();
    void chartsBeforeAnyCalculation();
    void reportCarriesTheScreen();
};

void TestBhc::calculatesTheWorkedExample()
{
    Balance b;
    QVERIFY(b.calcular());
    QCOMPARE(b.shown(), QStringList());
    QCOMPARE(results(b.screen), kResults);
    for (const char *vacia : {"EDPT", "EALT", "EDALT"})
        QCOMPARE(b.screen.text(vacia), QString());
    // Pressed again, the same rows.
    QVERIFY(b.calcular());
    QCOMPARE(results(b.screen), kResults);
}

void TestBhc::failuresKeepTheRowsWritten_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("rows");
    // A first calculation shows the worked example; July's rain then becomes 155 mm and one
    // box goes wrong. The rows before the failure show the new figures (July's D is 131), the
    // others still those of the first run.
    const QString edp = QStringLiteral("-30 2 24 31 39 35 131 28 22 32 2 -22");
    const QString after = QStringList{kEEP, edp, kEAL, kEDAL, kEER, kEDE, kEEX}.join('\n');
    QTest::newRow("capacity, the empty item") << "ECC" << "" << "Verdeval | '' is not a valid floating point value. | OK" << after;
    QTest::newRow("capacity 0, January dry") << "ECC" << "0" << "Verdeval | Floating point division by zero. | OK" << after;
    QTest::newRow("70° S, polar") << "EGrados" << "70" << "Verdeval | Invalid floating point operation. | OK" << kResults;
    QTest::newRow("June below 0 °C") << "ET6" << "-1" << "Verdeval | Invalid floating point operation. | OK" << kResults;
    QTest::newRow("March rain '1o'") << "EPP3" << "1o" << "Verdeval | '1o' is not a valid floating point value. | OK" << kResults;
    // A rejected letter is reported and the calculation goes on at 27°30' S.
    QTest::newRow("hemisphere ' S'") << "EHemisferio" << " S"
                                     << "Verdeval | En Hemisferio debe colocar N para el Norte o S para el Sur | Yes/No"
                                     << QStringList{kEEP, edp, kEAL, kEDAL, kEER, kEDE,
                                                    "0 0 0 11 39 35 131 28 22 32 2 0 | 301"}.join('\n');
}

void TestBhc::failuresKeepTheRowsWritten()
{
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(QString, dialog);
    QFETCH(QString, rows);
    Balance b;
    QVERIFY(b.calcular());
    b.screen.setText(QStringLiteral("EPP7"), QStringLiteral("155"));
    b.screen.setText(box, value);
    b.app.dialogs->clear();
    QVERIFY(b.calcular());
    QCOMPARE(b.shown(), QStringList{dialog});
    QCOMPARE(results(b.screen), rows);
}

void TestBhc::capacityChoiceStaysForTheRun()
{
    Balance b;
    auto *ecc = qobject_cast<QComboBox *>(b.screen.control(QStringLiteral("ECC")));
    QVERIFY(ecc);
    ecc->setCurrentIndex(0); // "50 "
    QCOMPARE(ecc->currentText(), QString("50 "));
    QVERIFY(b.calcular());
    QCOMPARE(row(b.screen, QStringLiteral("EAL")), QString("17 20 44 50 50 50 50 50 50 50 50 32"));
    QCOMPARE(b.screen.valores().CC, 50.0);

    // Back to the index and in again with another place: the capacity is the one chosen.
    QVERIFY(click(b.screen, QStringLiteral("BVolverAlIndice")));
    TFIndice &index = b.app->FIndice();
    setPlace(index.DatosLocalidad(), QStringLiteral("Azul|36|45|S|59|50|132"));
    for (int m = 1; m <= 12; ++m) {
        index.DatosLocalidad().T[m] = QStringLiteral("15");
        index.DatosLocalidad().PP[m] = QStringLiteral("80");
    }
    QVERIFY(click(index, QStringLiteral("Label3")));
    QCOMPARE(visibleScreens(*b.app).join(' '), QString("TFInicial TFBHC"));
    QCOMPARE(b.screen.text(QStringLiteral("EEstacion")), QString("Azul"));
    QCOMPARE(b.screen.text(QStringLiteral("ECC")), QString("50 "));
    QCOMPARE(ecc->count(), 27);
}

void TestBhc::closingEmptiesStationAndResults()
{
    Balance b;
    b.screen.setText(QStringLiteral("EPPT"), QStringLiteral("1040"));
    b.screen.setText(QStringLiteral("ECC"), QStringLiteral("250"));
    QVERIFY(b.calcular());
    const BalanceHidrico::Valores before = b.screen.valores();
    b.screen.closeScreen();

    QCOMPARE(b.screen.text(QStringLiteral("EEstacion")), QString());
    QStringList empty;
    for (int k = 0; k < 7; ++k)
        empty << kSinValores + (QStringList{"EEP", "EER", "EDE", "EEX"}.contains(kRows.at(k)) ? " | " : "");
    QCOMPARE(results(b.screen), empty.join('\n'));
    // Inputs, the capacity and the kept values stay.
    QCOMPARE(row(b.screen, QStringLiteral("ET")), kT);
    QCOMPARE(row(b.screen, QStringLiteral("EPP")), kP);
    QCOMPARE(b.screen.text(QStringLiteral("EPPT")), QString("1040"));
    QCOMPARE(b.screen.text(QStringLiteral("EGrados")) + b.screen.text(QStringLiteral("EMinutos"))
                 + b.screen.text(QStringLiteral("EHemisferio")),
             QString("2730S"));
    QCOMPARE(b.screen.text(QStringLiteral("ECC")), QString("250"));
    QCOMPARE(b.screen.valores().ETP, before.ETP);
    QCOMPARE(b.screen.valores().SE, before.SE);
    // A new calculation shows the results again, without a station.
    b.screen.present();
    QVERIFY(b.calcular());
    QCOMPARE(b.screen.text(QStringLiteral("EEPT")), QString("845"));
}

void TestBhc::chartsRunJulyToJune()
{
    Balance b;
    QVERIFY(b.calcular());
    QVERIFY(click(b.screen, QStringLiteral("BGraficos")));
    QCOMPARE(visibleScreens(*b.app).join(' '), QString("TFInicial TFBHCGraf"));
    // Leaving for the charts closed the balance screen.
    QCOMPARE(b.screen.text(QStringLiteral("EEstacion")) + b.screen.text(QStringLiteral("EEP1")), QString());

    QCOMPARE(b.upper().titleLines(), (QStringList{"Balance hidrológico climático", "Ejemplo"}));
    QCOMPARE(b.lower().titleLines(), (QStringList{"Variación del agua del suelo", "Ejemplo"}));
    auto series = [&](const char *name) {
        ChartSeries *s = b.upper().series(name);
        return points(s ? s : b.lower().series(name));
    };
    QCOMPARE(series("Series1"), monthsJulJun("55 60 65 100 95 100 105 110 120 90 80 60"));
    QCOMPARE(series("Series2"), monthsJulJun("24 32 43 68 93 122 135 108 96 59 41 25"));
    QCOMPARE(series("Series3"), monthsJulJun("24 32 43 68 93 121 130 108 96 59 41 25"));
    // The water situation: minus the deficit in December and January, zero in February,
    // the excess elsewhere.
    QCOMPARE(series("Series4"), monthsJulJun("31 28 22 32 2 -1 -5 0 0 11 39 35"));
    QCOMPARE(series("Series5"), monthsJulJun("231 228 222 232 202 179 154 156 180 211 239 235"));
    QCOMPARE(series("Series6"), monthsJulJun("200 200 200 200 200 200 200 200 200 200 200 200"));
    QCOMPARE(series("Series7"), monthsJulJun("100 100 100 100 100 100 100 100 100 100 100 100"));
    QCOMPARE(series("Series8"), monthsJulJun("150 150 150 150 150 150 150 150 150 150 150 150"));
    for (ChartSeries *s : b.upper().allSeries() + b.lower().allSeries())
        QVERIFY(!s->marksVisible());

    const QSizeF size(1300, 330);
    for (Chart *c : {&b.upper(), &b.lower()})
        QCOMPARE(c->axisLabels(Chart::AxisId::Bottom, size).join(' '), QString("Jul Ago Sep Oct Nov Dic Ene Feb Mar Abr May Jun"));
    // The lower chart starts at zero, so that the wilting point stands clear of the axis.
    QCOMPARE(b.lower().axisLabels(Chart::AxisId::Left, size).first(), QString("0"));
    // The upper chart's labels stand at least 30 mm apart.
    const QStringList left = b.upper().axisLabels(Chart::AxisId::Left, size);
    QVERIFY(left.size() >= 3);
    for (int k = 1; k < left.size(); ++k)
        QVERIFY2(strToFloat(left.at(k)) - strToFloat(left.at(k - 1)) >= 30, qPrintable(left.join(' ')));
}

void TestBhc::chartsRefilledEachTime()
{
    Balance b;
    QVERIFY(b.calcular());
    QVERIFY(click(b.screen, QStringLiteral("BGraficos")));
    QVERIFY(click(b.app->FBHCGraf(), QStringLiteral("BVolver")));
    QCOMPARE(visibleScreens(*b.app).join(' '), QString("TFInicial TFBHC"));
    // Back without recalculating: the kept values again, twelve points each, and no station
    // since closing emptied it.
    QVERIFY(click(b.screen, QStringLiteral("BGraficos")));
    for (ChartSeries *s : b.upper().allSeries() + b.lower().allSeries())
        QCOMPARE(int(s->points().size()), 12);
    QCOMPARE(b.upper().titleLines(), (QStringList{"Balance hidrológico climático", ""}));
    QCOMPARE(points(b.upper().series("Series2")), monthsJulJun("24 32 43 68 93 122 135 108 96 59 41 25"));

    // A new place and capacity replace every point.
    QVERIFY(click(b.app->FBHCGraf(), QStringLiteral("BVolver")));
    b.screen.setText(QStringLiteral("EEstacion"), QStringLiteral("Otra"));
    b.screen.setText(QStringLiteral("ECC"), QStringLiteral("100"));
    b.screen.setText(QStringLiteral("EPP7"), QStringLiteral("0"));
    QVERIFY(b.calcular());
    QVERIFY(click(b.screen, QStringLiteral("BGraficos")));
    QCOMPARE(b.lower().titleLines(), (QStringList{"Variación del agua del suelo", "Otra"}));
    QCOMPARE(points(b.lower().series("Series6")), monthsJulJun("100 100 100 100 100 100 100 100 100 100 100 100"));
    QCOMPARE(points(b.lower().series("Series8")), monthsJulJun("75 75 75 75 75 75 75 75 75 75 75 75"));
    QCOMPARE(points(b.upper().series("Series1")).section(' ', 0, 0), QString("Jul:0"));
}

void TestBhc::chartsBeforeAnyCalculation()
{
    // Nothing is checked: the kept values are all zero until the first calculation.
    Balance b;
    QVERIFY(click(b.screen, QStringLiteral("BGraficos")));
    QCOMPARE(b.shown(), QStringList());
    const QString zeros = monthsJulJun("0 0 0 0 0 0 0 0 0 0 0 0");
    for (ChartSeries *s : b.upper().allSeries() + b.lower().allSeries())
        QCOMPARE(points(s), zeros);
    QCOMPARE(b.upper().titleLines(), (QStringList{"Balance hidrológico climático", "Ejemplo"}));
}

void TestBhc::reportCarriesTheScreen()
{
    Balance b;
    TForm5 &report = b.app->Form5();
    QVERIFY(report.fitsPage());
    QVERIFY(b.calcular());
    QVERIFY(click(b.screen, QStringLiteral("BImprimir")));
    QCOMPARE(b.app.dialogs->last().kind, ShownDialog::Kind::Preview);
    QCOMPARE(b.app.dialogs->last().caption, QString("Balance Hidrológico Climático"));
    QCOMPARE(visibleScreens(*b.app).join(' '), QString("TFInicial TFBHC"));
    QVERIFY(report.fitsPage());

    // The 84 monthly cells as the screen shows them; no annual values.
    QStringList printed;
    for (const QString &prefix : kRows)
        printed << row(report, prefix);
    const QStringList monthly{kEEP.section(" | ", 0, 0), kEDP, kEAL, kEDAL, kEER.section(" | ", 0, 0),
                              kEDE.section(" | ", 0, 0), kEEX.section(" | ", 0, 0)};
    QCOMPARE(printed, monthly);
    QCOMPARE(report.QRChart1().titleLines(), (QStringList{"Balance hidrológico climático", "Ejemplo"}));
    QCOMPARE(report.QRChart2().titleLines(), (QStringList{"Variación del agua del suelo ", "Ejemplo"}));
    QCOMPARE(points(report.QRChart1().series("Series4")), monthsJulJun("31 28 22 32 2 -1 -5 0 0 11 39 35"));
    QCOMPARE(points(report.QRChart2().series("Series5")), monthsJulJun("231 228 222 232 202 179 154 156 180 211 239 235"));
    QCOMPARE(report.QRChart2().leftAxis().automaticMinimum, false);
    QCOMPARE(report.QRChart2().leftAxis().minimum, 0.0);

    if (!havePdfTools())
        QSKIP("poppler tools (pdftotext, pdfimages, pdfinfo) are not installed");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("balance.pdf");
    QVERIFY(report.renderToPdf(pdf));
    QCOMPARE(pdfPageSize(pdf), QString("612 x 792 pts (letter)"));
    QCOMPARE(pdfImageCount(pdf) <= 2, true); // at most the two emblems
    QCOMPARE(pdfLine(pdf, "Evapotranspiración Potencial"), "Evapotranspiración Potencial " + kEEP.section(" | ", 0, 0));
    QCOMPARE(pdfLine(pdf, "Precip.-Evapotranspiración"), "Precip.-Evapotranspiración " + kEDP);
    QCOMPARE(pdfLine(pdf, "Almacenaje "), "Almacenaje " + kEAL);
    QCOMPARE(pdfLine(pdf, "Exceso"), "Exceso " + kEEX.section(" | ", 0, 0));
    const QStringList lines = pdfLines(pdf);
    QVERIFY(lines.contains("Balance hidrológico climático"));
    QVERIFY(lines.contains("Variación del agua del suelo"));
    QCOMPARE(lines.count("Ejemplo"), 2);

    // After a visit to the charts the screen's cells are empty: so are the printed ones, while
    // the charts still draw the kept values, without a station.
    QVERIFY(click(b.screen, QStringLiteral("BGraficos")));
    QVERIFY(click(b.app->FBHCGraf(), QStringLiteral("BVolver")));
    QVERIFY(click(b.screen, QStringLiteral("BImprimir")));
    QCOMPARE(row(report, QStringLiteral("EEX")), kSinValores);
    QCOMPARE(report.QRChart1().titleLines(), (QStringList{"Balance hidrológico climático", ""}));
    QCOMPARE(points(report.QRChart1().series("Series1")), monthsJulJun("55 60 65 100 95 100 105 110 120 90 80 60"));
    QVERIFY(report.renderToPdf(pdf));
    QCOMPARE(pdfLine(pdf, "Exceso"), QString("Exceso"));
}

QTEST_MAIN(TestBhc)
#include "tst_bhc.moc"
