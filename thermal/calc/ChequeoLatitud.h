#pragma once

#include "platform/core/Messages.h"

#include <QString>

namespace verdeval {

class CalcOutput;

// The latitude step that opens the chill hours and temperature sum calculations, although
// neither uses the latitude: with a valid hemisphere letter the boxes are converted (a bad
// text raises the conversion error naming its box) and `held` becomes the new latitude; with
// any other letter the hemisphere message goes out and the calculation goes on with `held` as
// it was (zero before the first accepted latitude). Returns the latitude to use.
double chequearLatitud(const QString &grados, const QString &minutos, const QString &hemisferio, double &held,
                       CalcOutput &out, const QString &message = msg::hemisphere);

} // namespace verdeval
