#include "evapotranspiration/UnitReporte.h"

namespace verdeval {

TForm2::TForm2(VerdevalApp &app) : ReportLayout(app, "TForm2", QStringLiteral("Evapotraspiracion Potencial "))
{
    addHeadingBlock();
}

} // namespace verdeval
