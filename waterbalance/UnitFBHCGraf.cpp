#include "waterbalance/UnitFBHCGraf.h"

namespace verdeval {

TFBHCGraf::TFBHCGraf(VerdevalApp &app) : Screen(app, "TFBHCGraf", QStringLiteral("Balance hidrológico climático. Gráficos")) {}

} // namespace verdeval
