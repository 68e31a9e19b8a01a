#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

// The temperature sum report: the four monthly degree-day rows and their chart.
class TForm6 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm6(ScreenHost &host);

protected:
    void buildReport() override;
};

} // namespace verdeval
