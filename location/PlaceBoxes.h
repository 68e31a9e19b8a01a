#pragma once

#include "location/calc/TDatosLocalidad.h"

#include <QString>

namespace verdeval {

class Screen;

// How a module screen fills its own boxes from the place it receives.
namespace placeBoxes {

// The station name and the latitude: EEstacion, EGrados, EMinutos and EHemisferio.
void fillStation(Screen &screen, const TDatosLocalidad &place);
// prefix1..prefix12 from the series, January in box 1.
void fillMonths(Screen &screen, const QString &prefix, const MonthlyTexts &series);
// Temperature into ET1..ET12, precipitation into EPP1..EPP12 and both annual values, as the
// water balance and the climatogram take them.
void fillClimate(Screen &screen, const TDatosLocalidad &place);

} // namespace placeBoxes

} // namespace verdeval
