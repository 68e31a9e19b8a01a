#pragma once

#include "radiation/calc/CalendarioAstronomico.h"
#include "radiation/calc/CalendarioMensual.h"

#include <array>

namespace verdeval {

// Astronomical (extraterrestrial) and global solar radiation, in calories per square
// centimetre per day.
namespace Radiacion {

inline constexpr double constanteSolar = 1.97; // cal/cm2/min
// Angstrom relation between global radiation and the fraction of bright sunshine.
inline constexpr double angstromA = 0.18;
inline constexpr double angstromB = 0.55;

// Daily astronomical radiation of a day at latitude phi (radians), from its day number and
// the squared Sun-Earth distance ratio.
double astronomica(double D, double rho2, double phi);

// Daily global radiation of a month with effective heliophany n hours and astronomical day
// length N hours; N = 0 (a day without sun) raises the division-by-zero error.
double global(double n, double N, double Ra);

// The sixteen Ra of CalendarioAstronomico at a signed latitude in degrees.
std::array<double, CalendarioAstronomico::cantidad> astronomicaFechas(double latitud);

// Per month, July to June: day length, astronomical and global radiation.
struct Mensual {
    std::array<double, CalendarioMensual::cantidad> N{};
    std::array<double, CalendarioMensual::cantidad> Ra{};
    std::array<double, CalendarioMensual::cantidad> Rg{};
};

// The monthly values at a signed latitude in degrees, from the twelve effective heliophany
// values n (hours a day, July first).
Mensual mensual(double latitud, const std::array<double, CalendarioMensual::cantidad> &n);

// The whole calculation: the sixteen Ra of the dates and the monthly N, Ra and Rg.
struct Resultado {
    std::array<double, CalendarioAstronomico::cantidad> RaFechas{};
    Mensual meses;
};
Resultado calcular(double latitud, const std::array<double, CalendarioMensual::cantidad> &n);

} // namespace Radiacion

} // namespace verdeval
