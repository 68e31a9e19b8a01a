#pragma once

#include "location/calc/TDatosLocalidad.h"
#include "platform/Screen.h"

#include <array>
#include <functional>

namespace verdeval {

// Own-data entry: the user describes a place of their own (name, coordinates, altitude and
// twelve monthly values of precipitation and of mean temperature) and makes it the current
// location. Shown modally from the index screen.
class TFIngresoDatosGenericos : public Screen
{
    Q_OBJECT

public:
    explicit TFIngresoDatosGenericos(ScreenHost &host);

    // Focus leaves EPP12: the twelve precipitation values are captured and their sum shown.
    void EPP12Exit();
    // Focus leaves ET12: with all twelve temperatures present, they are captured and their mean
    // shown; otherwise the annual mean stays empty.
    void ET12Exit();
    // Focus leaves EHemisferio: anything but S, s, N, n shows the hemisphere message and the
    // focus goes back into the box.
    void EHemisferioExit();
    // "Ingresar Datos": hands the place over to the location and returns to the index.
    void Button1Click();
    // Where a confirmed place goes (the index's location record).
    void setOnConfirmed(std::function<void(const TDatosLocalidad &)> receiver) { m_onConfirmed = std::move(receiver); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::array<double, 12> m_pp{};
    std::array<double, 12> m_t{};
    double m_ppTotal = 0;
    double m_tMean = 0;
    bool m_checkingHemisphere = false;
    std::function<void(const TDatosLocalidad &)> m_onConfirmed;

protected:
    void build() override;
};

} // namespace verdeval
