#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

// The water balance report, one Letter page: the seven monthly rows of the storage account,
// without annual values, and the screen's two charts in the report's colours.
class TForm5 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm5(ScreenHost &host);

    Chart &QRChart1() { ensureBuilt(); return *m_balance; }
    Chart &QRChart2() { ensureBuilt(); return *m_suelo; }

protected:
    void buildReport() override;

private:
    Chart *m_balance = nullptr;
    Chart *m_suelo = nullptr;
};

} // namespace verdeval
