#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

// The climatogram report: the monthly precipitation and temperature table and the chart.
class TForm7 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm7(ScreenHost &host);

protected:
    void buildReport() override;
};

} // namespace verdeval
