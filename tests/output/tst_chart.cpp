#include "QtWarnings.h"
#include "PdfText.h"
#include "output/Chart.h"
#include "platform/core/NumberText.h"

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <limits>

using namespace verdeval;

namespace {

const QSizeF kScreen(900, 420);

// The X positions where the points are drawn, each further right than the one before.
bool growsRightwards(const QList<QPointF> &points)
{
    for (int k = 1; k < points.size(); ++k)
        if (!(points.at(k).x() > points.at(k - 1).x()))
            return false;
    return true;
}

} // namespace

class TestChart : public QObject
{
    Q_OBJECT

private slots:
    void init() { verdeval::test::failOnQtWarnings(); }
    void dateAxisLabels_data();
    void dateAxisLabels();
    void datesBeyondDecemberFollowIt();
    void clearAndRefillShowsOnlyTheNewPoints();
    void twelveOrdinalPointsFillTwelveSlots();
    void leftAxisRange_data();
    void leftAxisRange();
    void missingValuesAreNeitherDrawnNorScaled();
    void titleLinesAndHiddenTitle();
    void emptyChartsReadTheSameOnScreenAndPaper_data();
    void emptyChartsReadTheSameOnScreenAndPaper();
    void drawsAsVectorsOnPdf();
};

void TestChart::dateAxisLabels_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("last");
    QTest::addColumn<QString>("labels");
    // One label every 30 days from the first point; day 0 is 30 December 1899.
    QTest::newRow("MMM, June to June") << "MMM" << 166.0 << 531.0
                                       << "Jun Jul Ago Sep Oct Nov Dic Ene Feb Mar Abr May Jun";
    QTest::newRow("mmm is the same") << "mmm" << 166.0 << 531.0
                                     << "Jun Jul Ago Sep Oct Nov Dic Ene Feb Mar Abr May Jun";
    QTest::newRow("dd/mm, first days of 1900") << "dd/mm" << 2.0 << 92.0 << "01/01 31/01 02/03 01/04";
}

void TestChart::dateAxisLabels()
{
    QFETCH(QString, format);
    QFETCH(double, first);
    QFETCH(double, last);
    QFETCH(QString, labels);
    Chart chart(QStringLiteral("Chart1"));
    chart.bottomAxis().labels = ChartAxis::Labels::DateTime;
    chart.bottomAxis().dateFormat = format;
    chart.bottomAxis().increment = 30;
    ChartSeries *s = chart.addLine(QStringLiteral("Series1"), QStringLiteral("Radiación"), Qt::red);
    s->setDateTime(true);
    s->AddXY(first, 1);
    s->AddXY(last, 2);
    QCOMPARE(chart.axisLabels(Chart::AxisId::Bottom, kScreen).join(QLatin1Char(' ')), labels);
}

void TestChart::datesBeyondDecemberFollowIt()
{
    Chart chart(QStringLiteral("Chart1"));
    ChartSeries *s = chart.addLine(QStringLiteral("Series1"), QStringLiteral("Ra"), Qt::green);
    s->setMarksVisible(false);
    s->setDateTime(true);
    for (double x : {166.0, 319.0, 349.0, 355.0, 380.0, 411.0, 531.0})
        s->AddXY(x, x / 10);
    QCOMPARE(s->describe(), "166:16.6 319:31.9 349:34.9 355:35.5 380:38 411:41.1 531:53.1");
    const QList<QPointF> drawn = chart.drawnPoints(s, kScreen);
    QCOMPARE(drawn.size(), 7);
    QVERIFY(growsRightwards(drawn));
    const QRectF plot = chart.plotArea(kScreen);
    QCOMPARE(drawn.first().x(), plot.left());
    QCOMPARE(drawn.last().x(), plot.right());
}

void TestChart::clearAndRefillShowsOnlyTheNewPoints()
{
    Chart chart(QStringLiteral("Chart1"));
    ChartSeries *s = chart.addLine(QStringLiteral("Series1"), QStringLiteral("Ra"), Qt::green, ChartSeries::Axis::Right);
    s->AddXY(166, 388);
    s->AddXY(172, 386);
    s->Clear();
    QCOMPARE(s->describe(), QString());
    s->AddXY(166, 816);
    s->AddXY(172, 815);
    s->AddXY(196, 826);
    QCOMPARE(s->describe(), "166:816 172:815 196:826");
    QCOMPARE(chart.drawnPoints(s, kScreen).size(), 3);
    // Clearing keeps what the series is.
    QCOMPARE(s->title(), "Ra");
    QCOMPARE(s->color(), QColor(Qt::green));
    QVERIFY(s->axis() == ChartSeries::Axis::Right);
}

