#include "evapotranspiration/UnitETPExpre.h"

namespace verdeval {

TFEtpExp::TFEtpExp(VerdevalApp &app) : Screen(app, "TFEtpExp", QStringLiteral("Evapotranspiración potencial. Expresiones de cálculo")) {}

} // namespace verdeval
