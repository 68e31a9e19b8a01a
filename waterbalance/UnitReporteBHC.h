#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

class TForm5 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm5(VerdevalApp &app);
};

} // namespace verdeval
