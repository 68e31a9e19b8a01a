#include "QtWarnings.h"
#include "output/calc/ChartScale.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace verdeval;
using namespace verdeval::chartscale;

namespace {

const double kNone = std::numeric_limits<double>::quiet_NaN();

// Every character 7 units wide, like the chart's label font.
double sevenPerCharacter(const QString &text) { return 7.0 * text.size(); }

QString texts(const std::vector<Tick> &ticks)
{
    QStringList out;
    for (const Tick &t : ticks)
        out << t.text;
    return out.join(QLatin1Char(' '));
}

// "lo..hi: labels", the way a vertical axis reads from bottom to top.
QString describe(const ValueScale &s)
{
    return QStringLiteral("%1..%2: %3").arg(tickText(s.lo, s.step), tickText(s.hi, s.step), texts(s.ticks));
}

// The axis ends: "auto", "min 0" (minimum fixed, maximum following the data) or "fixed 4 22".
ChartAxis axisWith(const QString &ends, double increment)
{
    ChartAxis axis;
    const QStringList f = ends.split(QLatin1Char(' '));
    if (f.at(0) == QLatin1String("min"))
        axis.setMinimumFixed(f.at(1).toDouble());
    else if (f.at(0) == QLatin1String("fixed"))
        axis.setFixed(f.at(1).toDouble(), f.at(2).toDouble());
    axis.increment = increment;
    return axis;
}

} // namespace

class TestChartScale : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void niceSteps_data();
    void niceSteps();
    void tickTexts_data();
    void tickTexts();
    void spanishMonths();
    void dates_data();
    void dates();
    void verticalAxes_data();
    void verticalAxes();
    void dateAxes_data();
    void dateAxes();
    void monthSlots_data();
    void monthSlots();
    void barsOnANumberAxisStandInSlots();
    void labelsOfThePoints();
};

void TestChartScale::niceSteps_data()
{
    QTest::addColumn<double>("raw");
    QTest::addColumn<double>("base");
    QTest::addColumn<double>("step");
    QTest::newRow("1, 2, 5 of the power of ten") << 3.0 << 0.0 << 5.0;
    QTest::newRow("exactly a nice step") << 2.0 << 0.0 << 2.0;
    QTest::newRow("just above 5") << 5.01 << 0.0 << 10.0;
    QTest::newRow("fractions") << 0.025 << 0.0 << 0.05;
    QTest::newRow("hundreds") << 120.0 << 0.0 << 200.0;
    // An increment is the smallest step; beyond it the step is a nice multiple of it.
    QTest::newRow("at least 30, little needed") << 11.0 << 30.0 << 30.0;
    QTest::newRow("at least 30, twice") << 31.0 << 30.0 << 60.0;
    QTest::newRow("at least 30, five times") << 61.0 << 30.0 << 150.0;
    QTest::newRow("at least 30, ten times") << 200.0 << 30.0 << 300.0;
    QTest::newRow("increment 10, 87.5 needed") << 87.5 << 10.0 << 100.0;
    QTest::newRow("nothing needed, increment") << 0.0 << 10.0 << 10.0;
    QTest::newRow("nothing needed, no increment") << 0.0 << 0.0 << 1.0;
    QTest::newRow("negative") << -4.0 << 0.0 << 1.0;
    QTest::newRow("not a number") << kNone << 0.0 << 1.0;
    QTest::newRow("infinite, increment") << std::numeric_limits<double>::infinity() << 5.0 << 5.0;
}

void TestChartScale::niceSteps()
{
    QFETCH(double, raw);
    QFETCH(double, base);
    QFETCH(double, step);
    QCOMPARE(niceStep(raw, base), step);
}

void TestChartScale::tickTexts_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("step");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole steps") << 1050.0 << 50.0 << "1050";
    QTest::newRow("hundredths") << 0.15 << 0.05 << "0.15";
    QTest::newRow("three tenths, added up") << 0.1 + 0.1 + 0.1 << 0.1 << "0.3";
    QTest::newRow("halves") << 2.5 << 0.5 << "2.5";
    QTest::newRow("negative") << -60.0 << 30.0 << "-60";
    QTest::newRow("a hair from zero") << -1e-12 << 0.05 << "0";
}

