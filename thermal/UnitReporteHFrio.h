#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

// The chill hours report: the monthly minima and the three figures.
class TForm8 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm8(ScreenHost &host);

protected:
    void buildReport() override;
};

} // namespace verdeval
