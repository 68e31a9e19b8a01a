#pragma once

#include "evapotranspiration/calc/Evapotranspiracion.h"

#include <QList>
#include <QString>

class QLabel;

namespace verdeval {

class ChartSeries;
class Screen;
namespace kit {
class MonthTable;
}

// The four result rows that the entry screen, the results screen and the report show alike,
// and the lines drawn from them.
namespace TablaETP {

inline const QString titulo = QStringLiteral("Resultados de Evapotranspiración Potencial (mm/mes)");

// Adds the four rows of cells (twelve months and the annual total) to the table, each caption
// preceded by `antes`; returns the caption labels.
QList<QLabel *> agregarFilas(kit::MonthTable &tabla, const QString &antes = QString());

// The 52 cells from the held results, in the general number format.
void escribir(Screen &pantalla, const TResultadosETP &resultados);
// Empties the 48 month cells, and with `totales` the four total cells too.
void vaciar(Screen &pantalla, bool totales);

// Empties the series and adds the twelve months from July to June, each labelled with its
// month text, so that they stand at 0 to 11 on the bottom axis; value marks hidden.
void llenarSerie(ChartSeries &serie, const Evapotranspiracion::Meses &valores);

} // namespace TablaETP

} // namespace verdeval
