#pragma once

#include "radiation/calc/CalendarioAstronomico.h"

#include <array>

namespace verdeval {

// Astronomical heliophany (sunrise to sunset) and photoperiod (the day including civil
// twilight, while the sun stands higher than 6 degrees below the horizon), in hours, on the
// sixteen dates of CalendarioAstronomico.
namespace Heliofania {

using PorFecha = std::array<double, CalendarioAstronomico::cantidad>;

// The sun's depression at the end of civil twilight: -6 degrees, in radians.
inline constexpr double crepusculoCivil = -0.10471975511965977;

// Photoperiod at latitude phi for the declination delta (radians). Where the sun never sinks
// 6 degrees below the horizon the twilight angle has no value: "Invalid floating point
// operation".
double fotoperiodo(double phi, double delta);

// Astronomical heliophany N of the sixteen dates at a signed latitude in degrees.
PorFecha astronomica(double latitud);
// Photoperiod P of the sixteen dates at a signed latitude in degrees.
PorFecha fotoperiodos(double latitud);

} // namespace Heliofania

} // namespace verdeval
