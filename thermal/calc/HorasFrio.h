#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace verdeval {

class CalcOutput;

// Winter chill hours of a place from its monthly mean minimum temperatures (°C), by the
// regressions of Damario, Pascale and Bustos (1998): total hours from the annual and the winter
// means of the minima, corrected hours from a second regression where the first gives many
// hours, and effective hours, the corrected hours less a reduction for a warm July. The winter
// is May to September and the reduction month July, in either hemisphere.
namespace HorasFrio {

// Twelve monthly values, January first (index 0).
using Meses = std::array<double, 12>;

// Above these totals the second regression replaces the first: for the hours shown as
// corrected, and for the hours the effective figure is derived from.
inline constexpr double umbralCorregidas = 2000;
inline constexpr double umbralEfectivas = 1000;

// July minima below the first bound reduce nothing; above the second they leave no effective
// hours.
inline constexpr double julioSinReduccion = 0.5;
inline constexpr double julioSinHoras = 8.5;

// Total chill hours for the winter mean Tw and the annual mean Ta of the minima.
double totales(double Tw, double Ta);
// The second regression.
double segundaRegresion(double Tw, double Ta);

// The hours shown as corrected: the second regression when the total exceeds
// umbralCorregidas, else the total.
double corregidas(double HFT, double Q);
// The hours the effective figure is derived from: the second regression when the total exceeds
// umbralEfectivas, else the total. For totals between the two thresholds the screen shows the
// total as corrected while the effective hours derive from the second regression.
double baseEfectivas(double HFT, double Q);

// The July reduction, per cent, for a July minimum t: 0 below julioSinReduccion, 100 above
// julioSinHoras, the quartic of the method between them. The quartic runs from slightly below
// 0 (-0.012 at 0.5 °C) to slightly above 100 (100.015 at 8.5 °C); it is held within 0 to 100
// so that the effective hours never exceed their basis nor fall below zero, and meet the
// neighbouring ranges without a jump.
double reduccionJulio(double t);

// The texts of the screen's boxes.
struct Entrada {
    QString grados;     // EGrados
    QString minutos;    // EMinutos
    QString hemisferio; // EHemisferio
    QStringList Tmi;    // ETmi1..ETmi12
};

// What the screen keeps from one calculation to the next (all zero before the first). A
// calculation overwrites these as it goes, so one that stops keeps the values it reached.
struct Valores {
    double latitud = 0; // signed degrees of the last accepted latitude (checked, not used)
    Meses Tmin{};
    double Ta = 0;        // annual mean of the minima
    double Tw = 0;        // May-to-September mean
    double HFT = 0;       // total hours
    double Q = 0;         // second regression
    double HFC = 0;       // corrected hours, as shown
    double HF1000 = 0;    // the basis of the effective hours
    double reduccion = 0; // July reduction, per cent
    double HFE = 0;       // effective hours
};

// The three figures in the order the calculation writes them: caption and cell.
struct Cifra {
    QString titulo;
    QString celda;
};
inline const QList<Cifra> cifras{
    {"Horas de Frío Totales", "EHFT"}, {"Horas de Frío Corregidas", "EHFC"}, {"Horas de Frío Efectivas", "EHFE"}};

// "&Calcular": the latitude check (a bad hemisphere letter is reported and the calculation
// goes on; a bad degrees or minutes box stops it although the latitude plays no part), then
// the minima, and the cells ETmiT, EHFT, EHFC and EHFE in that order, one decimal each. A bad
// text or a floating-point failure raises CalcError; the cells written before stay.
void calcular(const Entrada &entrada, Valores &v, CalcOutput &out);

} // namespace HorasFrio

} // namespace verdeval
