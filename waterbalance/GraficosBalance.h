#pragma once

#include "waterbalance/calc/BalanceHidrico.h"

#include <QString>

namespace verdeval {

class Chart;

// The two water balance charts, as the chart screen and the report draw them: twelve slots
// from July to June labelled with the months, the legend below, "Meses" and "Milímetros" on
// the axes. The series (Series1 to Series4 above, Series5 to Series8 below) keep the colours
// their screen or page gives them.
namespace GraficosBalance {

inline const QString tituloBalance = QStringLiteral("Balance hidrológico climático");

// Axes and legend of either chart.
void preparar(Chart &chart);

// Precipitation, potential and real evapotranspiration and the water situation of the kept
// values; the title becomes "Balance hidrológico climático" and the station.
void llenarBalance(Chart &chart, const BalanceHidrico::Valores &v, const QString &estacion);

// Storage plus excess against the capacity, the wilting point and the conditional drought
// line; the title becomes the given first line and the station.
void llenarSuelo(Chart &chart, const BalanceHidrico::Valores &v, const QString &titulo, const QString &estacion);

} // namespace GraficosBalance

} // namespace verdeval
