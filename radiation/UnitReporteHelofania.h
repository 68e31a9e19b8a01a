#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

class TForm3 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm3(VerdevalApp &app);
};

} // namespace verdeval
