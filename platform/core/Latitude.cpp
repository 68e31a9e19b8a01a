#include "platform/core/Latitude.h"

#include "platform/core/BoxTexts.h"
#include "platform/core/CalcOutput.h"
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

double signedLatitude(const BoxTexts &boxes, double &held, CalcOutput &out, const QString &message)
{
    const QString h = boxes.text(QStringLiteral("EHemisferio"));
    if (!isValidHemisphere(h)) {
        out.hemisphere(message);
        return held;
    }
    held = signedLatitude(boxes.text(QStringLiteral("EGrados")), boxes.text(QStringLiteral("EMinutos")), h);
    return held;
}

} // namespace verdeval
