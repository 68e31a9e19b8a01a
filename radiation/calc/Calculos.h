#pragma once

#include "location/calc/TDatosLocalidad.h"
#include "platform/core/BoxTexts.h"
#include "radiation/calc/Heliofania.h"
#include "radiation/calc/Radiacion.h"

namespace verdeval {

class CalcOutput;

// The "&Calcular" of the radiation and heliophany screens as plain procedures: the box texts
// in, the cells and messages out through CalcOutput in the order the screen shows them, the
// held values updated as each step succeeds, CalcError where the screen stops.

// What the radiation screen holds from one calculation to the next (zero at first).
struct EstadoRadiacion {
    double latitud = 0;
    double phi = 0;
    std::array<double, CalendarioAstronomico::cantidad> RaFechas{};
    std::array<double, CalendarioMensual::cantidad> heliofania{};
    Radiacion::Mensual meses;
};

// The radiation screen's boxes as the index's launcher fills them from a place: the station,
// the latitude and the effective heliophany July to June (EHE1 is July, EHE7 January).
BoxTexts cajasRadiacion(const TDatosLocalidad &place);

// Latitude; the sixteen astronomical radiations, written to ERA1..ERA16 without decimals;
// with every heliophany box filled, the twelve global radiations to ERG1..ERG12, otherwise the
// ATENCIÓN message and the global row as it was.
void calcularRadiacion(const BoxTexts &cajas, EstadoRadiacion &estado, CalcOutput &out);

// The message of a radiation calculation without heliophany.
extern const QString faltaHeliofania;

// What the heliophany screen holds (zero at first).
struct EstadoHeliofania {
    double latitud = 0;
    double phi = 0;
    Heliofania::PorFecha N{};
    Heliofania::PorFecha P{};
    Heliofania::PorFecha U{};
};

// The heliophany screen's boxes from a place: the station and the latitude. The threshold EHE
// is the user's (the batch passes it in).
BoxTexts cajasHeliofania(const TDatosLocalidad &place);

// The threshold and latitude checks (ATENCIÓN messages that stop it: returns false), then the
// heliophany row ERG1..ERG16 and the photoperiod row ERA1..ERA16 with one decimal, and the
// threshold held for the chart. Returns true when the chart is to be drawn.
bool calcularHeliofania(const BoxTexts &cajas, EstadoHeliofania &estado, CalcOutput &out);

extern const QString faltaUmbral;
extern const QString latitudMayor;

} // namespace verdeval
