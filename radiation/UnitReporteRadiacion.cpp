#include "radiation/UnitReporteRadiacion.h"

#include "output/Chart.h"
#include "platform/Widgets.h"
#include "radiation/MarchaAnual.h"

namespace verdeval {

TForm4::TForm4(ScreenHost &host) : ReportLayout(host, "TForm4", QStringLiteral("Marcha anual de la Radiación"))
{
}

void TForm4::buildReport()
{
    addHeadingBlock();
    addTitle(QStringLiteral("Marcha anual de la Radiación"));

    kit::MonthTable *tabla = addMonthTable(QStringLiteral("Meses"), CalendarioAstronomico::titulos());
    tabla->addCellRow(QStringLiteral("R. Global"), QStringLiteral("ERG"), CalendarioMensual::cantidad, QString(),
                      CalendarioMensual::columnas());
    tabla->lastTitle()->setObjectName(QStringLiteral("QRTor"));
    tabla->addCellRow(QStringLiteral("R. Astronómica"), QStringLiteral("ERA"), CalendarioAstronomico::cantidad);
    tabla->lastTitle()->setObjectName(QStringLiteral("QRLabel1"));

    m_chart = addChart(QStringLiteral("QRChart1"), 740);
    MarchaAnual::ejeDeFechas(*m_chart, QStringLiteral("Marcha anual de la Radiación"));
    m_chart->leftAxis().setMinimumFixed(0);
    m_chart->leftAxis().title = QStringLiteral("Calorías/cm2 día");
    m_chart->setLegend(Chart::Legend::Below);
    ChartSeries *global = m_chart->addLine(QStringLiteral("Series1"), QStringLiteral("Rad. Global"), Qt::red);
    global->setPen(4, Qt::DashLine);
    ChartSeries *astronomica = m_chart->addLine(QStringLiteral("Series2"), QStringLiteral("Rad. Astron."), kit::green);
    astronomica->setPen(4);
    for (ChartSeries *s : {global, astronomica}) {
        s->setMarksVisible(false);
        s->setDateTime(true);
    }
}

} // namespace verdeval
