#pragma once

#include "platform/ModuleScreen.h"

namespace verdeval {

class TFIngresoInformacionRadiacion : public ModuleScreen
{
    Q_OBJECT
public:
    explicit TFIngresoInformacionRadiacion(VerdevalApp &app);
};

} // namespace verdeval
