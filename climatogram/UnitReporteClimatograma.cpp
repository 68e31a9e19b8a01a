#include "climatogram/UnitReporteClimatograma.h"

namespace verdeval {

TForm7::TForm7(VerdevalApp &app) : ReportLayout(app, "TForm7", QStringLiteral("Cliamtograma"))
{
    addHeadingBlock();
}

} // namespace verdeval
