#include "thermal/calc/SumaTemperatura.h"

#include "platform/core/CalcOutput.h"
#include "platform/core/CheckedMath.h"
#include "thermal/calc/ChequeoLatitud.h"
#include "platform/core/NumberText.h"

namespace verdeval::SumaTemperatura {

namespace {

// A row of degree-days, prefix1..prefix12, then its annual sum in the hidden cell.
void fila(CalcOutput &out, const QString &prefix, const Meses &valores, double anual)
{
    for (int m = 0; m < 12; ++m)
        out.cell(prefix + QString::number(m + 1), floatToStrF(valores[m], 0));
    out.cell(prefix + QLatin1Char('T'), floatToStrF(anual, 0));
}

} // namespace

Meses gradosDia(const Meses &T, double base)
{
    Meses gd{};
    for (int m = 0; m < 12; ++m) {
        const double exceso = fp::checked(T[m] - base);
        gd[m] = exceso >= 0 ? fp::checked(exceso * diasDelMes[m]) : 0;
    }
    return gd;
}

double suma(const Meses &valores, int primero, int ultimo)
{
    double total = 0;
    for (int m = primero;; m = m % 12 + 1) {
        total += valores[m - 1];
        if (m == ultimo)
            break;
    }
    return fp::checked(total);
}

void calcular(const Entrada &entrada, Valores &v, CalcOutput &out)
{
    chequearLatitud(entrada.grados, entrada.minutos, entrada.hemisferio, v.latitud, out);

    for (int m = 0; m < 12; ++m)
        v.T[m] = strToFloat(entrada.T.value(m), QStringLiteral("ET%1").arg(m + 1));
    v.tb = strToFloat(entrada.tb, QStringLiteral("ETB"));

    // Every row is computed whole before it is written, and written before the next.
    const struct {
        Meses Valores::*gd;
        double Valores::*anual;
        double base;
        const char *prefix;
    } filas[] = {
        {&Valores::GDb, &Valores::anualB, v.tb, "EEP"},
        {&Valores::GD0, &Valores::anual0, 0, "EDP"},
        {&Valores::GD10, &Valores::anual10, 10, "EAL"},
        {&Valores::GD15, &Valores::anual15, 15, "EDAL"},
    };
    for (const auto &f : filas) {
        v.*f.gd = gradosDia(v.T, f.base);
        v.*f.anual = suma(v.*f.gd, 1, 12);
        fila(out, QString::fromLatin1(f.prefix), v.*f.gd, v.*f.anual);
    }

    v.invernoPrimaveral = suma(v.GDb, invernoPrimaveralDesde, invernoPrimaveralHasta);
    out.cell(QStringLiteral("EHFT"), floatToStrF(v.invernoPrimaveral, 0));
    v.primaveroEstival = suma(v.GDb, primaveroEstivalDesde, primaveroEstivalHasta);
    out.cell(QStringLiteral("EHFC"), floatToStrF(v.primaveroEstival, 0));
}

} // namespace verdeval::SumaTemperatura
