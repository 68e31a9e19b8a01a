#pragma once

#include "location/calc/TDatosLocalidad.h"
#include "platform/ModuleScreen.h"
#include "waterbalance/calc/BalanceHidrico.h"

class QLabel;

namespace verdeval {

// Lays a Greek capital delta over the leading blanks of a row caption ("   Almacenaje"), as
// the change-of-storage row shows it on the screen and on the report.
void overlayDelta(QLabel *caption);

// The climatic water balance: the place, its monthly precipitation and temperature and the
// soil's holding capacity, with the seven rows of the storage account under them.
class TFBHC : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFBHC(ScreenHost &host);

    // Fills this screen's boxes from the place the index hands over; the capacity stays.
    void receive(const TDatosLocalidad &place);

    // "&Calcular": the balance of the boxes' texts, row by row.
    void BCalcularClick();
    // "Ver Gráficos": fills both charts from the kept values, shows the chart screen, then
    // closes this one.
    void BGraficosClick();
    // "Imprimir Informe": the report TForm5 receives the monthly cells and both charts, and
    // its preview opens; this screen stays.
    void BImprimirClick();

    // The values kept from the last calculation (zero before the first).
    const BalanceHidrico::Valores &valores() const { return m_valores; }

protected:
    void build() override;
    // Empties the station name and every result cell; the inputs, the capacity and the kept
    // values stay.
    void OnClose() override;

private:
    BalanceHidrico::Valores m_valores;
};

} // namespace verdeval
