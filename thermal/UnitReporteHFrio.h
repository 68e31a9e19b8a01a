#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

class TForm8 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm8(VerdevalApp &app);
};

} // namespace verdeval
