#pragma once

#include "platform/Screen.h"

namespace verdeval {

class TFEPotencial : public Screen
{
    Q_OBJECT
public:
    explicit TFEPotencial(VerdevalApp &app);
};

} // namespace verdeval
