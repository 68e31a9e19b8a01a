#include "waterbalance/UnitBHC.h"

namespace verdeval {

TFBHC::TFBHC(VerdevalApp &app) : ModuleScreen(app, "TFBHC", QStringLiteral("Ingreso de información para el cálculo del Balance hidrológico climático")) {}

} // namespace verdeval
