#pragma once

#include "output/ReportLayout.h"

namespace verdeval {

// The water balance report: the seven monthly rows of the storage account, without annual
// values, and the screen's two charts in the report's colours.
class TForm5 : public ReportLayout
{
    Q_OBJECT
public:
    explicit TForm5(ScreenHost &host);

protected:
    void buildReport() override;
};

} // namespace verdeval
