#include "thermal/UnitHF.h"

namespace verdeval {

TFHF::TFHF(VerdevalApp &app) : ModuleScreen(app, "TFHF", QStringLiteral("Cálculo de Horas de frío")) {}

} // namespace verdeval
