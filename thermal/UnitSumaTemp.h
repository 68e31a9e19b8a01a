#pragma once

#include "location/calc/TDatosLocalidad.h"
#include "platform/ModuleScreen.h"
#include "thermal/calc/SumaTemperatura.h"

namespace verdeval {

class Chart;

// Temperature sums: monthly degree-days over a chosen base and over 0, 10 and 15 °C, the two
// seasonal sums over the chosen base, and their chart.
class TFST : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFST(ScreenHost &host);

    // Fills this screen's boxes from the place the index hands over.
    void receive(const TDatosLocalidad &place);

    // "&Calcular": the latitude check, the four rows with their hidden annual sums, the two
    // seasonal sums, then the chart.
    void BCalcularClick();
    // "Imprimir Informe": fills the report, then opens its preview.
    void BImprimirClick();
    // The report TForm6 receives the 48 monthly cells as shown and draws its chart from the
    // held values.
    void llenarInforme();

    Chart &Chart1() { ensureBuilt(); return *m_chart; }
    const SumaTemperatura::Valores &valores() const { return m_valores; }

protected:
    void build() override;
    // Every activation empties the result cells; the chart and the held values stay.
    void OnActivate() override;

private:
    Chart *m_chart = nullptr;
    SumaTemperatura::Valores m_valores;
};

} // namespace verdeval
