#include "radiation/UnitReporteRadiacion.h"

namespace verdeval {

TForm4::TForm4(VerdevalApp &app) : ReportLayout(app, "TForm4", QStringLiteral("Marcha anual de la Radiación"))
{
    addHeadingBlock();
}

} // namespace verdeval