void TestChartScale::tickTexts()
{
    QFETCH(double, value);
    QFETCH(double, step);
    QFETCH(QString, text);
    QCOMPARE(tickText(value, step), text);
}

void TestChartScale::spanishMonths()
{
    QStringList abbreviations;
    for (int m = 1; m <= 12; ++m)
        abbreviations << monthAbbreviation(m);
    QCOMPARE(abbreviations.join(QLatin1Char(' ')), "Ene Feb Mar Abr May Jun Jul Ago Sep Oct Nov Dic");
    QCOMPARE(chartYearMonths().join(QLatin1Char(' ')), "Jul Ago Sep Oct Nov Dic Ene Feb Mar Abr May Jun");
    QCOMPARE(monthName(9), "Septiembre");
}

void TestChartScale::dates_data()
{
    QTest::addColumn<double>("day");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::newRow("day 0") << 0.0 << "dd/mm/yyyy" << "30/12/1899";
    QTest::newRow("day 2 is New Year") << 2.0 << "d/m/yy" << "1/1/00";
    QTest::newRow("MMM") << 166.0 << "MMM" << "Jun";
    QTest::newRow("mmm, any case") << 196.0 << "mmm" << "Jul";
    QTest::newRow("fraction dropped") << 172.9 << "dd/mm" << "20/06";
    QTest::newRow("past December") << 380.0 << "dd mmm" << "14 Ene";
    QTest::newRow("long month and year") << 531.0 << "mmmm yyyy" << "Junio 1901";
    QTest::newRow("1900 has no 29 February") << 61.0 << "dd/mm" << "01/03";
}

void TestChartScale::dates()
{
    QFETCH(double, day);
    QFETCH(QString, format);
    QFETCH(QString, text);
    QCOMPARE(formatDate(day, format), text);
}

void TestChartScale::verticalAxes_data()
{
    QTest::addColumn<QString>("ends");
    QTest::addColumn<double>("increment");
    QTest::addColumn<double>("lo");
    QTest::addColumn<double>("hi");
    QTest::addColumn<bool>("bars");
    QTest::addColumn<double>("maxLabels");
    QTest::addColumn<QString>("scale");
    QTest::newRow("automatic, radiation") << "auto" << 0.0 << 386.0 << 1050.0 << false << 15.0
                                          << "350..1050: 350 400 450 500 550 600 650 700 750 800 850 900 950 1000 1050";
    QTest::newRow("from 0, increment 10") << "min 0" << 10.0 << 386.0 << 1050.0 << false << 12.0
                                          << "0..1100: 0 100 200 300 400 500 600 700 800 900 1000 1100";
    QTest::newRow("fixed 4 to 22, room for all") << "fixed 4 22" << 1.0 << 9.7 << 14.3 << false << 30.0
                                                 << "4..22: 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22";
    QTest::newRow("fixed 4 to 22, every second") << "fixed 4 22" << 1.0 << 9.7 << 14.3 << false << 12.0
                                                 << "4..22: 4 6 8 10 12 14 16 18 20 22";
    QTest::newRow("fixed upside down") << "fixed 22 4" << 0.0 << 5.0 << 6.0 << false << 12.0
                                       << "4..22: 4 6 8 10 12 14 16 18 20 22";
    QTest::newRow("at least 30, deficits below 0") << "auto" << 30.0 << -40.0 << 180.0 << false << 20.0
                                                   << "-60..180: -60 -30 0 30 60 90 120 150 180";
    QTest::newRow("at least 30, little room") << "auto" << 30.0 << 0.0 << 400.0 << false << 5.0
                                              << "0..450: 0 150 300 450";
    QTest::newRow("bars reach zero") << "auto" << 0.0 << 20.0 << 80.0 << true << 10.0
                                     << "0..80: 0 10 20 30 40 50 60 70 80";
    // Nothing to spread over: 0 to 10 in steps of 2 whatever the room, unless the increment
    // asks for more or the room is too small.
    QTest::newRow("empty, tall") << "auto" << 0.0 << kNone << kNone << false << 40.0 << "0..10: 0 2 4 6 8 10";
    QTest::newRow("empty, short") << "auto" << 0.0 << kNone << kNone << false << 8.0 << "0..10: 0 2 4 6 8 10";
    QTest::newRow("empty, tiny") << "auto" << 0.0 << kNone << kNone << false << 3.0 << "0..10: 0 5 10";
    QTest::newRow("empty, increment 10") << "min 0" << 10.0 << kNone << kNone << false << 20.0 << "0..10: 0 10";
    QTest::newRow("empty, at least 30") << "auto" << 30.0 << kNone << kNone << false << 20.0 << "0..30: 0 30";
    QTest::newRow("empty bars") << "auto" << 0.0 << kNone << kNone << true << 30.0 << "0..10: 0 2 4 6 8 10";
    QTest::newRow("all zero, from 0") << "min 0" << 0.0 << 0.0 << 0.0 << false << 40.0 << "0..10: 0 2 4 6 8 10";
    QTest::newRow("empty, from 4") << "min 4" << 0.0 << kNone << kNone << false << 40.0 << "4..14: 4 6 8 10 12 14";
    QTest::newRow("all 500") << "auto" << 0.0 << 500.0 << 500.0 << false << 15.0
                             << "500..550: 500 510 520 530 540 550";
}

