#include "radiation/UnitReporteHelofania.h"

#include "output/Chart.h"
#include "platform/Widgets.h"
#include "radiation/MarchaAnual.h"

namespace verdeval {

TForm3::TForm3(ScreenHost &host) : ReportLayout(host, "TForm3", QStringLiteral("Heliofanía Astronómica y Fotoperíodo"))
{
}

void TForm3::buildReport()
{
    addHeadingBlock();
    addTitle(QStringLiteral("Marcha anual de la Heliofanía Astronómica y el Fotoperíodo"));

    kit::MonthTable *tabla = addMonthTable(QStringLiteral("Meses"), CalendarioAstronomico::titulos());
    tabla->addCellRow(QStringLiteral("Heliofanía"), QStringLiteral("EH"), CalendarioAstronomico::cantidad);
    tabla->lastTitle()->setObjectName(QStringLiteral("QRTor"));
    tabla->addCellRow(QStringLiteral("Fotoperíodo"), QStringLiteral("EF"), CalendarioAstronomico::cantidad);
    tabla->lastTitle()->setObjectName(QStringLiteral("QRLabel1"));

    m_chart = addChart(QStringLiteral("QRChart1"), 740);
    MarchaAnual::ejeDeFechas(*m_chart, QStringLiteral("Marcha anual de la Heliofanía Astronómica y el Fotoperíodo"));
    m_chart->leftAxis().setFixed(4, 22);
    m_chart->leftAxis().increment = 1;
    m_chart->leftAxis().title = QStringLiteral("Horas");
    m_chart->setLegend(Chart::Legend::Below);
    ChartSeries *heliofania = m_chart->addLine(QStringLiteral("Series1"), QStringLiteral("Heliofanía"), Qt::red);
    heliofania->setPen(4, Qt::DashLine);
    ChartSeries *fotoperiodo = m_chart->addLine(QStringLiteral("Series2"), QStringLiteral("Fotoperíodo"), kit::green);
    fotoperiodo->setPen(4);
    ChartSeries *umbral = m_chart->addLine(QStringLiteral("Series3"), QStringLiteral("Umbral"), QColor(0x00, 0x00, 0x80));
    umbral->setPen(2);
    for (ChartSeries *s : {heliofania, fotoperiodo, umbral}) {
        s->setMarksVisible(false);
        s->setDateTime(true);
    }
}

} // namespace verdeval
