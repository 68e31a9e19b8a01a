#pragma once

#include <QStringList>

namespace verdeval {

// The month abbreviations over the columns of tables: the calendar year, and the year from
// the June solstice that the charts and the radiation tables run.
inline const QStringList monthsJanDec{"Ene", "Feb", "Mar", "Abr", "May", "Jun",
                                      "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"};
inline const QStringList monthsJulJun{"Jul", "Ago", "Sep", "Oct", "Nov", "Dic",
                                      "Ene", "Feb", "Mar", "Abr", "May", "Jun"};

} // namespace verdeval
