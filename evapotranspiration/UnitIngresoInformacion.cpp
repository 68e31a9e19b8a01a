#include "evapotranspiration/UnitIngresoInformacion.h"

namespace verdeval {

TFIngresoInformacion::TFIngresoInformacion(VerdevalApp &app) : ModuleScreen(app, "TFIngresoInformacion", QStringLiteral("Ingreso de información para el cálculo de la ETP")) {}

} // namespace verdeval
