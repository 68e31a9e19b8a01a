#include "evapotranspiration/TablaETP.h"

#include "output/Chart.h"
#include "output/ChartYear.h"
#include "platform/Screen.h"
#include "platform/Widgets.h"
#include "platform/core/NumberText.h"

namespace verdeval::TablaETP {

using Evapotranspiracion::celdas;

QList<QLabel *> agregarFilas(kit::MonthTable &tabla, const QString &antes)
{
    QList<QLabel *> out;
    for (int k = 0; k < Evapotranspiracion::cantidadMetodos; ++k) {
        tabla.addCellRow(antes + QLatin1String(celdas[k].rotulo), QLatin1String(celdas[k].prefijo), 12,
                         QLatin1String(celdas[k].total));
        out << tabla.lastTitle();
    }
    return out;
}

void escribir(Screen &pantalla, const TResultadosETP &resultados)
{
    for (int k = 0; k < Evapotranspiracion::cantidadMetodos; ++k) {
        const TResultadosETP::Metodo &r = resultados.metodos[k];
        for (int m = 1; m <= 12; ++m)
            pantalla.setText(QLatin1String(celdas[k].prefijo), m, floatToStr(r.meses[m - 1]));
        pantalla.setText(QLatin1String(celdas[k].total), floatToStr(r.total));
    }
}

void vaciar(Screen &pantalla, bool totales)
{
    for (const Evapotranspiracion::Celdas &c : celdas) {
        for (int m = 1; m <= 12; ++m)
            pantalla.setText(QLatin1String(c.prefijo), m, QString());
        if (totales)
            pantalla.setText(QLatin1String(c.total), QString());
    }
}

void llenarSerie(ChartSeries &serie, const Evapotranspiracion::Meses &valores) { chartYear::fill(serie, valores); }

} // namespace verdeval::TablaETP
