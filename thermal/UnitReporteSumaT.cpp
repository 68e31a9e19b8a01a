#include "thermal/UnitReporteSumaT.h"

#include "output/Chart.h"
#include "platform/Widgets.h"

#include <QVBoxLayout>

namespace verdeval {

TForm6::TForm6(ScreenHost &host) : ReportLayout(host, "TForm6", QStringLiteral("Suma de Temperatura"))
{
}

void TForm6::buildReport()
{
    setWindowTitle(QStringLiteral("Reporte"));
    addHeadingBlock();
    addTitle(QStringLiteral("Resultados Suma de Temperatura"));

    kit::MonthTable *table = addMonthTable(QStringLiteral("Meses"), kit::monthsJanDec);
    const struct {
        const char *caption;
        const char *prefix;
    } rows[] = {
        {"Grados Días", "EEP"}, {"Gd sobre 0º", "EDP"}, {"Gd sobre 10º", "EAL"}, {"Gd sobre 15º", "EDAL"},
    };
    for (const auto &r : rows)
        table->addCellRow(QString::fromUtf8(r.caption), QString::fromLatin1(r.prefix));
    pageLayout()->addSpacing(8);

    m_chart = addChart(QStringLiteral("QRChart1"), 700);
    Chart *chart = m_chart;
    chart->setLegend(Chart::Legend::Below);
    chart->bottomAxis().title = QStringLiteral("Meses del año");
    chart->bottomAxis().labels = ChartAxis::Labels::Text;
    chart->leftAxis().title = QStringLiteral("Grados día");
    chart->leftAxis().setMinimumFixed(0);
    const struct {
        const char *name;
        const char *title;
        QColor color;
    } series[] = {
        {"Series5", "Grados Días", Qt::red},
        {"Series6", "Gd sobre 0º", kit::green},
        {"Series7", "Gd sobre 10º", QColor(0xFF, 0x80, 0x00)},
        {"Series8", "Gd sobre 15º", Qt::blue},
    };
    for (const auto &s : series)
        chart->addLine(QString::fromLatin1(s.name), QString::fromUtf8(s.title), s.color)->setMarksVisible(false);
}

} // namespace verdeval
