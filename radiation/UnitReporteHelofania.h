#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

// The heliophany and photoperiod report, one Letter page: the heading block, the title, the
// sixteen date columns with the rows "Heliofanía" (EH1..EH16) and "Fotoperíodo" (EF1..EF16),
// and the chart QRChart1 with "Heliofanía", "Fotoperíodo" and "Umbral".
class TForm3 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm3(ScreenHost &host);

    Chart &QRChart1() { ensureBuilt(); return *m_chart; }

private:
    Chart *m_chart = nullptr;

protected:
    void buildReport() override;
};

} // namespace verdeval
