#include "thermal/UnitReporteHFrio.h"

namespace verdeval {

TForm8::TForm8(VerdevalApp &app) : ReportLayout(app, "TForm8", QStringLiteral("Horas de Frío"))
{
    addHeadingBlock();
}

} // namespace verdeval
