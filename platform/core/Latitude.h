#pragma once

#include <QString>

namespace verdeval {

// The hemisphere letter must be exactly "S", "s", "N" or "n".
bool isSouth(const QString &hemisphere);
bool isNorth(const QString &hemisphere);
inline bool isValidHemisphere(const QString &h) { return isSouth(h) || isNorth(h); }

// Signed latitude in decimal degrees, south negative, from the texts of the degrees, minutes
// and hemisphere boxes. Minutes are converted before degrees. The hemisphere must be valid
// (callers check it first and keep their held latitude otherwise). A bad text names its box,
// EMinutos or EGrados.
double signedLatitude(const QString &degrees, const QString &minutes, const QString &hemisphere);

} // namespace verdeval
