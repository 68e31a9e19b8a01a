#include "location/PlaceBoxes.h"

#include "platform/Screen.h"

namespace verdeval::placeBoxes {

void fillStation(Screen &screen, const TDatosLocalidad &place)
{
    screen.setText(QStringLiteral("EEstacion"), place.EEstacion);
    screen.setText(QStringLiteral("EGrados"), place.EGrados);
    screen.setText(QStringLiteral("EMinutos"), place.EMinutos);
    screen.setText(QStringLiteral("EHemisferio"), place.EHemisferio);
}

void fillMonths(Screen &screen, const QString &prefix, const MonthlyTexts &series)
{
    for (int m = 1; m <= 12; ++m)
        screen.setText(prefix, m, series[m]);
}

void fillClimate(Screen &screen, const TDatosLocalidad &place)
{
    fillStation(screen, place);
    fillMonths(screen, QStringLiteral("ET"), place.T);
    fillMonths(screen, QStringLiteral("EPP"), place.PP);
    screen.setText(QStringLiteral("EPPT"), place.EPPT);
    screen.setText(QStringLiteral("ETT"), place.ETT);
}

} // namespace verdeval::placeBoxes
