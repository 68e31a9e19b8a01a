#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace verdeval {

class CalcOutput;

// Temperature sums: monthly growing degree-days (°C x days) of a place from its monthly mean
// temperatures, over a base chosen by the user and over 0, 10 and 15 °C, with two seasonal sums
// over the chosen base.
namespace SumaTemperatura {

// Twelve monthly values, January first (index 0).
using Meses = std::array<double, 12>;

// February always counts 28 days.
inline constexpr int diasDelMes[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The degree-days of each month over the base: (T - base) x days, or 0 for a month not
// warmer than the base.
Meses gradosDia(const Meses &T, double base);

// The sum of the months from `primero` to `ultimo` (1 to 12, January is 1), running on past
// December into January when `ultimo` comes before `primero`.
double suma(const Meses &valores, int primero, int ultimo);

// The seasons of the two crop cycles: winter-spring June to December, spring-summer October
// to March.
inline constexpr int invernoPrimaveralDesde = 6, invernoPrimaveralHasta = 12;
inline constexpr int primaveroEstivalDesde = 10, primaveroEstivalHasta = 3;

// The texts of the screen's boxes.
struct Entrada {
    QString grados;     // EGrados
    QString minutos;    // EMinutos
    QString hemisferio; // EHemisferio
    QStringList T;      // ET1..ET12
    QString tb;         // ETB
};

// What the screen keeps from one calculation to the next (all zero before the first) and its
// report draws. A calculation overwrites these as it goes, so one that stops keeps the values
// it reached.
struct Valores {
    double latitud = 0; // signed degrees of the last accepted latitude (checked, not used)
    Meses T{};
    double tb = 0;
    Meses GDb{}, GD0{}, GD10{}, GD15{}; // over tb, 0, 10 and 15 °C
    double anualB = 0, anual0 = 0, anual10 = 0, anual15 = 0;
    double invernoPrimaveral = 0; // June to December, over tb
    double primaveroEstival = 0;  // October to March, over tb
};

// The four rows of degree-days in the order the screen shows them: the prefix of their cells
// (prefix1 to prefix12, and the annual sum in prefixT), their caption, and the held values.
struct Fila {
    QString prefijo;
    QString titulo;
    Meses Valores::*valores;
};
inline const QList<Fila> filas{
    {"EEP", "Grados Día (Grados días/tb)", &Valores::GDb},
    {"EDP", "Gd sobre 0°C", &Valores::GD0},
    {"EAL", "Gd sobre 10°C", &Valores::GD10},
    {"EDAL", "Gd sobre 15°C", &Valores::GD15},
};

// The two seasonal sums over the chosen base: caption and cell.
struct Cifra {
    QString titulo;
    QString celda;
};
inline const QList<Cifra> estacionales{
    {"Gd para cultivos de ciclo inverno-primaveral (Junio a Diciembre) s/T base seleccionada", "EHFT"},
    {"Gd para cultivos de ciclo primavero-estival (Octubre a Marzo) s/T base seleccionada", "EHFC"},
};

// "&Calcular": the latitude check (a bad hemisphere letter is reported and the calculation
// goes on; a bad degrees or minutes box stops it although the latitude plays no part), the
// temperatures, the base, then each row and its annual sum before the next (EEP1..EEP12 and
// EEPT over tb, EDP and EDPT over 0, EAL and EALT over 10, EDAL and EDALT over 15), and the
// seasonal sums in EHFT and EHFC; whole degree-days. A bad text or a floating-point failure
// raises CalcError; the cells written before stay.
void calcular(const Entrada &entrada, Valores &v, CalcOutput &out);

} // namespace SumaTemperatura

} // namespace verdeval
