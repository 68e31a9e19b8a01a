#include "thermal/UnitReporteSumaT.h"

namespace verdeval {

TForm6::TForm6(VerdevalApp &app) : ReportLayout(app, "TForm6", QStringLiteral("Suma de Temperatura"))
{
    addHeadingBlock();
}

} // namespace verdeval
