#include "waterbalance/GraficosBalance.h"

#include "output/Chart.h"
#include "output/ChartYear.h"
#include "platform/Widgets.h"

namespace verdeval::GraficosBalance {

namespace {

void titulo(Chart &chart, const QString &primera, const QString &estacion)
{
    chart.titleClear();
    chart.titleAdd(primera);
    chart.titleAdd(estacion);
}

// Empties the series and adds the twelve months from July to June, each with its label.
void llenar(Chart &chart, const char *serie, const BalanceHidrico::Meses &valores)
{
    chartYear::fill(*chart.series(QString::fromLatin1(serie)), valores);
}

BalanceHidrico::Meses todos(double valor)
{
    BalanceHidrico::Meses m;
    m.fill(valor);
    return m;
}

} // namespace

void preparar(Chart &chart)
{
    chart.setLegend(Chart::Legend::Below);
    chart.setBottomAxisMonthSlots();
    chart.bottomAxis().title = QStringLiteral("Meses");
    chart.leftAxis().title = QStringLiteral("Milímetros");
}

void llenarBalance(Chart &chart, const BalanceHidrico::Valores &v, const QString &estacion)
{
    titulo(chart, tituloBalance, estacion);
    llenar(chart, "Series1", v.P);
    llenar(chart, "Series2", v.ETP);
    llenar(chart, "Series3", v.ER);
    llenar(chart, "Series4", v.SH);
}

void llenarSuelo(Chart &chart, const BalanceHidrico::Valores &v, const QString &primera, const QString &estacion)
{
    titulo(chart, primera, estacion);
    llenar(chart, "Series5", v.SE);
    llenar(chart, "Series6", todos(v.CC));
    llenar(chart, "Series7", todos(v.PM));
    llenar(chart, "Series8", v.SC);
}

} // namespace verdeval::GraficosBalance
