#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace verdeval {

class CalcOutput;

// The climatic soil water balance of an average year: Thornthwaite's potential
// evapotranspiration, corrected for day length and month length, against the monthly
// precipitation, with a cyclic account of the water stored in the soil up to its holding
// capacity. Millimetres per month; temperatures in degrees Celsius.
namespace BalanceHidrico {

// Twelve monthly values, January first (index 0).
using Meses = std::array<double, 12>;

// The result rows in the order the screen shows them: the prefix of their cells (prefix1 to
// prefix12, and prefixT in the annual column) and their caption. The change of storage is
// captioned with a Greek delta before "Almacenaje".
struct Fila {
    QString prefijo;
    QString titulo;
    bool delta = false;
};
inline const QList<Fila> filas{
    {"EEP", "Evapotranspiración Potencial"}, {"EDP", "Precipitación-Evapotranspiración"},
    {"EAL", "Almacenaje"},                   {"EDAL", "Almacenaje", true},
    {"EER", "Evapotranspiración Real"},      {"EDE", "Deficiencia"},
    {"EEX", "Exceso"},
};
// The four annual sums; the other rows have no annual value.
inline const QStringList anuales{"EEPT", "EERT", "EDET", "EEXT"};

inline constexpr int diasDelMes[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Degrees to radians with the constant the balance has always used (not 2 pi in full).
inline constexpr double vueltaCompleta = 6.283186;
inline double aRadianes(double grados) { return grados / 360 * vueltaCompleta; }

// Solar declination of each month, in radians, from the balance's own table of degrees and
// minutes (both carrying the sign).
const Meses &declinacion();

// Hours of daylight of each month at latitude phi (radians); beyond the polar circles, where
// the sun does not rise or set in some month, "Invalid floating point operation".
Meses duracionDelDia(double phi);

// The sweeps of the storage account around the year: one from January at capacity, then
// fifteen more; the number is fixed, without a test of convergence.
inline constexpr int barridos = 16;

// The texts of the screen's boxes.
struct Entrada {
    QString grados;     // EGrados
    QString minutos;    // EMinutos
    QString hemisferio; // EHemisferio
    QStringList T;      // ET1..ET12
    QStringList PP;     // EPP1..EPP12
    QString CC;         // ECC
};

// What the screen keeps from one calculation to the next (all zero before the first). A
// calculation overwrites these as it goes, so one that stops keeps the values it reached and
// the earlier ones of the rest, like the rows on the screen.
struct Valores {
    double latitud = 0; // signed degrees (south negative) of the last accepted latitude
    double phi = 0;
    Meses T{}, P{};
    Meses delta{}, N{};
    Meses i{};
    double I = 0, a = 0;
    Meses e{}, K{}, ETP{}, D{};
    double CC = 0;
    Meses S{};        // storage at the end of each month
    Meses anterior{}; // storage at its start: the value its storage step started from
    Meses ER{}, dS{}, DEF{}, EXC{};
    double ETPanual = 0, ERanual = 0, DEFanual = 0, EXCanual = 0;
    // For the charts: wilting point, conditional drought line, water situation (minus the
    // deficit, else the excess), storage plus excess.
    double PM = 0;
    Meses SC{}, SH{}, SE{};
};

// "&Calcular": reads the texts, computes, and writes each row as soon as its values are known
// (EEP1..EEP12 and EEPT, EDP, EAL, EER and EERT, EDAL, EDE and EDET, EEX and EEXT), in fixed
// notation without decimals. A hemisphere letter other than S, s, N or n is reported through
// `out` and the latitude held in `v` is used. A bad text or a floating-point failure raises
// CalcError; the rows written before stay.
void calcular(const Entrada &entrada, Valores &v, CalcOutput &out);

// The storage account alone, for capacity CC and the monthly P - ETP: fills S and anterior.
void almacenaje(const Meses &D, double CC, Meses &S, Meses &anterior);

} // namespace BalanceHidrico

} // namespace verdeval
