#pragma once

#include "platform/ModuleScreen.h"

namespace verdeval {

// Winter chill hours from the monthly mean minimum temperatures: total, corrected and effective
// hours, with their report.
class TFHF : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFHF(VerdevalApp &app);

protected:
    void build() override;
};

} // namespace verdeval
