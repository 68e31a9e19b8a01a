#include "climatogram/UnitReporteClimatograma.h"

#include "output/Chart.h"
#include "platform/Widgets.h"

#include <QVBoxLayout>

namespace verdeval {

TForm7::TForm7(ScreenHost &host) : ReportLayout(host, "TForm7", QStringLiteral("Climatograma"))
{
}

void TForm7::buildReport()
{
    addHeadingBlock();
    addTitle(QStringLiteral("Climatograma"));

    kit::MonthTable *table = addMonthTable(QStringLiteral("Meses"), kit::monthsJanDec);
    table->addCellRow(QStringLiteral("Precipitación"), QStringLiteral("EEP"));
    table->lastTitle()->setObjectName(QStringLiteral("QRTor"));
    table->addCellRow(QStringLiteral("Temperatura"), QStringLiteral("EDP"));
    table->lastTitle()->setObjectName(QStringLiteral("QRLabel1"));
    pageLayout()->addSpacing(8);

    m_chart = addChart(QStringLiteral("QRChart1"), 740);
    Chart *chart = m_chart;
    chart->setLegend(Chart::Legend::Below);
    chart->bottomAxis().title = QStringLiteral("Meses del año");
    chart->bottomAxis().labels = ChartAxis::Labels::Text;
    chart->leftAxis().title = QStringLiteral("Precipitación");
    chart->rightAxis().title = QStringLiteral("Temperatura");
    chart->addBars(QStringLiteral("Series1"), QStringLiteral("Precipitación"), kit::green, 15)->setMarksVisible(false);
    chart->addLine(QStringLiteral("Series2"), QStringLiteral("Temperatura"), Qt::red, ChartSeries::Axis::Right)
        ->setMarksVisible(false);
}

} // namespace verdeval
