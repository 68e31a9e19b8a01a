#include "climatogram/UnitClimatograma.h"

namespace verdeval {

TFClimatograma::TFClimatograma(VerdevalApp &app) : ModuleScreen(app, "TFClimatograma", QStringLiteral("Climatograma")) {}

} // namespace verdeval
