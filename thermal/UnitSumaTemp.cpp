#include "thermal/UnitSumaTemp.h"

namespace verdeval {

TFST::TFST(VerdevalApp &app) : ModuleScreen(app, "TFST", QStringLiteral("Suma de temperatura")) {}

} // namespace verdeval