void TestChart::twelveOrdinalPointsFillTwelveSlots()
{
    const QStringList months{"Jul", "Ago", "Sep", "Oct", "Nov", "Dic", "Ene", "Feb", "Mar", "Abr", "May", "Jun"};
    Chart chart(QStringLiteral("Chart1"));
    chart.setBottomAxisMonthSlots();
    ChartSeries *bars = chart.addBars(QStringLiteral("Series1"), QStringLiteral("Precipitación"), Qt::green, 15);
    ChartSeries *line = chart.addLine(QStringLiteral("Series2"), QStringLiteral("Temperatura"), Qt::red);
    for (int k = 0; k < 12; ++k) {
        bars->Add(10.0 * k, months.at(k));
        line->Add(20.0 - k, months.at(k));
    }
    QCOMPARE(bars->describe(), "0:0 1:10 2:20 3:30 4:40 5:50 6:60 7:70 8:80 9:90 10:100 11:110");
    QCOMPARE(chart.axisLabels(Chart::AxisId::Bottom, kScreen), months);
    // The slots share the plot evenly, the first and last a half slot in from its edges.
    const QList<QPointF> drawn = chart.drawnPoints(line, kScreen);
    const QRectF plot = chart.plotArea(kScreen);
    const double slot = plot.width() / 12;
    QCOMPARE(drawn.size(), 12);
    for (int k = 0; k < 12; ++k)
        QVERIFY(std::fabs(drawn.at(k).x() - (plot.left() + (k + 0.5) * slot)) < 1e-6);
}

void TestChart::leftAxisRange_data()
{
    QTest::addColumn<QString>("range");
    QTest::addColumn<double>("increment");
    QTest::addColumn<double>("height");
    QTest::addColumn<QString>("labels");
    // A fixed range with increment 1 labels every hour where there is room, every second hour
    // where there is not; a fixed minimum with an automatic maximum ends on a step past the data.
    QTest::newRow("4 to 22, tall") << "fixed" << 1.0 << 700.0
                                   << "4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22";
    QTest::newRow("4 to 22, short") << "fixed" << 1.0 << 360.0 << "4 6 8 10 12 14 16 18 20 22";
    QTest::newRow("from 0, 1050 at most") << "minimum" << 10.0 << 420.0
                                          << "0 100 200 300 400 500 600 700 800 900 1000 1100";
    QTest::newRow("automatic") << "automatic" << 0.0 << 420.0
                               << "350 400 450 500 550 600 650 700 750 800 850 900 950 1000 1050";
}

void TestChart::leftAxisRange()
{
    QFETCH(QString, range);
    QFETCH(double, increment);
    QFETCH(double, height);
    QFETCH(QString, labels);
    Chart chart(QStringLiteral("Chart1"));
    if (range == QLatin1String("fixed"))
        chart.leftAxis().setFixed(4, 22);
    else if (range == QLatin1String("minimum"))
        chart.leftAxis().setMinimumFixed(0);
    chart.leftAxis().increment = increment;
    ChartSeries *s = chart.addLine(QStringLiteral("Series1"), QStringLiteral("Ra"), Qt::green);
    if (range == QLatin1String("fixed")) {
        s->AddXY(0, 9.7);
        s->AddXY(1, 14.3);
    } else {
        s->AddXY(0, 386);
        s->AddXY(1, 1050);
    }
    QCOMPARE(chart.axisLabels(Chart::AxisId::Left, QSizeF(900, height)).join(QLatin1Char(' ')), labels);
}

void TestChart::missingValuesAreNeitherDrawnNorScaled()
{
    Chart chart(QStringLiteral("Chart1"));
    ChartSeries *s = chart.addLine(QStringLiteral("Series1"), QStringLiteral("Rg"), Qt::red);
    s->AddXY(0, 10);
    s->AddXY(1, std::numeric_limits<double>::quiet_NaN());
    s->AddXY(2, std::numeric_limits<double>::infinity());
    s->AddXY(3, 30);
    QCOMPARE(chart.drawnPoints(s, kScreen).size(), 2);
    const QString labels = chart.axisLabels(Chart::AxisId::Left, kScreen).join(QLatin1Char(' '));
    QVERIFY2(!labels.contains(QLatin1String("nan"), Qt::CaseInsensitive) && !labels.contains(QLatin1String("inf"), Qt::CaseInsensitive),
             qPrintable(labels));
    QCOMPARE(labels, "10 12 14 16 18 20 22 24 26 28 30");
}

