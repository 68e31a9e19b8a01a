#include "waterbalance/UnitReporteBHC.h"

namespace verdeval {

TForm5::TForm5(VerdevalApp &app) : ReportLayout(app, "TForm5", QStringLiteral("Balance Hidrologico Climatico"))
{
    addHeadingBlock();
}

} // namespace verdeval
