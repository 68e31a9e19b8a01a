#include "evapotranspiration/UnitEpotencial.h"

namespace verdeval {

TFEPotencial::TFEPotencial(VerdevalApp &app) : Screen(app, "TFEPotencial", QStringLiteral("Evapotranspiración potencial")) {}

} // namespace verdeval
