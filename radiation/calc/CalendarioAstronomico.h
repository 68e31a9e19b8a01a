#pragma once

#include <QStringList>
#include <array>

namespace verdeval {

// One date of the radiation and heliophany year: its column caption, its day of the year D
// (fractional for the equinoxes), the square of the Sun-Earth distance in units of the mean
// distance, and its position on the chart's date axis.
struct FechaAstronomica {
    const char *titulo;
    double D;
    double rho2;
    double X;
};

// The sixteen dates of the year from the June solstice to the following June: the 15th of
// each month, both solstices and both equinoxes, in the order of the screen's columns. X
// equals D up to the December solstice and D + 365 after it, so that positions grow along
// the July-to-June year.
namespace CalendarioAstronomico {

inline constexpr int cantidad = 16;

inline constexpr std::array<FechaAstronomica, cantidad> fechas{{
    {"Sol", 172, 1.0163, 172},
    {"Jul", 196, 1.0164, 196},
    {"Ago", 227, 1.0129, 227},
    {"Sep", 258, 1.0056, 258},
    {"Eq", 265.77, 1.003, 265.77},
    {"Oct", 288, 0.9959, 288},
    {"Nov", 319, 0.9889, 319},
    {"Dic", 349, 0.9842, 349},
    {"Sol", 355, 0.98372, 355},
    {"Ene", 15, 0.98366, 380},
    {"Feb", 46, 0.9877, 411},
    {"Mar", 74, 0.9941, 439},
    {"Eq", 79.35, 0.99619, 444.35},
    {"Abr", 105, 1.003, 470},
    {"May", 135, 1.01, 500},
    {"Jun", 166, 1.0159, 531},
}};

// The sixteen column captions, "Sol" to "Jun".
QStringList titulos();

} // namespace CalendarioAstronomico

// Where every line of the radiation and heliophany charts starts: mid-June of the year
// before, so that each line runs from June to June with the 15 June value at both ends.
inline constexpr double inicioGrafico = 166;

} // namespace verdeval
