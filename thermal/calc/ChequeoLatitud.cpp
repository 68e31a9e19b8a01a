#include "thermal/calc/ChequeoLatitud.h"

#include "platform/core/CalcOutput.h"
#include "platform/core/Latitude.h"

namespace verdeval {

double chequearLatitud(const QString &grados, const QString &minutos, const QString &hemisferio, double &held,
                       CalcOutput &out, const QString &message)
{
    if (isValidHemisphere(hemisferio))
        held = signedLatitude(grados, minutos, hemisferio);
    else
        out.hemisphere(message);
    return held;
}

} // namespace verdeval
