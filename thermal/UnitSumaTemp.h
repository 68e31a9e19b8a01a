#pragma once

#include "platform/ModuleScreen.h"

namespace verdeval {

class TFST : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFST(VerdevalApp &app);
};

} // namespace verdeval
