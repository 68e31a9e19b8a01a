#pragma once

#include "platform/Screen.h"

namespace verdeval {

class Chart;

// The evapotranspiration results: the four result rows held by the entry screen and their
// chart, July to June, with the report behind "Imprimir Informe". It computes nothing.
class TGraficoETP : public Screen
{
    Q_OBJECT
public:
    explicit TGraficoETP(ScreenHost &host);

    // "Volver a Calcular Datos": shows the entry screen, then closes this one.
    void BVolverACalcularClick();
    // "&Volver al Índice": empties the month cells, shows the index, then closes this screen.
    void BVolverIndiceClick();
    // "&Cerrar" (also Esc): closes this screen only.
    void BCerrarClick();
    // "Imprimir Informe": the report TForm2 receives the cells and the held results, and its
    // preview opens.
    void Button1Click();

    Chart &Chart1() { ensureBuilt(); return *m_chart; }

protected:
    void build() override;
    // Every activation (also on return from the preview) rebuilds the table and the chart from
    // the held results; a method never reached has no line.
    void OnActivate() override;
    // Empties the 48 month cells; the next activation fills them again.
    void OnClose() override;

private:
    Chart *m_chart = nullptr;
};

} // namespace verdeval
