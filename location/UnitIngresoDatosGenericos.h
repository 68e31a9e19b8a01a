#pragma once

#include "platform/Screen.h"

namespace verdeval {

class TFIngresoDatosGenericos : public Screen
{
    Q_OBJECT
public:
    explicit TFIngresoDatosGenericos(VerdevalApp &app);
};

} // namespace verdeval
