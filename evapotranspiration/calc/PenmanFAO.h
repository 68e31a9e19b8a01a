#pragma once

#include <array>

namespace verdeval {

// Reference evapotranspiration by the Penman-Monteith combination equation in the FAO form,
// from monthly means, with the soil heat flux taken from the neighbouring months. Each
// quantity is computed for all twelve months (January first) before the next.
namespace PenmanFAO {

using Meses = std::array<double, 12>;

// Days of each month as the method counts them: February 28.2.
inline constexpr Meses diasMes{31, 28.2, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

struct Datos {
    Meses T{}, Tx{}, Tn{}; // mean, mean maximum, mean minimum temperature, °C
    Meses n{};             // effective heliophany, hours/day
    Meses HR{};            // relative humidity, %
    Meses N{};             // astronomical day length, hours
    Meses RMJ{};           // extraterrestrial radiation, MJ/m2/day
    Meses P{};             // atmospheric pressure, hPa
    Meses V{};             // wind speed, km/h
    double z = 0;          // station altitude, m
    double h = 0;          // anemometer height, m
    double albedo = 0;     // %
};

// Every step, month by month.
struct Pasos {
    Meses P{};      // pressure, kPa
    Meses u{};      // wind at the anemometer, m/s
    Meses u2{};     // wind at 2 m, m/s
    Meses Rs{};     // global radiation, MJ/m2/day
    Meses Rso{};    // clear-sky radiation
    Meses fc{};     // cloudiness factor
    Meses eox{};    // saturation vapour pressure at the mean maximum, kPa
    Meses eon{};    // and at the mean minimum
    Meses ea{};     // actual vapour pressure
    Meses VPD{};    // vapour pressure deficit
    Meses fe{};     // humidity factor
    Meses Rns{};    // net short-wave radiation
    Meses Rnl{};    // net long-wave radiation
    Meses G{};      // soil heat flux
    Meses lambda{}; // latent heat of vaporisation, MJ/kg
    Meses Delta{};  // slope of the vapour pressure curve, kPa/°C
    Meses gamma{};  // psychrometric constant, kPa/°C
    Meses gammaM{}; // modified psychrometric constant
    Meses Rn{};     // net radiation
    Meses W{};      // aerodynamic term
    Meses ET0{};    // mm/day
    Meses ETPM{};   // mm/month
};

// Saturation vapour pressure at t °C, kPa.
double presionSaturacion(double t);

// All steps. An anemometer height of 0.08 m makes the wind profile's logarithm infinite
// ("Floating point division by zero"), a lower one leaves it without value ("Invalid floating
// point operation"); every other impossible operation raises its error too.
Pasos calcular(const Datos &d);

} // namespace PenmanFAO

} // namespace verdeval
