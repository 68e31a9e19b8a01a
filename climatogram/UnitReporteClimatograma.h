#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

// The climatogram report: the monthly precipitation and temperature table and the chart.
class TForm7 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm7(ScreenHost &host);

    Chart &QRChart1() { ensureBuilt(); return *m_chart; }

protected:
    void buildReport() override;

private:
    Chart *m_chart = nullptr;
};

} // namespace verdeval
