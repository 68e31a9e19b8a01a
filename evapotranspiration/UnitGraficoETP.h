#pragma once

#include "platform/Screen.h"

namespace verdeval {

class Chart;

// The evapotranspiration results: the four result rows of the entry screen and their chart,
// July to June, with the report behind "Imprimir Informe".
class TGraficoETP : public Screen
{
    Q_OBJECT
public:
    explicit TGraficoETP(ScreenHost &host);

    // "Volver a Calcular Datos": shows the entry screen, then closes this one.
    void BVolverACalcularClick();
    // "&Volver al Índice": shows the index, then closes this screen.
    void BVolverIndiceClick();
    // "&Cerrar" (also Esc): closes this screen only.
    void BCerrarClick();

protected:
    void build() override;
};

} // namespace verdeval
