#include "radiation/calc/Heliofania.h"

#include "platform/core/CheckedMath.h"
#include "radiation/calc/GeometriaSolar.h"

#include <cmath>

namespace verdeval::Heliofania {

double fotoperiodo(double phi, double delta)
{
    const double c = fp::divide(std::sin(crepusculoCivil) - std::sin(phi) * std::sin(delta),
                                std::cos(phi) * std::cos(delta));
    const double omegaC = fp::arccos(c);
    return omegaC * (360 / (2 * M_PI)) * 0.13333333333333333;
}

PorFecha astronomica(double latitud)
{
    const double phi = aRadianes(latitud);
    PorFecha n{};
    for (int k = 0; k < CalendarioAstronomico::cantidad; ++k)
        n[k] = GeometriaSolar::calcular(CalendarioAstronomico::fechas[k].D, phi).N;
    return n;
}

PorFecha fotoperiodos(double latitud)
{
    const double phi = aRadianes(latitud);
    PorFecha p{};
    for (int k = 0; k < CalendarioAstronomico::cantidad; ++k) {
        const GeometriaSolar g = GeometriaSolar::calcular(CalendarioAstronomico::fechas[k].D, phi);
        p[k] = fotoperiodo(phi, g.declinacion);
    }
    return p;
}

} // namespace verdeval::Heliofania
