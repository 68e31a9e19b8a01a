#include "thermal/calc/HorasFrio.h"

#include "platform/core/CalcOutput.h"
#include "platform/core/CheckedMath.h"
#include "thermal/calc/ChequeoLatitud.h"
#include "platform/core/NumberText.h"

#include <algorithm>

namespace verdeval::HorasFrio {

namespace {
constexpr int julio = 6;
} // namespace

double totales(double Tw, double Ta)
{
    return fp::checked(3929.918 - 54.863 * Tw - 372.3126 * Ta + 1.859 * Tw * Ta + 0.2438 * Tw * Tw
                       + 9.3897 * Ta * Ta);
}

double segundaRegresion(double Tw, double Ta)
{
    return fp::checked(3954.044 + 130.7831 * Tw - 511.3522 * Ta - 21.9695 * Tw * Ta + 5.9973 * Tw * Tw
                       + 24.2979 * Ta * Ta);
}

double corregidas(double HFT, double Q) { return HFT > umbralCorregidas ? Q : HFT; }

double baseEfectivas(double HFT, double Q) { return HFT > umbralEfectivas ? Q : HFT; }

double reduccionJulio(double t)
{
    if (t < julioSinReduccion)
        return 0;
    if (t > julioSinHoras)
        return 100;
    const double t2 = t * t;
    const double r = 0.042 * t2 * t2 - 0.4748 * t2 * t + 2.3699 * t2 + 0.2102 * t - 0.653;
    return std::clamp(r, 0.0, 100.0);
}

void calcular(const Entrada &entrada, Valores &v, CalcOutput &out)
{
    chequearLatitud(entrada.grados, entrada.minutos, entrada.hemisferio, v.latitud, out);

    for (int m = 0; m < 12; ++m)
        v.Tmin[m] = strToFloat(entrada.Tmi.value(m), QStringLiteral("ETmi%1").arg(m + 1));

    double suma = 0;
    for (double t : v.Tmin)
        suma += t;
    v.Ta = fp::checked(suma / 12);
    out.cell(QStringLiteral("ETmiT"), floatToStrF(v.Ta, 1));

    // Winter: May to September.
    double invierno = 0;
    for (int m = 4; m <= 8; ++m)
        invierno += v.Tmin[m];
    v.Tw = fp::checked(invierno / 5);

    v.HFT = totales(v.Tw, v.Ta);
    v.Q = segundaRegresion(v.Tw, v.Ta);
    v.HFC = corregidas(v.HFT, v.Q);
    v.HF1000 = baseEfectivas(v.HFT, v.Q);
    out.cell(QStringLiteral("EHFT"), floatToStrF(v.HFT, 1));
    out.cell(QStringLiteral("EHFC"), floatToStrF(v.HFC, 1));

    const double t = v.Tmin[julio];
    v.reduccion = reduccionJulio(t);
    if (t < julioSinReduccion)
        v.HFE = v.HF1000;
    else if (t > julioSinHoras)
        v.HFE = 0;
    else
        v.HFE = fp::checked(v.HF1000 - v.HF1000 * v.reduccion / 100);
    out.cell(QStringLiteral("EHFE"), floatToStrF(v.HFE, 1));
}

} // namespace verdeval::HorasFrio
