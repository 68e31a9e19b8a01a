#pragma once

#include "platform/Screen.h"

namespace verdeval {

class Chart;

// The two charts of the water balance, July to June: precipitation against potential and real
// evapotranspiration and the water situation above; the soil water against the capacity, the
// wilting point and the conditional drought line below. The water balance screen fills them.
class TFBHCGraf : public Screen
{
    Q_OBJECT
public:
    explicit TFBHCGraf(ScreenHost &host);

    Chart &Chart1() { ensureBuilt(); return *m_balance; }
    Chart &Chart2() { ensureBuilt(); return *m_suelo; }

    // "&Volver": shows the water balance screen, then closes this one.
    void BVolverClick();
    // "&Salir": closes the splash screen, which ends the program.
    void BSalirClick();

protected:
    void build() override;

private:
    Chart *m_balance = nullptr;
    Chart *m_suelo = nullptr;
};

} // namespace verdeval
