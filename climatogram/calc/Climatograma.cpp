#include "climatogram/calc/Climatograma.h"

#include "platform/core/NumberText.h"

namespace verdeval::Climatograma {

void leer(const Entrada &entrada, Valores &v)
{
    for (int m = 0; m < 12; ++m)
        v.T[m] = strToFloat(entrada.T.value(m), QStringLiteral("ET%1").arg(m + 1));
    for (int m = 0; m < 12; ++m)
        v.PP[m] = strToFloat(entrada.PP.value(m), QStringLiteral("EPP%1").arg(m + 1));
}

} // namespace verdeval::Climatograma
