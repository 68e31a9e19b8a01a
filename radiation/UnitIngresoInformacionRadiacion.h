#pragma once

#include "location/calc/TDatosLocalidad.h"
#include "platform/ModuleScreen.h"
#include "radiation/calc/Calculos.h"

#include <array>

namespace verdeval {

class Chart;
class ChartSeries;

// Astronomical and global radiation of one place: the effective heliophany of the twelve
// months goes in (July to June), the daily astronomical radiation of the sixteen dates and
// the daily global radiation of the twelve months come out, in cal/cm2/day, as rows of cells,
// as two lines through the year on a chart and on a one-page report.
class TFIngresoInformacionRadiacion : public ModuleScreen
{
    Q_OBJECT

public:
    explicit TFIngresoInformacionRadiacion(ScreenHost &host);

    // Fills this screen's boxes from the place the index hands over.
    void receive(const TDatosLocalidad &place);

    // "&Calcular": latitude, the sixteen Ra, their row, then (with all twelve heliophany
    // values) the monthly Rg and their row, and the chart.
    void BCalcularClick();
    // "Imprimir Informe": the report TForm4 receives the cells and the held values.
    void BImprimirClick();

    Chart &Chart1() { ensureBuilt(); return *m_chart; }

protected:
    // Empties the value cells, both chart series and the chart title; the inputs and the
    // held values stay.
    void OnClose() override;

private:
    // Both lines, June to June, from the held values.
    void llenarSeries(ChartSeries &global, ChartSeries &astronomica) const;

    Chart *m_chart = nullptr;

    // Held from the last calculation that reached them (zero until then).
    EstadoRadiacion m_estado;

protected:
    void build() override;
};

} // namespace verdeval
