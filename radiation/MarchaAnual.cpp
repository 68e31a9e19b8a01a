#include "radiation/MarchaAnual.h"

#include "output/Chart.h"

#include <QEvent>
#include <QLabel>

namespace verdeval::MarchaAnual {

void ejeDeFechas(Chart &chart, const QString &tituloInicial)
{
    ChartAxis &x = chart.bottomAxis();
    x.labels = ChartAxis::Labels::DateTime;
    x.dateFormat = QStringLiteral("MMM");
    x.increment = 30;
    x.title = QStringLiteral("Meses del año");
    titulo(chart, tituloInicial);
}

void titulo(Chart &chart, const QString &linea)
{
    chart.titleClear();
    chart.titleAdd(linea);
}

namespace {
void empezar(ChartSeries &serie, double junio)
{
    serie.Clear();
    serie.setMarksVisible(false);
    serie.setDateTime(true);
    serie.AddXY(inicioGrafico, junio);
}
} // namespace

void llenarFechas(ChartSeries &serie, const std::array<double, CalendarioAstronomico::cantidad> &valores)
{
    empezar(serie, valores[CalendarioAstronomico::cantidad - 1]);
    for (int k = 0; k < CalendarioAstronomico::cantidad; ++k)
        serie.AddXY(CalendarioAstronomico::fechas[k].X, valores[k]);
}

void llenarMeses(ChartSeries &serie, const std::array<double, CalendarioMensual::cantidad> &valores)
{
    empezar(serie, valores[CalendarioMensual::cantidad - 1]);
    for (int k = 0; k < CalendarioMensual::cantidad; ++k)
        serie.AddXY(CalendarioMensual::mes(k).X, valores[k]);
}

bool algunaVacia(const Screen &screen, const QString &prefix, int count)
{
    for (int k = 1; k <= count; ++k)
        if (screen.text(prefix, k).isEmpty())
            return true;
    return false;
}

void vaciarFila(Screen &screen, const QString &prefix, int count)
{
    for (int k = 1; k <= count; ++k)
        screen.setText(prefix, k, QString());
}

} // namespace verdeval::MarchaAnual
