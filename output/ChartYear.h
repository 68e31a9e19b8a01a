#pragma once

#include <QString>
#include <array>

namespace verdeval {

class Chart;
class ChartSeries;

// Monthly charts draw the year from July to June: twelve ordinal points labelled "Jul" to
// "Jun", on a bottom axis fixed to their twelve slots (Chart::setBottomAxisMonthSlots).
namespace chartYear {

// The chart title replaced by one line (the station name).
void setTitle(Chart &chart, const QString &line);

// Empties the series, hides its value marks and adds the twelve monthly values, given January
// first, from July to December and then January to June, each with its month label.
void fill(ChartSeries &series, const std::array<double, 12> &janToDec);

} // namespace chartYear

} // namespace verdeval
