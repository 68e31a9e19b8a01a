#pragma once

#include "platform/ModuleScreen.h"

namespace verdeval {

// The climatogram: monthly precipitation as bars and mean temperature as a line, July to June,
// on one chart with two vertical axes, with its report.
class TFClimatograma : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFClimatograma(VerdevalApp &app);

protected:
    void build() override;
};

} // namespace verdeval