void TestChartScale::verticalAxes()
{
    QFETCH(QString, ends);
    QFETCH(double, increment);
    QFETCH(double, lo);
    QFETCH(double, hi);
    QFETCH(bool, bars);
    QFETCH(double, maxLabels);
    QFETCH(QString, scale);
    Extent data;
    data.add(lo);
    data.add(hi);
    QCOMPARE(describe(valueScale(axisWith(ends, increment), data, bars, maxLabels)), scale);
}

void TestChartScale::dateAxes_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("increment");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("last");
    QTest::addColumn<double>("length");
    QTest::addColumn<QString>("labels");
    // One label every 30 days from the first point.
    QTest::newRow("June to June") << "MMM" << 30.0 << 166.0 << 531.0 << 900.0
                                  << "Jun Jul Ago Sep Oct Nov Dic Ene Feb Mar Abr May Jun";
    QTest::newRow("no increment is 30 days") << "MMM" << 0.0 << 166.0 << 531.0 << 900.0
                                             << "Jun Jul Ago Sep Oct Nov Dic Ene Feb Mar Abr May Jun";
    // Where 13 labels would overlap, every second one.
    QTest::newRow("narrow") << "MMM" << 30.0 << 166.0 << 531.0 << 300.0 << "Jun Ago Oct Dic Feb Abr Jun";
    QTest::newRow("day and month") << "dd/mm" << 30.0 << 2.0 << 92.0 << 900.0 << "01/01 31/01 02/03 01/04";
    QTest::newRow("empty: the chart year") << "MMM" << 30.0 << kNone << kNone << 900.0
                                           << "Jun Jul Ago Sep Oct Nov Dic Ene Feb Mar Abr May Jun";
}

void TestChartScale::dateAxes()
{
    QFETCH(QString, format);
    QFETCH(double, increment);
    QFETCH(double, first);
    QFETCH(double, last);
    QFETCH(double, length);
    QFETCH(QString, labels);
    ChartAxis axis;
    axis.labels = ChartAxis::Labels::DateTime;
    axis.dateFormat = format;
    axis.increment = increment;
    BottomData data;
    data.anyDate = true;
    data.addPoint(first, 1, QString());
    data.addPoint(last, 2, QString());
    const BottomScale s = bottomScale(axis, data, length, sevenPerCharacter);
    QCOMPARE(s.kind, BottomKind::Dates);
    QCOMPARE(texts(s.ticks), labels);
    // The first and last points stand at the ends of the axis.
    if (!std::isnan(first)) {
        QCOMPARE(s.fraction(first), 0.0);
        QCOMPARE(s.fraction(last), 1.0);
    }
}

