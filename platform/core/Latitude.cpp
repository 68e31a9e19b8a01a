#include "platform/core/Latitude.h"

#include "platform/core/NumberText.h"

namespace verdeval {

bool isSouth(const QString &h) { return h == QLatin1String("S") || h == QLatin1String("s"); }
bool isNorth(const QString &h) { return h == QLatin1String("N") || h == QLatin1String("n"); }

double signedLatitude(const QString &degrees, const QString &minutes, const QString &hemisphere)
{
    const double m = strToFloat(minutes, QStringLiteral("EMinutos"));
    const double g = strToFloat(degrees, QStringLiteral("EGrados"));
    if (isSouth(hemisphere))
        return -(m / 60.0) - g;
    return g + m / 60.0;
}

} // namespace verdeval
