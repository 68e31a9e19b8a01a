#include "location/UnitIngresoDatosGenericos.h"

namespace verdeval {

TFIngresoDatosGenericos::TFIngresoDatosGenericos(VerdevalApp &app) : Screen(app, "TFIngresoDatosGenericos", QStringLiteral("Ingreso de datos genéricos de una localidad")) {}

} // namespace verdeval
