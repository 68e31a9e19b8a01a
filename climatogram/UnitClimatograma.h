#pragma once

#include "platform/ModuleScreen.h"

namespace verdeval {

class TFClimatograma : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFClimatograma(VerdevalApp &app);
};

} // namespace verdeval
