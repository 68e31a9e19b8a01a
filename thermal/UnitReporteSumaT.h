#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

class TForm6 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm6(VerdevalApp &app);
};

} // namespace verdeval
