#pragma once

#include "platform/Screen.h"

namespace verdeval {

// The two charts of the water balance, July to June: precipitation against potential and real
// evapotranspiration and the water situation above; the soil water against the capacity, the
// wilting point and the conditional drought line below.
class TFBHCGraf : public Screen
{
    Q_OBJECT
public:
    explicit TFBHCGraf(ScreenHost &host);

    // "&Volver": shows the water balance screen, then closes this one.
    void BVolverClick();
    // "&Salir": closes the splash screen, which ends the program.
    void BSalirClick();

protected:
    void build() override;
};

} // namespace verdeval
