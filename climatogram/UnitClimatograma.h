#pragma once

#include "climatogram/calc/Climatograma.h"
#include "location/calc/TDatosLocalidad.h"
#include "platform/ModuleScreen.h"

namespace verdeval {

class Chart;

// The climatogram: monthly precipitation as bars and mean temperature as a line, July to June,
// on one chart with two vertical axes, with its report. There is nothing to calculate: every
// activation, and "Recalcular Datos", redraws the chart from the boxes.
class TFClimatograma : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFClimatograma(ScreenHost &host);

    // Fills this screen's boxes from the place the index hands over.
    void receive(const TDatosLocalidad &place);

    // "Recalcular Datos": the refresh, on demand.
    void Button1Click();
    // "Imprimir Informe": fills the report, then opens its preview.
    void BImprimirClick();
    // The report TForm7 receives the boxes' current texts and draws its chart from the values
    // of the last refresh.
    void llenarInforme();

    Chart &Chart1() { ensureBuilt(); return *m_chart; }
    const Climatograma::Valores &valores() const { return m_valores; }

protected:
    void build() override;
    // The refresh: temperatures, then precipitations, are read and held, and the chart redrawn.
    // A box that is not a number stops it with the chart as it was.
    void OnActivate() override;

private:
    Chart *m_chart = nullptr;
    Climatograma::Valores m_valores;
};

} // namespace verdeval
