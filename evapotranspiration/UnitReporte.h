#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

class TForm2 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm2(VerdevalApp &app);
};

} // namespace verdeval
