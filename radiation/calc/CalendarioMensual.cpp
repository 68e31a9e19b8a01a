#include "radiation/calc/CalendarioMensual.h"

namespace verdeval::CalendarioMensual {

QList<int> columnas()
{
    return QList<int>(filas.begin(), filas.end());
}

} // namespace verdeval::CalendarioMensual
