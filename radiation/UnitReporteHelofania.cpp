#include "radiation/UnitReporteHelofania.h"

namespace verdeval {

TForm3::TForm3(VerdevalApp &app) : ReportLayout(app, "TForm3", QStringLiteral("Heliofania Astronomica y Fotoperiodo"))
{
    addHeadingBlock();
}

} // namespace verdeval
