#pragma once

#include "platform/ModuleScreen.h"

namespace verdeval {

class TFBHC : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFBHC(VerdevalApp &app);
};

} // namespace verdeval
