#pragma once

#include "platform/Screen.h"

namespace verdeval {

class TFBHCGraf : public Screen
{
    Q_OBJECT
public:
    explicit TFBHCGraf(VerdevalApp &app);
};

} // namespace verdeval
