#include "waterbalance/UnitReporteBHC.h"

#include "output/Chart.h"
#include "platform/Widgets.h"
#include "waterbalance/GraficosBalance.h"
#include "waterbalance/UnitBHC.h"

#include <QVBoxLayout>

namespace verdeval {

TForm5::TForm5(ScreenHost &host) : ReportLayout(host, "TForm5", QStringLiteral("Balance Hidrológico Climático"))
{
}

void TForm5::buildReport()
{
    addHeadingBlock();
    addTitle(QStringLiteral("Resultados del Balance Hidrológico Climático"));

    kit::MonthTable *table = addMonthTable(QStringLiteral("Meses"), kit::monthsJanDec, QString(), 190);
    const struct {
        const char *caption;
        const char *prefix;
    } rows[] = {
        {"Evapotranspiración Potencial", "EEP"}, {"Precip.-Evapotranspiración", "EDP"},
        {"Almacenaje", "EAL"},                   {"    Almacenaje", "EDAL"},
        {"Evapotranspiración Real", "EER"},      {"Deficiencia", "EDE"},
        {"Exceso", "EEX"},
    };
    for (const auto &r : rows) {
        table->addCellRow(QString::fromUtf8(r.caption), QString::fromLatin1(r.prefix));
        if (QLatin1String(r.prefix) == QLatin1String("EDAL"))
            overlayDelta(table->lastTitle());
    }
    pageLayout()->addSpacing(6);

    auto makeChart = [this](const QString &name) {
        Chart *chart = addChart(name, 320);
        GraficosBalance::preparar(*chart);
        chart->setTitleColor(Qt::blue);
        return chart;
    };

    m_balance = makeChart(QStringLiteral("QRChart1"));
    m_balance->addBars(QStringLiteral("Series1"), QStringLiteral("Precipitación Media Mensual"), kit::lime, 15);
    m_balance->addLine(QStringLiteral("Series2"), QStringLiteral("EP"), kit::green);
    m_balance->addLine(QStringLiteral("Series3"), QStringLiteral("ER"), QColor(0xFF, 0x80, 0x00));
    m_balance->addLine(QStringLiteral("Series4"), QStringLiteral("Situación Hídrica"), Qt::blue);

    pageLayout()->addSpacing(6);
    m_suelo = makeChart(QStringLiteral("QRChart2"));
    m_suelo->leftAxis().setMinimumFixed(0);
    m_suelo->addLine(QStringLiteral("Series5"), QStringLiteral("Almacenaje más Exceso"), Qt::red);
    m_suelo->addLine(QStringLiteral("Series6"), QStringLiteral("Capacidad de Campo"), QColor(0x00, 0x00, 0xA0))->setPen(2);
    m_suelo->addLine(QStringLiteral("Series7"), QStringLiteral("Punto de Marchitez"), Qt::red);
    m_suelo->addLine(QStringLiteral("Series8"), QStringLiteral("Sequía Condicional"), Qt::blue);
    for (Chart *chart : {m_balance, m_suelo})
        for (ChartSeries *s : chart->allSeries()) {
            s->setMarksVisible(false);
            if (s->kind() == ChartSeries::Kind::Line && s->name() != QLatin1String("Series6"))
                s->setPen(1);
        }
}

} // namespace verdeval
