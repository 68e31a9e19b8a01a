#pragma once

#include "platform/Screen.h"

namespace verdeval {

// The evapotranspiration sub-menu: the data each method needs, the formulas, and the entry
// screen with its results and chart.
class TFEPotencial : public Screen
{
    Q_OBJECT
public:
    explicit TFEPotencial(ScreenHost &host);

    // Each link shows its screen, then closes the sub-menu.
    void Label2Click();
    void Label6Click();
    void Label4Click();
    // "&Volver al Índice": shows the index, then closes the sub-menu.
    void BVolverIndiceClick();
    // "&Cerrar": closes the sub-menu only.
    void BCerrarClick();

private:
    void moveTo(Screen &target);

protected:
    void build() override;
};

} // namespace verdeval
