#include "evapotranspiration/calc/Evapotranspiracion.h"

#include "evapotranspiration/calc/PenmanFAO.h"
#include "platform/core/CalcOutput.h"
#include "platform/core/CheckedMath.h"
#include "platform/core/Errors.h"
#include "platform/core/Latitude.h"
#include "platform/core/Messages.h"
#include "platform/core/NumberText.h"
#include "radiation/calc/GeometriaSolar.h"

#include <algorithm>
#include <cmath>

namespace verdeval::Evapotranspiracion {

namespace {

using fp::checked;
using fp::divide;
using fp::power;

bool completa(const QStringList &fila)
{
    for (int k = 0; k < 12; ++k)
        if (fila.value(k).isEmpty())
            return false;
    return true;
}

// The twelve texts of a row, January first; a bad one names its box (prefix and month).
Meses leer(const QStringList &fila, const char *prefijo)
{
    Meses out{};
    for (int k = 0; k < 12; ++k) {
        try {
            out[k] = strToFloat(fila.value(k));
        } catch (const CalcError &e) {
            // The box's name is spelt out only when it is needed.
            throw CalcError(e.message(), QLatin1String(prefijo) + QString::number(k + 1));
        }
    }
    return out;
}

// The names of the result cells, method by method: the total, then the twelve months.
const std::array<std::array<QString, 13>, cantidadMetodos> &nombresDeCeldas()
{
    static const auto nombres = [] {
        std::array<std::array<QString, 13>, cantidadMetodos> n;
        for (int k = 0; k < cantidadMetodos; ++k) {
            n[k][0] = QLatin1String(celdas[k].total);
            for (int m = 1; m <= 12; ++m)
                n[k][m] = QLatin1String(celdas[k].prefijo) + QString::number(m);
        }
        return n;
    }();
    return nombres;
}

// A held value as its cell shows it, in the general number format: whole numbers, as every
// completed calculation leaves them, take the short way.
QString texto(double v)
{
    if (v == std::trunc(v) && std::fabs(v) < 1e15)
        return QString::number(static_cast<qlonglong>(v));
    return floatToStr(v);
}

// Thornthwaite's value for a month of 30 days of 12 hours.
Meses sinAjustar(const Meses &T, const IndiceCalorico &ic)
{
    Meses e{};
    for (int m = 0; m < 12; ++m)
        e[m] = checked(16 * power(divide(10 * T[m], ic.I), ic.a));
    return e;
}

// Corrected for the month's day length and number of days.
Meses ajustar(const Meses &e, const Sol &sol)
{
    Meses out{};
    for (int m = 0; m < 12; ++m)
        out[m] = checked((sol[m].N / 12) * (diasMes[m] / 30.0) * e[m]);
    return out;
}

} // namespace

IndiceCalorico indiceCalorico(const Meses &T)
{
    IndiceCalorico ic;
    for (int m = 0; m < 12; ++m) {
        ic.i[m] = power(T[m] / 5, 1.514);
        ic.I = checked(ic.I + ic.i[m]);
    }
    const double I = ic.I;
    ic.a = checked(6.75e-7 * I * I * I - 7.71e-5 * I * I + 1.792e-2 * I + 0.49239);
    return ic;
}

Meses thornthwaite(const Meses &T, const Sol &sol) { return ajustar(sinAjustar(T, indiceCalorico(T)), sol); }

Meses turc(const Meses &T, const Meses &n, const Meses &HR, const Sol &sol)
{
    Meses out{};
    for (int m = 0; m < 12; ++m) {
        const double Rg = checked(23.884 * sol[m].RMJ * (0.18 + 0.62 * divide(n[m], sol[m].N)));
        // Aridity factor: 1 from 50 % humidity up.
        const double c = checked(1 + (50 - std::min(HR[m], 50.0)) / 70);
        out[m] = checked(divide(T[m], T[m] + 15) * factorTurc[m] * (Rg + 50) * c);
    }
    return out;
}

Meses hargreaves(const Meses &T, const Meses &Tx, const Meses &Tn, const Sol &sol)
{
    Meses out{};
    for (int m = 0; m < 12; ++m)
        out[m] = checked(power(checked(Tx[m] - Tn[m]), 0.5) * (0.0023 * sol[m].Rmm) * (17.8 + T[m]) * diasMes[m]);
    return out;
}

TResultadosETP::Metodo redondeado(const Meses &valores)
{
    TResultadosETP::Metodo r;
    double suma = 0;
    for (int m = 0; m < 12; ++m) {
        suma = checked(suma + valores[m]);
        r.meses[m] = roundHalfEven(valores[m]);
    }
    r.total = roundHalfEven(suma);
    r.alcanzado = true;
    return r;
}

int calcular(const Entrada &entrada, Estado &estado, CalcOutput &out)
{
    std::array<Meses, cantidadMetodos> valores{};
    int alcanzados = 1;

    // Thornthwaite, from the mean temperatures and the latitude.
    const Meses T = leer(entrada.T, "ETMMe");
    const Meses e = sinAjustar(T, indiceCalorico(T));
    double latitud = estado.latitud;
    if (isValidHemisphere(entrada.hemisferio)) {
        latitud = signedLatitude(entrada.grados, entrada.minutos, entrada.hemisferio);
        estado.latitud = latitud;
    } else {
        out.hemisphere(msg::hemisphereEtp);
    }
    const Sol sol = SolSpencer::meses(aRadianes(latitud));
    valores[Thornthwaite] = ajustar(e, sol);

    // Turc and Hargreaves need the maxima and minima, the heliophany and the humidity of this
    // entry: without any of them the calculation ends with Thornthwaite.
    if (completa(entrada.Tx) && completa(entrada.Tn)) {
        const Meses Tx = leer(entrada.Tx, "ETMMa");
        const Meses Tn = leer(entrada.Tn, "ETMMi");
        if (completa(entrada.n) && completa(entrada.HR)) {
            const Meses n = leer(entrada.n, "EHE");
            const Meses HR = leer(entrada.HR, "EHR");
            valores[Turc] = turc(T, n, HR, sol);
            valores[Hargreaves] = hargreaves(T, Tx, Tn, sol);
            alcanzados = 3;

            // Penman-FAO also needs the pressure, the wind and the three single values.
            if (completa(entrada.P) && completa(entrada.V) && !entrada.altitud.isEmpty()
                && !entrada.anemometro.isEmpty() && !entrada.albedo.isEmpty()) {
                PenmanFAO::Datos d;
                d.T = T;
                d.Tx = Tx;
                d.Tn = Tn;
                d.n = n;
                d.HR = HR;
                for (int m = 0; m < 12; ++m) {
                    d.N[m] = sol[m].N;
                    d.RMJ[m] = sol[m].RMJ;
                }
                d.P = leer(entrada.P, "EPA");
                d.V = leer(entrada.V, "EVV");
                d.z = strToFloat(entrada.altitud, QStringLiteral("EAE"));
                d.h = strToFloat(entrada.anemometro, QStringLiteral("EAA"));
                d.albedo = strToFloat(entrada.albedo, QStringLiteral("EA"));
                valores[Penman] = PenmanFAO::calcular(d).ETPM;
                alcanzados = 4;
            }
        }
    }

    // The calculation has ended normally: the methods reached keep their rounded values.
    TResultadosETP resultados = estado.resultados;
    for (int k = 0; k < alcanzados; ++k)
        resultados.metodos[k] = redondeado(valores[k]);
    estado.resultados = resultados;

    const auto &nombres = nombresDeCeldas();
    for (int k = 0; k < alcanzados; ++k)
        out.cell(nombres[k][0], texto(resultados.metodos[k].total));
    for (int k = 0; k < alcanzados; ++k)
        for (int m = 0; m < 12; ++m)
            out.cell(nombres[k][m + 1], texto(resultados.metodos[k].meses[m]));
    return alcanzados;
}

} // namespace verdeval::Evapotranspiracion
