#pragma once

#include "platform/ModuleScreen.h"

namespace verdeval {

class TFIngresoInformacion : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFIngresoInformacion(VerdevalApp &app);
};

} // namespace verdeval
