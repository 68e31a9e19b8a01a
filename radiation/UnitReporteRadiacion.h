#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

// The radiation report, one Letter page: the heading block, the title, the sixteen date
// columns with the rows "R. Global" (ERG1..ERG12 under the months) and "R. Astronómica"
// (ERA1..ERA16), and the chart QRChart1 with "Rad. Global" and "Rad. Astron.".
class TForm4 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm4(ScreenHost &host);

    Chart &QRChart1() { ensureBuilt(); return *m_chart; }

private:
    Chart *m_chart = nullptr;

protected:
    void buildReport() override;
};

} // namespace verdeval
