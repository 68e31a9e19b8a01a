#pragma once

#include "radiation/calc/CalendarioAstronomico.h"

#include <QList>
#include <array>

namespace verdeval {

// The twelve months of the radiation year, July to June (month 1 = July, 7 = January,
// 12 = June): the 15th of each month, taken from the rows of CalendarioAstronomico.
namespace CalendarioMensual {

inline constexpr int cantidad = 12;

// Row of CalendarioAstronomico (0-based) of each month, July first.
inline constexpr std::array<int, cantidad> filas{1, 2, 3, 5, 6, 7, 9, 10, 11, 13, 14, 15};

// Month k (0 = July ... 11 = June).
inline constexpr const FechaAstronomica &mes(int k) { return CalendarioAstronomico::fechas[filas[k]]; }

// The columns (0-based) of the sixteen-date table under which the month cells stand.
QList<int> columnas();

} // namespace CalendarioMensual

} // namespace verdeval
