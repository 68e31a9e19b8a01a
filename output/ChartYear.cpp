#include "output/ChartYear.h"

#include "output/Chart.h"
#include "platform/Widgets.h"

namespace verdeval::chartYear {

void setTitle(Chart &chart, const QString &line)
{
    chart.titleClear();
    chart.titleAdd(line);
}

void fill(ChartSeries &series, const std::array<double, 12> &janToDec)
{
    series.Clear();
    series.setMarksVisible(false);
    for (int k = 0; k < 12; ++k)
        series.Add(janToDec[(k + 6) % 12], kit::monthsJulJun.at(k));
}

} // namespace verdeval::chartYear
