#pragma once

#include "platform/ModuleScreen.h"

namespace verdeval {

class TFHeFo : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFHeFo(VerdevalApp &app);
};

} // namespace verdeval
