#include "evapotranspiration/calc/SolSpencer.h"

#include "platform/core/CheckedMath.h"

#include <cmath>

namespace verdeval::SolSpencer {

namespace {

// The latitude's terms, the same on every day.
struct Latitud {
    double sen, cos, tan;
    explicit Latitud(double phi) : sen(std::sin(phi)), cos(std::cos(phi)), tan(std::tan(phi)) {}
};

Dia dia(int J, const Latitud &lat)
{
    Dia d{};
    const double g = (J - 1) * 0.01721420632103996; // 2 pi / 365
    d.gamma = g;
    d.E0 = 1.00011 + 0.034221 * std::cos(g) + 0.00128 * std::sin(g) + 0.000719 * std::cos(2 * g)
         + 0.000077 * std::sin(2 * g);
    d.delta = 0.006918 - 0.399912 * std::cos(g) + 0.070257 * std::sin(g) - 0.006758 * std::cos(2 * g)
            + 0.000907 * std::sin(2 * g) - 0.002697 * std::cos(3 * g) + 0.00148 * std::sin(3 * g);
    // The arc cosine as the angle whose cosine is x and sine the root of 1 - x^2; outside -1..1
    // the root has no value (a polar day or night).
    const double x = fp::checked(-lat.tan * std::tan(d.delta));
    d.omega = std::atan2(fp::sqrt(1 - x * x), x);
    d.Ra = (d.omega * lat.sen * std::sin(d.delta) + lat.cos * std::cos(d.delta) * std::sin(d.omega)) * (898 * d.E0);
    d.Rmm = 0.01708 * d.Ra;
    d.RMJ = 0.041868 * d.Ra;
    d.N = 2 * (d.omega * 180 / M_PI) / 15;
    return d;
}

} // namespace

Dia dia(int J, double phi) { return dia(J, Latitud(phi)); }

std::array<Dia, 12> meses(double phi)
{
    const Latitud lat(phi);
    std::array<Dia, 12> out{};
    for (int m = 0; m < 12; ++m)
        out[m] = dia(diaMedioMes[m], lat);
    return out;
}

} // namespace verdeval::SolSpencer
