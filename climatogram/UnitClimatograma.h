#pragma once

#include "location/calc/TDatosLocalidad.h"
#include "platform/ModuleScreen.h"

namespace verdeval {

// The climatogram: monthly precipitation as bars and mean temperature as a line, July to June,
// on one chart with two vertical axes, with its report.
class TFClimatograma : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFClimatograma(ScreenHost &host);

    // Fills this screen's boxes from the place the index hands over.
    void receive(const TDatosLocalidad &place);

protected:
    void build() override;
};

} // namespace verdeval
