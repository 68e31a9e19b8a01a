#include "location/calc/SeriesRule.h"

#include "platform/core/NumberText.h"

#include <array>

namespace verdeval {

void applySeriesRule(QStringList &texts)
{
    while (texts.size() < 12)
        texts << QString();
    if (texts.size() > 12)
        texts = texts.mid(0, 12);
    if (texts.first().isEmpty())
        return;
    // Convert all twelve before rewriting any, so a bad month leaves the series as read.
    std::array<double, 12> values;
    for (int m = 0; m < 12; ++m)
        values[m] = strToFloat(texts.at(m));
    for (int m = 0; m < 12; ++m)
        texts[m] = floatToStrF(values[m], 1);
}

} // namespace verdeval
