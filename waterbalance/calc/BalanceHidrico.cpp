#include "waterbalance/calc/BalanceHidrico.h"

#include "platform/core/CalcOutput.h"
#include "platform/core/CheckedMath.h"
#include "platform/core/Latitude.h"
#include "platform/core/Messages.h"
#include "platform/core/NumberText.h"

#include <cmath>

namespace verdeval::BalanceHidrico {

namespace {

// Declination of the middle of each month, whole degrees and minutes, January first.
constexpr int declinacionGrados[12] = {-21, -13, -2, 9, 18, 23, 21, 14, 3, -8, -18, -23};
constexpr int declinacionMinutos[12] = {-15, -1, -27, 29, 40, 16, 39, 18, 20, -3, -16, -18};

// One month of the storage account from the storage it starts with: a dry month draws on
// the store exponentially, a wet one refills it up to the capacity.
double paso(double anterior, double D, double CC)
{
    if (D < 0)
        return fp::checked(anterior * fp::exp(fp::divide(D, CC)));
    if (anterior + D > CC)
        return CC;
    return fp::checked(anterior + D);
}

double suma(const Meses &valores)
{
    double total = 0;
    for (double x : valores)
        total += x;
    return fp::checked(total);
}

// The names prefix1..prefix12 of a row of boxes or cells, made once.
struct Nombres {
    explicit Nombres(const char *prefix)
    {
        for (int m = 0; m < 12; ++m)
            mes[m] = QString::fromLatin1(prefix) + QString::number(m + 1);
    }
    QString mes[12];
};

// A row of results, whole numbers, prefix1..prefix12 and then the annual cell if it has one.
// Every value is checked before the first cell changes, so a row is written whole or not at all.
void fila(CalcOutput &out, const Nombres &celdas, const Meses &valores, const QString &anual = QString(),
          double total = 0)
{
    for (double x : valores)
        fp::checked(x);
    for (int m = 0; m < 12; ++m)
        out.cell(celdas.mes[m], floatToStrF(valores[m], 0));
    if (!anual.isEmpty())
        out.cell(anual, floatToStrF(total, 0));
}

Meses calcularDeclinacion()
{
    Meses d{};
    for (int m = 0; m < 12; ++m)
        d[m] = aRadianes(declinacionMinutos[m] / 60.0 + declinacionGrados[m]);
    return d;
}

} // namespace

const Meses &declinacion()
{
    static const Meses d = calcularDeclinacion();
    return d;
}

Meses duracionDelDia(double phi)
{
    Meses N{};
    const double tanPhi = std::tan(phi);
    for (int m = 0; m < 12; ++m)
        N[m] = 2 * fp::arccos(-tanPhi * std::tan(declinacion()[m])) / 6.283185307179586 * 24;
    return N;
}

void almacenaje(const Meses &D, double CC, Meses &S, Meses &anterior)
{
    // The first sweep starts with January at capacity.
    S[0] = CC;
    anterior[0] = CC;
    for (int m = 1; m < 12; ++m) {
        anterior[m] = S[m - 1];
        S[m] = paso(anterior[m], D[m], CC);
    }
    for (int barrido = 2; barrido <= barridos; ++barrido) {
        // January starts from December as the previous sweep left it; that is the value it
        // changed from, also when December then changes again in this sweep.
        anterior[0] = S[11];
        S[0] = paso(anterior[0], D[0], CC);
        for (int m = 1; m < 12; ++m) {
            anterior[m] = S[m - 1];
            S[m] = paso(anterior[m], D[m], CC);
        }
    }
}

void calcular(const Entrada &entrada, Valores &v, CalcOutput &out)
{
    static const Nombres ET("ET"), EPP("EPP"), EEP("EEP"), EDP("EDP"), EAL("EAL"), EER("EER"), EDAL("EDAL"),
        EDE("EDE"), EEX("EEX");

    // Latitude: a letter other than S, s, N or n is reported and the held latitude stays.
    if (isValidHemisphere(entrada.hemisferio))
        v.latitud = signedLatitude(entrada.grados, entrada.minutos, entrada.hemisferio);
    else
        out.hemisphere(msg::hemisphere);
    v.phi = aRadianes(v.latitud);

    v.delta = declinacion();
    v.N = duracionDelDia(v.phi);

    for (int m = 0; m < 12; ++m)
        v.T[m] = strToFloat(entrada.T.value(m), ET.mes[m]);
    for (int m = 0; m < 12; ++m)
        v.P[m] = strToFloat(entrada.PP.value(m), EPP.mes[m]);

    // Thornthwaite: the heat index of each month and of the year, the exponent, the
    // unadjusted evapotranspiration, then the correction for day length and month length
    // (February always of 28 days).
    for (int m = 0; m < 12; ++m)
        v.i[m] = fp::power(v.T[m] / 5, 1.514);
    v.I = 0;
    for (double i : v.i)
        v.I += i;
    v.I = fp::checked(v.I);
    v.a = fp::checked(6.75e-7 * v.I * v.I * v.I - 7.71e-5 * v.I * v.I + 1.79e-2 * v.I + 0.49);
    for (int m = 0; m < 12; ++m)
        v.e[m] = fp::checked(16 * fp::power(fp::divide(10 * v.T[m], v.I), v.a));
    for (int m = 0; m < 12; ++m) {
        v.K[m] = v.N[m] / 12 * (diasDelMes[m] / 30.0);
        v.ETP[m] = fp::checked(v.e[m] * v.K[m]);
    }
    v.ETPanual = suma(v.ETP);
    fila(out, EEP, v.ETP, QStringLiteral("EEPT"), v.ETPanual);

    for (int m = 0; m < 12; ++m)
        v.D[m] = fp::checked(v.P[m] - v.ETP[m]);
    fila(out, EDP, v.D);

    v.CC = strToFloat(entrada.CC, QStringLiteral("ECC"));
    almacenaje(v.D, v.CC, v.S, v.anterior);
    fila(out, EAL, v.S);

    for (int m = 0; m < 12; ++m)
        v.ER[m] = fp::checked(v.D[m] > 0 ? v.ETP[m] : v.P[m] + v.anterior[m] - v.S[m]);
    v.ERanual = suma(v.ER);
    fila(out, EER, v.ER, QStringLiteral("EERT"), v.ERanual);

    for (int m = 0; m < 12; ++m)
        v.dS[m] = fp::checked(v.S[m] - v.anterior[m]);
    fila(out, EDAL, v.dS);

    for (int m = 0; m < 12; ++m)
        v.DEF[m] = fp::checked(v.ETP[m] - v.ER[m]);
    v.DEFanual = suma(v.DEF);
    fila(out, EDE, v.DEF, QStringLiteral("EDET"), v.DEFanual);

    for (int m = 0; m < 12; ++m)
        v.EXC[m] = v.anterior[m] + v.D[m] > v.CC ? fp::checked(v.D[m] + v.anterior[m] - v.CC) : 0.0;
    v.EXCanual = suma(v.EXC);
    fila(out, EEX, v.EXC, QStringLiteral("EEXT"), v.EXCanual);

    // The charts' lines.
    v.PM = v.CC / 2;
    for (int m = 0; m < 12; ++m) {
        v.SC[m] = (v.CC + v.PM) / 2;
        v.SH[m] = v.DEF[m] > 0 ? -v.DEF[m] : v.EXC[m];
        v.SE[m] = fp::checked(v.S[m] + v.EXC[m]);
    }
}

} // namespace verdeval::BalanceHidrico
