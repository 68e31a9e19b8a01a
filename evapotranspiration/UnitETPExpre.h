#pragma once

#include "platform/Screen.h"

namespace verdeval {

// The formulas of the four evapotranspiration methods and the meaning of their symbols.
class TFEtpExp : public Screen
{
    Q_OBJECT
public:
    explicit TFEtpExp(ScreenHost &host);

    // "Volver al Índice Evapotranspiración": shows the sub-menu, then closes this screen.
    void BVolverIndiceClick();
    // "Ir a Ingreso de Datos": shows the entry screen, then closes this screen.
    void BCerrarClick();

protected:
    void build() override;
};

} // namespace verdeval
