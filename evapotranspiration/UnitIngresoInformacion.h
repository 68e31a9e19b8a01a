#pragma once

#include "location/calc/TDatosLocalidad.h"
#include "platform/ModuleScreen.h"

#include <QKeyEvent>

namespace verdeval {

// One result row of the evapotranspiration table: its caption, the prefix of its twelve month
// cells and the name of its annual total cell. The entry screen, the results screen and the
// report show the same four rows.
struct EtpResultRow {
    const char *caption;
    const char *prefix;
    const char *total;
};
inline constexpr EtpResultRow etpResultRows[] = {
    {"ET(Thornthwaite)", "ETTh", "ETTTh"},
    {"ET(Turc)", "ETTv", "ETTTv"},
    {"ET(Hargreaves)", "ETH", "ETTH"},
    {"ET(Penman/FAO)", "ETPM", "ETTPM"},
};
inline const QString etpResultsTitle = QStringLiteral("Resultados de Evapotranspiración Potencial (mm/mes)");

// The evapotranspiration entry screen: the station, its latitude and seven monthly series, the
// station and anemometer heights and the albedo, and under them the four result rows.
class TFIngresoInformacion : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFIngresoInformacion(ScreenHost &host);

    // Fills this screen's boxes from the place the index hands over.
    void receive(const TDatosLocalidad &place);

    // "&Mostrar Gráfico": shows the results screen, then closes this one.
    void BMostrarGClick();

protected:
    // The screen sees every key before the focused control: Enter moves the focus on to the
    // next control in tab order, as Tab does, and goes no further.
    bool FormKeyPress(QKeyEvent *key);
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void build() override;
    // The order is the screen's own, set while it is built.
    void arrangeTabOrder() override {}
};

} // namespace verdeval
