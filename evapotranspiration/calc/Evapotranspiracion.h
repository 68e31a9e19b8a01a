#pragma once

#include "evapotranspiration/calc/SolSpencer.h"

#include <QString>
#include <QStringList>
#include <array>

namespace verdeval {

class CalcOutput;

// Monthly potential evapotranspiration of one place by up to four methods, in a cascade:
// Thornthwaite needs the latitude and the mean temperatures; Turc and Hargreaves also the mean
// maxima and minima, the effective heliophany and the relative humidity; Penman-FAO also the
// pressure, the wind, the station and anemometer heights and the albedo. The calculation stops
// at the first stage whose data are incomplete. Millimetres per month, January first.
namespace Evapotranspiracion {

using Meses = std::array<double, 12>;

enum Metodo { Thornthwaite, Turc, Hargreaves, Penman };
inline constexpr int cantidadMetodos = 4;

// The result row of each method: its cells prefix1..prefix12 and the annual total, and the
// caption the row carries wherever it is shown.
struct Celdas {
    const char *prefijo;
    const char *total;
    const char *rotulo;
};
inline constexpr std::array<Celdas, cantidadMetodos> celdas{{{"ETTh", "ETTTh", "ET(Thornthwaite)"},
                                                             {"ETTv", "ETTTv", "ET(Turc)"},
                                                             {"ETH", "ETTH", "ET(Hargreaves)"},
                                                             {"ETPM", "ETTPM", "ET(Penman/FAO)"}}};

inline constexpr std::array<int, 12> diasMes{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
inline constexpr Meses factorTurc{0.40, 0.37, 0.40, 0.40, 0.40, 0.40, 0.40, 0.40, 0.40, 0.40, 0.40, 0.40};

} // namespace Evapotranspiracion

// The held results, one per method (in the order of Evapotranspiracion::Metodo): twelve monthly
// values and the annual total, all zero until a calculation reaches the method. Only a
// calculation that ends normally changes them, and then only for the methods it reached, with
// whole numbers.
struct TResultadosETP {
    struct Metodo {
        Evapotranspiracion::Meses meses{};
        double total = 0;
        // Whether some calculation has reached the method: zero values and values never
        // computed are different things.
        bool alcanzado = false;
    };
    std::array<Metodo, Evapotranspiracion::cantidadMetodos> metodos{};

    Metodo &operator[](Evapotranspiracion::Metodo m) { return metodos[m]; }
    const Metodo &operator[](Evapotranspiracion::Metodo m) const { return metodos[m]; }
};

namespace Evapotranspiracion {

// The texts of the entry screen's boxes. Each row holds twelve texts, January first; a row is
// complete when none of them is empty.
struct Entrada {
    QString grados;     // EGrados
    QString minutos;    // EMinutos
    QString hemisferio; // EHemisferio
    QStringList T;      // ETMMe1..12, mean temperature, °C
    QStringList Tx;     // ETMMa1..12, mean maximum, °C
    QStringList Tn;     // ETMMi1..12, mean minimum, °C
    QStringList n;      // EHE1..12, effective heliophany, hours/day
    QStringList HR;     // EHR1..12, relative humidity, %
    QStringList P;      // EPA1..12, atmospheric pressure, hPa
    QStringList V;      // EVV1..12, wind speed, km/h
    QString altitud;    // EAE, m
    QString anemometro; // EAA, m
    QString albedo;     // EA, %
};

// What the entry screen keeps from one calculation to the next.
struct Estado {
    // The signed latitude (north positive) of the latest calculation with a valid hemisphere
    // letter, degrees; the equator before the first.
    double latitud = 0;
    TResultadosETP resultados;
};

// Thornthwaite's heat index of each month, the annual index I and the exponent a.
struct IndiceCalorico {
    Meses i{};
    double I = 0;
    double a = 0;
};
IndiceCalorico indiceCalorico(const Meses &T);

// The monthly values of each method, unrounded, from the converted rows and the sun of the
// 15th of each month.
using Sol = std::array<SolSpencer::Dia, 12>;
Meses thornthwaite(const Meses &T, const Sol &sol);
Meses turc(const Meses &T, const Meses &n, const Meses &HR, const Sol &sol);
// A mean maximum below its mean minimum leaves the root without value: "Invalid floating
// point operation".
Meses hargreaves(const Meses &T, const Meses &Tx, const Meses &Tn, const Sol &sol);

// A method's twelve values rounded to whole numbers, halves to the even neighbour, and its
// total rounded from the unrounded sum; marked as reached.
TResultadosETP::Metodo redondeado(const Meses &valores);

// "&Calcular": converts the texts in the order the screen reads them, runs the cascade and,
// when it ends normally, stores the rounded results of the methods reached in `estado` and
// writes their cells through `out` (the totals, then the months) in the general number format.
// A hemisphere letter other than S, s, N or n is reported through `out` and the held latitude
// is used. A bad text or an impossible operation raises CalcError before any cell is written,
// and `estado.resultados` stays exactly as it was. Returns the number of methods reached (1 to
// 4, in the order of Metodo).
int calcular(const Entrada &entrada, Estado &estado, CalcOutput &out);

} // namespace Evapotranspiracion

} // namespace verdeval
