#pragma once

#include "platform/core/Messages.h"

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

class CalcOutput;

// The latitude step of a calculation: with a valid hemisphere letter the boxes are converted
// (a bad text raises the conversion error naming its box) and `held` becomes the new latitude;
// with any other letter the hemisphere message goes out and the calculation goes on with
// `held` as it was (zero before the first accepted latitude). Returns the latitude to use.
double checkLatitude(const QString &degrees, const QString &minutes, const QString &hemisphere, double &held,
                     CalcOutput &out, const QString &message = msg::hemisphere);

} // namespace verdeval