void TestChartScale::monthSlots_data()
{
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<QString>("pointLabels");
    QTest::addColumn<QString>("labels");
    QTest::newRow("twelve labelled points") << true << "Ene Feb Mar Abr May Jun Jul Ago Sep Oct Nov Dic"
                                            << "Ene Feb Mar Abr May Jun Jul Ago Sep Oct Nov Dic";
    // An empty month chart reads the months of the chart year, fixed or following the data.
    QTest::newRow("empty, fixed 0 to 11") << true << "" << "Jul Ago Sep Oct Nov Dic Ene Feb Mar Abr May Jun";
    QTest::newRow("empty, text labels") << false << "" << "Jul Ago Sep Oct Nov Dic Ene Feb Mar Abr May Jun";
    // Points with texts of their own keep them; slots without a point stay blank.
    QTest::newRow("three points") << true << "a b c" << "a b c         ";
}

void TestChartScale::monthSlots()
{
    QFETCH(bool, fixed);
    QFETCH(QString, pointLabels);
    QFETCH(QString, labels);
    ChartAxis axis;
    axis.labels = ChartAxis::Labels::Text;
    if (fixed)
        axis.setFixed(0, 11);
    BottomData data;
    const QStringList given = pointLabels.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int k = 0; k < given.size(); ++k)
        data.addPoint(k, 10.0 * k, given.at(k));
    const BottomScale s = bottomScale(axis, data, 900, sevenPerCharacter);
    QCOMPARE(s.kind, BottomKind::Slots);
    QCOMPARE(texts(s.ticks), labels);
    // Twelve slots share the axis, each point in the middle of its own.
    QCOMPARE(s.slotFraction, 1.0 / 12);
    QCOMPARE(s.fraction(0), 0.5 / 12);
    QCOMPARE(s.fraction(11), 11.5 / 12);
}

void TestChartScale::barsOnANumberAxisStandInSlots()
{
    // Bars at 1 to 5: half a slot more at each end, labels on whole numbers.
    ChartAxis axis;
    BottomData data;
    std::vector<double> xs;
    for (int x = 1; x <= 5; ++x) {
        data.addPoint(x, x, QString());
        xs.push_back(x);
    }
    data.addBarSeries(xs);
    const BottomScale s = bottomScale(axis, data, 300, sevenPerCharacter);
    QCOMPARE(s.kind, BottomKind::Values);
    QCOMPARE(s.lo, 0.5);
    QCOMPARE(s.hi, 5.5);
    QCOMPARE(s.slotFraction, 1.0 / 5);
    QCOMPARE(texts(s.ticks), "1 2 3 4 5");
}

void TestChartScale::labelsOfThePoints()
{
    // What a point's X reads as on each kind of bottom axis, as copied with the data.
    ChartAxis dates;
    dates.labels = ChartAxis::Labels::DateTime;
    BottomData dated;
    dated.anyDate = true;
    dated.addPoint(166, 1, QString());
    QCOMPARE(bottomLabel(dates, dated, 265.77), "Sep");
    dates.dateFormat = QStringLiteral("dd/mm");
    QCOMPARE(bottomLabel(dates, dated, 265.77), "21/09");

    ChartAxis text;
    text.labels = ChartAxis::Labels::Text;
    BottomData labelled;
    labelled.addPoint(0, 1, QStringLiteral("Jul"));
    labelled.addPoint(1, std::numeric_limits<double>::quiet_NaN(), QStringLiteral("Ago"));
    QCOMPARE(bottomLabel(text, labelled, 1), "Ago");
    QCOMPARE(bottomLabel(text, BottomData(), 6), "Ene");

    QCOMPARE(bottomLabel(ChartAxis(), BottomData(), 2.5), "2.5");
}

QTEST_APPLESS_MAIN(TestChartScale)
#include "tst_chartscale.moc"
