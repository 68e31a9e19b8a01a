#pragma once

#include "platform/Screen.h"

namespace verdeval {

class TGraficoETP : public Screen
{
    Q_OBJECT
public:
    explicit TGraficoETP(VerdevalApp &app);
};

} // namespace verdeval
