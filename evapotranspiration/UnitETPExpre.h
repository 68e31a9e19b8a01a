#pragma once

#include "platform/Screen.h"

namespace verdeval {

class TFEtpExp : public Screen
{
    Q_OBJECT
public:
    explicit TFEtpExp(VerdevalApp &app);
};

} // namespace verdeval
