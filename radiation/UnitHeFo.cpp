#include "radiation/UnitHeFo.h"

namespace verdeval {

TFHeFo::TFHeFo(VerdevalApp &app) : ModuleScreen(app, "TFHeFo", QStringLiteral("Heliofanía astronómica y fotoperíodo")) {}

} // namespace verdeval
