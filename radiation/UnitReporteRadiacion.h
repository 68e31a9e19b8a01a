#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

class TForm4 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm4(VerdevalApp &app);
};

} // namespace verdeval
