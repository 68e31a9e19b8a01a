#pragma once

#include <array>

namespace verdeval {

// The sun on the 15th of each month by Spencer's Fourier series, as the evapotranspiration
// methods use it: day angle, eccentricity correction, declination, sunset hour angle,
// extraterrestrial radiation and astronomical day length.
namespace SolSpencer {

// Day of the year of the 15th of each month in a year of 365 days, January first.
inline constexpr std::array<int, 12> diaMedioMes{15, 46, 74, 105, 135, 166, 196, 227, 258, 288, 319, 349};

struct Dia {
    double gamma; // day angle, radians
    double E0;    // eccentricity correction factor
    double delta; // declination, radians
    double omega; // sunset hour angle, radians
    double Ra;    // extraterrestrial radiation, cal/cm2/day
    double Rmm;   // the same as evaporation equivalent, mm/day
    double RMJ;   // the same in MJ/m2/day
    double N;     // astronomical day length, hours
};

// Day J of the year at latitude phi (radians). Where the sun does not set or does not rise
// that day (beyond about 66.7 degrees) the sunset angle has no value: "Invalid floating point
// operation".
Dia dia(int J, double phi);

// The twelve months, January first.
std::array<Dia, 12> meses(double phi);

} // namespace SolSpencer

} // namespace verdeval
