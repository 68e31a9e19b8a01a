#pragma once

#include "platform/Screen.h"

namespace verdeval {

// The table of the data each evapotranspiration method needs: a borderless window at the
// top-left corner of the screen.
class TFEtpInformacion : public Screen
{
    Q_OBJECT
public:
    explicit TFEtpInformacion(ScreenHost &host);

    // "Volver al Índice Evapotranspiración": shows the sub-menu, then closes this screen.
    void BVolverIndiceClick();
    // "Ir a Ingreso de Datos": shows the entry screen, then closes this screen.
    void BIngresoDatosClick();

protected:
    bool maximised() const override { return false; }

protected:
    void build() override;
};

} // namespace verdeval
