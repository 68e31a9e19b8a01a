#include "radiation/calc/GeometriaSolar.h"

#include "platform/core/CheckedMath.h"

#include <cmath>

namespace verdeval {

double aRadianes(double grados) { return grados * M_PI / 180; }

GeometriaSolar GeometriaSolar::calcular(double D, double phi)
{
    GeometriaSolar g{};
    g.gamma = (D + 284) * 2 * M_PI / 365.242217;
    g.lambda = g.gamma + 0.007133 * std::sin(g.gamma) + 0.03268 * std::cos(g.gamma)
             - 0.000318 * std::sin(2 * g.gamma) + 0.000145 * std::cos(2 * g.gamma);
    const double declinacionGrados = 23.45 * std::sin(g.lambda);
    g.declinacion = declinacionGrados * M_PI / 180;
    g.omegaS = fp::arccos(-std::tan(phi) * std::tan(g.declinacion));
    g.N = g.omegaS * (360 / (2 * M_PI)) * 2 / 15;
    return g;
}

} // namespace verdeval
