#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

// The temperature sum report: the four monthly degree-day rows and their chart.
class TForm6 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm6(ScreenHost &host);

    Chart &QRChart1() { ensureBuilt(); return *m_chart; }

protected:
    void buildReport() override;

private:
    Chart *m_chart = nullptr;
};

} // namespace verdeval
