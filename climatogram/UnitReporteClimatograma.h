#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

class TForm7 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm7(VerdevalApp &app);
};

} // namespace verdeval
