#pragma once

#include <QString>

// Conversions between numbers and the texts of boxes and cells. The decimal separator is
// always ".", whatever the system's regional settings.
namespace verdeval {

// Text to number: blanks around the number, an optional sign, digits with an optional
// fraction and an optional exponent. Anything else (empty text, comma decimal, thousands
// separators, inf, nan, hex) raises "'<text>' is not a valid floating point value".
double strToFloat(const QString &text);
// The same for the text of a named box: a failure names the box (CalcError::field).
double strToFloat(const QString &text, const QString &field);

// True when strToFloat would accept the text.
bool isFloatText(const QString &text);

// General format: up to 15 significant digits, shortest form, no trailing zeros
// (22, 7.5, -0.3, 140.9). Very large or very small magnitudes use an exponent (1E-6).
QString floatToStr(double value);

// Fixed notation with the given number of decimals, halves rounded away from zero on the
// decimal value of the number (2.5 -> "3", 0.05 with one decimal -> "0.1"). A value that
// rounds to zero never shows a minus sign.
QString floatToStrF(double value, int decimals);

// Whole-number rounding, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

} // namespace verdeval
