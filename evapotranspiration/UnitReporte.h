#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

// The evapotranspiration report, one Letter page: the heading block, the title, the four result
// rows (52 value labels named as the screen's cells) and the chart QRChart1 with a line per
// method, July to June.
class TForm2 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm2(ScreenHost &host);

    Chart &QRChart1() { ensureBuilt(); return *m_chart; }

private:
    Chart *m_chart = nullptr;

protected:
    void buildReport() override;
};

} // namespace verdeval
