#pragma once

#include "location/calc/TDatosLocalidad.h"
#include "platform/ModuleScreen.h"

class QLabel;

namespace verdeval {

// Lays a Greek capital delta over the leading blanks of a row caption ("   Almacenaje"), as
// the change-of-storage row shows it on the screen and on the report.
void overlayDelta(QLabel *caption);

// The climatic water balance: the place, its monthly precipitation and temperature and the
// soil's holding capacity, with the seven rows of the storage account under them.
class TFBHC : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFBHC(ScreenHost &host);

    // Fills this screen's boxes from the place the index hands over.
    void receive(const TDatosLocalidad &place);

    // "Ver Gráficos": shows the chart screen, then closes this one.
    void BGraficosClick();

protected:
    void build() override;
};

} // namespace verdeval
