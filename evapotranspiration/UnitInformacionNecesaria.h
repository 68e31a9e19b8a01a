#pragma once

#include "platform/Screen.h"

namespace verdeval {

class TFEtpInformacion : public Screen
{
    Q_OBJECT
public:
    explicit TFEtpInformacion(VerdevalApp &app);
};

} // namespace verdeval