void TestChart::titleLinesAndHiddenTitle()
{
    Chart chart(QStringLiteral("Chart1"));
    chart.titleAdd(QStringLiteral("Marcha anual de la Radiación"));
    chart.titleClear();
    chart.titleAdd(QStringLiteral("Balance hidrológico climático"));
    chart.titleAdd(QStringLiteral("Azul"));
    QCOMPARE(chart.titleLines().join(QLatin1Char('|')), "Balance hidrológico climático|Azul");
    // Two title lines take room from the plot; a hidden title takes none.
    const double withTitle = chart.plotArea(kScreen).top();
    chart.setTitleVisible(false);
    QVERIFY(chart.plotArea(kScreen).top() < withTitle);
    QCOMPARE(chart.titleLines().size(), 2);
}

void TestChart::emptyChartsReadTheSameOnScreenAndPaper_data()
{
    QTest::addColumn<QString>("bottom");
    QTest::addColumn<QString>("months");
    const QString june = QStringLiteral("Jun Jul Ago Sep Oct Nov Dic Ene Feb Mar Abr May Jun");
    const QString july = QStringLiteral("Jul Ago Sep Oct Nov Dic Ene Feb Mar Abr May Jun");
    QTest::newRow("dates") << "dates" << june;
    QTest::newRow("month slots") << "slots" << july;
    QTest::newRow("text labels") << "text" << july;
}

void TestChart::emptyChartsReadTheSameOnScreenAndPaper()
{
    QFETCH(QString, bottom);
    QFETCH(QString, months);
    Chart chart(QStringLiteral("Chart1"));
    if (bottom == QLatin1String("dates")) {
        chart.bottomAxis().labels = ChartAxis::Labels::DateTime;
        chart.bottomAxis().increment = 30;
    } else if (bottom == QLatin1String("slots")) {
        chart.setBottomAxisMonthSlots();
    } else {
        chart.bottomAxis().labels = ChartAxis::Labels::Text;
    }
    chart.leftAxis().setMinimumFixed(0);
    ChartSeries *s = chart.addLine(QStringLiteral("Series1"), QStringLiteral("Ra"), Qt::red);
    s->setDateTime(bottom == QLatin1String("dates"));
    s->AddXY(166, 816);
    s->Clear();
    // A chart on a screen and a tall one on a report page.
    for (const QSizeF size : {kScreen, QSizeF(780, 740)}) {
        QCOMPARE(chart.axisLabels(Chart::AxisId::Bottom, size).join(QLatin1Char(' ')), months);
        QCOMPARE(chart.axisLabels(Chart::AxisId::Left, size).join(QLatin1Char(' ')), "0 2 4 6 8 10");
    }
}

void TestChart::drawsAsVectorsOnPdf()
{
    if (!test::havePdfTools())
        QSKIP("poppler tools (pdftotext, pdfimages, pdfinfo) are not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.pdf"));
    Chart chart(QStringLiteral("QRChart1"));
    chart.titleAdd(QStringLiteral("Azul"));
    chart.bottomAxis().labels = ChartAxis::Labels::DateTime;
    chart.bottomAxis().increment = 30;
    chart.bottomAxis().title = QStringLiteral("Meses del año");
    chart.leftAxis().setFixed(4, 22);
    chart.leftAxis().title = QStringLiteral("Horas");
    ChartSeries *s = chart.addLine(QStringLiteral("Series1"), QStringLiteral("Fotoperíodo"), Qt::darkGreen);
    s->setPen(4, Qt::DashLine);
    s->setPointMarkers(true);
    s->setDateTime(true);
    s->AddXY(166, 10.8);
    s->AddXY(355, 15.5);
    s->AddXY(531, 10.8);
    {
        QPdfWriter writer(path);
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        QPainter painter(&writer);
        const double scale = writer.resolution() / 96.0;
        painter.scale(scale, scale);
        chart.render(&painter, QRectF(0, 0, 700, 420));
    }
    const QStringList lines = test::pdfLines(path);
    QCOMPARE(lines.value(0), "Azul");
    QVERIFY2(lines.contains(QStringLiteral("Jun Jul Ago Sep Oct Nov Dic Ene Feb Mar Abr May Jun")), qPrintable(lines.join('\n')));
    QVERIFY(lines.contains(QStringLiteral("Meses del año")));
    QVERIFY(lines.contains(QStringLiteral("Fotoperíodo")));
    QCOMPARE(test::pdfImageCount(path), 0);
}

QTEST_MAIN(TestChart)
#include "tst_chart.moc"
