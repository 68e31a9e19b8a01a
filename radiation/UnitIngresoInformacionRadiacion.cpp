#include "radiation/UnitIngresoInformacionRadiacion.h"

namespace verdeval {

TFIngresoInformacionRadiacion::TFIngresoInformacionRadiacion(VerdevalApp &app) : ModuleScreen(app, "TFIngresoInformacionRadiacion", QStringLiteral("Ingreso de información para el cálculo de la Radiación astronómica y global")) {}

} // namespace verdeval
