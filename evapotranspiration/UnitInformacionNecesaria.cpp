#include "evapotranspiration/UnitInformacionNecesaria.h"

namespace verdeval {

TFEtpInformacion::TFEtpInformacion(VerdevalApp &app) : Screen(app, "TFEtpInformacion", QStringLiteral("Información necesaria para los cálculos")) {}

} // namespace verdeval
