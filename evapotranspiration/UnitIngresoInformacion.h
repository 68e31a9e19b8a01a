#pragma once

#include "evapotranspiration/calc/Evapotranspiracion.h"
#include "location/calc/TDatosLocalidad.h"
#include "platform/ModuleScreen.h"

#include <QKeyEvent>

namespace verdeval {

// The evapotranspiration entry screen: the station, its latitude and seven monthly series, the
// station and anemometer heights and the albedo, and under them the four result rows. It holds
// the results (TResultadosETP) that the results screen and the report show.
class TFIngresoInformacion : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFIngresoInformacion(ScreenHost &host);

    // Fills this screen's boxes from the place the index hands over.
    void receive(const TDatosLocalidad &place);

    // "&Calcular": the methods whose data are complete, their rows and their held results.
    void BCalcularClick();
    // "&Mostrar Gráfico": shows the results screen, then closes this one.
    void BMostrarGClick();

    const TResultadosETP &resultados() const { return m_estado.resultados; }

protected:
    // Every time the screen becomes active (also when a message it showed closes) the 52 result
    // cells are emptied; the boxes and the held results stay.
    void OnActivate() override;

    // The screen sees every key before the focused control: Enter moves the focus on to the
    // next control in tab order, as Tab does, and goes no further.
    bool FormKeyPress(QKeyEvent *key);
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void build() override;
    // The order is the screen's own, set while it is built.
    void arrangeTabOrder() override {}

private:
    Evapotranspiracion::Estado m_estado;
};

} // namespace verdeval
