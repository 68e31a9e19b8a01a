#pragma once

#include "location/calc/TDatosLocalidad.h"
#include "platform/ModuleScreen.h"

namespace verdeval {

// Winter chill hours from the monthly mean minimum temperatures: total, corrected and effective
// hours, with their report.
class TFHF : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFHF(ScreenHost &host);

    // Fills this screen's boxes from the place the index hands over.
    void receive(const TDatosLocalidad &place);

protected:
    void build() override;
};

} // namespace verdeval
