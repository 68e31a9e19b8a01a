#pragma once

#include "location/calc/TDatosLocalidad.h"
#include "platform/ModuleScreen.h"
#include "radiation/calc/Calculos.h"

namespace verdeval {

class Chart;
class ChartSeries;

// Astronomical heliophany and photoperiod of one latitude on the sixteen dates of the year,
// drawn through the year against a threshold in hours typed by the user ("Umbral"), and
// printed on a one-page report.
class TFHeFo : public ModuleScreen
{
    Q_OBJECT

public:
    explicit TFHeFo(ScreenHost &host);

    // Fills this screen's boxes from the place the index hands over.
    void receive(const TDatosLocalidad &place);

    // "&Calcular": threshold and latitude checks, the heliophany row, the photoperiod row,
    // the threshold, then the chart.
    void BCalcularClick();
    // "Imprimir Informe": the report TForm3 receives the cells and the held values.
    void BImprimirInformeClick();

    Chart &Chart1() { ensureBuilt(); return *m_chart; }

protected:
    // Empties the threshold, the value rows, the three chart series and the chart title; the
    // other boxes and the held values stay.
    void OnClose() override;

private:
    void llenarSeries(ChartSeries &heliofania, ChartSeries &fotoperiodo, ChartSeries &umbral) const;

    Chart *m_chart = nullptr;

    // Held from the last calculation that reached them (zero until then).
    EstadoHeliofania m_estado;

protected:
    void build() override;
};

} // namespace verdeval
