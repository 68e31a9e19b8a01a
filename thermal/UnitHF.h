#pragma once

#include "platform/ModuleScreen.h"

namespace verdeval {

class TFHF : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFHF(VerdevalApp &app);
};

} // namespace verdeval
