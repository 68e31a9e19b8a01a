#include "evapotranspiration/calc/PenmanFAO.h"

#include "platform/core/CheckedMath.h"

namespace verdeval::PenmanFAO {

namespace {
using fp::checked;
using fp::divide;
using fp::power;
} // namespace

double presionSaturacion(double t)
{
    return checked(0.6108 * power(2.718282, divide(17.27 * t, t + 237.3)));
}

Pasos calcular(const Datos &d)
{
    Pasos p;
    const auto cadaMes = [](Meses &out, auto paso) {
        for (int m = 0; m < 12; ++m)
            out[m] = checked(paso(m));
    };
    cadaMes(p.P, [&](int m) { return d.P[m] / 10; });
    // Wind in km/h to m/s.
    cadaMes(p.u, [&](int m) { return d.V[m] / 3.6; });
    // The wind profile between the anemometer and 2 m, the same in every month.
    const double perfil = fp::ln(67.75 * d.h - 5.42);
    cadaMes(p.u2, [&](int m) { return divide(4.868 * p.u[m], perfil); });
    cadaMes(p.Rs, [&](int m) { return (0.25 + 0.5 * divide(d.n[m], d.N[m])) * d.RMJ[m]; });
    cadaMes(p.Rso, [&](int m) { return (0.75 + 2e-5 * d.z) * d.RMJ[m]; });
    cadaMes(p.fc, [&](int m) { return 1.35 * divide(p.Rs[m], p.Rso[m]) - 0.35; });
    cadaMes(p.eox, [&](int m) { return presionSaturacion(d.Tx[m]); });
    cadaMes(p.eon, [&](int m) { return presionSaturacion(d.Tn[m]); });
    cadaMes(p.ea, [&](int m) { return (p.eox[m] + p.eon[m]) * (d.HR[m] / 100) / 2; });
    cadaMes(p.VPD, [&](int m) { return (p.eon[m] + p.eox[m]) / 2 - p.ea[m]; });
    cadaMes(p.fe, [&](int m) { return 0.34 - 0.14 * power(p.ea[m], 0.5); });
    cadaMes(p.Rns, [&](int m) { return (1 - d.albedo / 100) * p.Rs[m]; });
    cadaMes(p.Rnl, [&](int m) {
        return 4.903e-9 * (power(d.Tx[m] + 273.15, 4) + power(d.Tn[m] + 273.15, 4)) / 2 * p.fe[m] * p.fc[m];
    });
    // From the following month's mean temperature and the preceding one's, the year closing on
    // itself.
    cadaMes(p.G, [&](int m) { return 0.07 * (d.T[(m + 1) % 12] - d.T[(m + 11) % 12]); });
    cadaMes(p.lambda, [&](int m) { return 2.501 - 0.002361 * d.T[m]; });
    cadaMes(p.Delta, [&](int m) { return divide(4098, power(d.T[m] + 237.3, 2)) * presionSaturacion(d.T[m]); });
    // From the measured pressure of the month; the altitude does not enter here.
    cadaMes(p.gamma, [&](int m) { return divide(0.0016286 * p.P[m], p.lambda[m]); });
    cadaMes(p.gammaM, [&](int m) { return p.gamma[m] * (1 + 0.34 * p.u2[m]); });
    cadaMes(p.Rn, [&](int m) { return p.Rns[m] - p.Rnl[m]; });
    cadaMes(p.W, [&](int m) { return divide(900 * p.u2[m], d.T[m] + 273.2); });
    cadaMes(p.ET0, [&](int m) {
        const double denominador = p.Delta[m] + p.gammaM[m];
        return divide(p.Delta[m], denominador) * divide(1, p.lambda[m]) * (p.Rn[m] - p.G[m])
             + divide(p.gamma[m], denominador) * p.W[m] * p.VPD[m];
    });
    cadaMes(p.ETPM, [&](int m) { return p.ET0[m] * diasMes[m]; });
    return p;
}

} // namespace verdeval::PenmanFAO
