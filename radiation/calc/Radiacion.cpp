#include "radiation/calc/Radiacion.h"

#include "platform/core/CheckedMath.h"
#include "radiation/calc/GeometriaSolar.h"

#include <cmath>

namespace verdeval::Radiacion {

double astronomica(double D, double rho2, double phi)
{
    const GeometriaSolar g = GeometriaSolar::calcular(D, phi);
    const double d = g.declinacion;
    return (constanteSolar / rho2) * (24 * 60 / M_PI)
         * (g.omegaS * std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::sin(g.omegaS));
}

double global(double n, double N, double Ra)
{
    return fp::checked((angstromA + angstromB * fp::divide(n, N)) * Ra);
}

std::array<double, CalendarioAstronomico::cantidad> astronomicaFechas(double latitud)
{
    const double phi = aRadianes(latitud);
    std::array<double, CalendarioAstronomico::cantidad> ra{};
    for (int k = 0; k < CalendarioAstronomico::cantidad; ++k) {
        const FechaAstronomica &f = CalendarioAstronomico::fechas[k];
        ra[k] = astronomica(f.D, f.rho2, phi);
    }
    return ra;
}

Mensual mensual(double latitud, const std::array<double, CalendarioMensual::cantidad> &n)
{
    const double phi = aRadianes(latitud);
    Mensual m;
    for (int k = 0; k < CalendarioMensual::cantidad; ++k) {
        const FechaAstronomica &f = CalendarioMensual::mes(k);
        m.N[k] = GeometriaSolar::calcular(f.D, phi).N;
        m.Ra[k] = astronomica(f.D, f.rho2, phi);
        m.Rg[k] = global(n[k], m.N[k], m.Ra[k]);
    }
    return m;
}

Resultado calcular(double latitud, const std::array<double, CalendarioMensual::cantidad> &n)
{
    Resultado r;
    r.RaFechas = astronomicaFechas(latitud);
    r.meses = mensual(latitud, n);
    return r;
}

} // namespace verdeval::Radiacion
