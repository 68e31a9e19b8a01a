#include "radiation/calc/CalendarioAstronomico.h"

namespace verdeval::CalendarioAstronomico {

QStringList titulos()
{
    QStringList out;
    for (const FechaAstronomica &f : fechas)
        out << QString::fromLatin1(f.titulo);
    return out;
}

} // namespace verdeval::CalendarioAstronomico
