#pragma once

#include "location/calc/TDatosLocalidad.h"
#include "platform/ModuleScreen.h"
#include "thermal/calc/HorasFrio.h"

namespace verdeval {

// Winter chill hours from the monthly mean minimum temperatures: total, corrected and effective
// hours, with their report. The results stay on the screen until the next calculation, also
// across a return to the index.
class TFHF : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFHF(ScreenHost &host);

    // Fills this screen's boxes from the place the index hands over.
    void receive(const TDatosLocalidad &place);

    // "&Calcular": the latitude check, then ETmiT, EHFT, EHFC and EHFE.
    void BCalcularClick();
    // "Imprimir Informe": fills the report, then opens its preview.
    void BImprimirClick();
    // The report TForm8 receives the minima as typed and the three figures as shown.
    void llenarInforme();

    const HorasFrio::Valores &valores() const { return m_valores; }

protected:
    void build() override;

private:
    HorasFrio::Valores m_valores;
};

} // namespace verdeval
