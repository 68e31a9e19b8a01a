#pragma once

#include "location/calc/TDatosLocalidad.h"
#include "platform/ModuleScreen.h"

namespace verdeval {

// Temperature sums: monthly degree-days over a chosen base and over 0, 10 and 15 °C, the two
// seasonal sums over the chosen base, and their chart.
class TFST : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFST(ScreenHost &host);

    // Fills this screen's boxes from the place the index hands over.
    void receive(const TDatosLocalidad &place);

protected:
    void build() override;
};

} // namespace verdeval
