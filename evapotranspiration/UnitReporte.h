#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

// The evapotranspiration report: the four result rows and their chart, July to June.
class TForm2 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm2(ScreenHost &host);

protected:
    void buildReport() override;
};

} // namespace verdeval
