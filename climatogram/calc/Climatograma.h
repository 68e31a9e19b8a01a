#pragma once

#include <QStringList>
#include <array>

namespace verdeval {

// The climatogram of a place: its monthly mean temperature (°C) and precipitation (mm), read
// from the screen's boxes and drawn as they are.
namespace Climatograma {

// Twelve monthly values, January first (index 0).
using Meses = std::array<double, 12>;

// The texts of the screen's boxes.
struct Entrada {
    QStringList T;  // ET1..ET12
    QStringList PP; // EPP1..EPP12
};

// The values the screen draws and its report charts (all zero before the first refresh).
struct Valores {
    Meses T{};
    Meses PP{};
};

// The refresh's reading: the twelve temperatures, then the twelve precipitations, each held as
// soon as it is converted. A box that is empty or not a number raises the conversion error
// naming it (ET3, EPP7); the months converted before it stay held, the others keep their
// previous values. Any numbers are accepted.
void leer(const Entrada &entrada, Valores &v);

} // namespace Climatograma

} // namespace verdeval
