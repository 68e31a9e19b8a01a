#pragma once

#include "platform/Screen.h"
#include "platform/core/NumberText.h"
#include "radiation/calc/CalendarioAstronomico.h"
#include "radiation/calc/CalendarioMensual.h"

#include <QHBoxLayout>
#include <QString>
#include <array>

namespace verdeval {

class Chart;
class ChartSeries;

// The pieces the radiation and heliophany screens and their reports share: a chart whose
// bottom axis runs through the year by dates, lines from mid-June to mid-June, and rows of
// value cells written from held values.
namespace MarchaAnual {

// Bottom axis of dates labelled with the month abbreviations, one label every 30 days,
// titled "Meses del año"; the title becomes the given line.
void ejeDeFechas(Chart &chart, const QString &titulo);

// The chart title replaced by a single line.
void titulo(Chart &chart, const QString &linea);

// Empties the series and draws the sixteen dates of CalendarioAstronomico: the first point
// at X = 166 with the value of date 16 (15 June), then one point per date.
void llenarFechas(ChartSeries &serie, const std::array<double, CalendarioAstronomico::cantidad> &valores);

// The same for the twelve months of CalendarioMensual: first point X = 166 with June's value.
void llenarMeses(ChartSeries &serie, const std::array<double, CalendarioMensual::cantidad> &valores);

// Writes prefix1..N in fixed notation with the given decimals.
template <size_t N>
void escribirFila(Screen &screen, const QString &prefix, const std::array<double, N> &valores, int decimales)
{
    for (size_t k = 0; k < N; ++k)
        screen.setText(prefix, int(k) + 1, floatToStrF(valores[k], decimales));
}

// Whether any of prefix1..N is empty.
bool algunaVacia(const Screen &screen, const QString &prefix, int count);

// Empties prefix1..N.
void vaciarFila(Screen &screen, const QString &prefix, int count);


} // namespace MarchaAnual

} // namespace verdeval

