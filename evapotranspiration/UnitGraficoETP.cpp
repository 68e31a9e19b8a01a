#include "evapotranspiration/UnitGraficoETP.h"

namespace verdeval {

TGraficoETP::TGraficoETP(VerdevalApp &app) : Screen(app, "TGraficoETP", QStringLiteral("Resultados con gráfico")) {}

} // namespace verdeval
