#include "radiation/calc/Calculos.h"

#include "platform/core/CalcOutput.h"
#include "platform/core/Latitude.h"
#include "platform/core/NumberText.h"
#include "radiation/calc/GeometriaSolar.h"

namespace verdeval {

const QString faltaHeliofania = QStringLiteral(
    "Para calcular la Radiación Global, ingrese los datos de Heliofanía efectiva, utilizando el punto como separador "
    "decimal.");
const QString faltaUmbral = QStringLiteral("Debe ingresar un umbral.");
const QString latitudMayor = QStringLiteral("La Latitud debe ser menor o igual a 60 grados.");

namespace {

// Beyond 60 degrees the sun does not sink 6 degrees below the horizon on some date, and the
// photoperiod has no value.
constexpr double latitudMaxima = 60;

BoxTexts cajasEstacion(const TDatosLocalidad &place)
{
    BoxTexts b;
    b.set(QStringLiteral("EEstacion"), place.EEstacion);
    b.set(QStringLiteral("EGrados"), place.EGrados);
    b.set(QStringLiteral("EMinutos"), place.EMinutos);
    b.set(QStringLiteral("EHemisferio"), place.EHemisferio);
    return b;
}

template <size_t N>
void fila(CalcOutput &out, const QString &prefix, const std::array<double, N> &valores, int decimales)
{
    for (size_t k = 0; k < N; ++k)
        out.cell(prefix + QString::number(k + 1), floatToStrF(valores[k], decimales));
}

} // namespace

BoxTexts cajasRadiacion(const TDatosLocalidad &place)
{
    BoxTexts b = cajasEstacion(place);
    for (int k = 1; k <= 12; ++k)
        b.set(QStringLiteral("EHE"), k, place.HE[(k + 5) % 12 + 1]);
    return b;
}

void calcularRadiacion(const BoxTexts &cajas, EstadoRadiacion &estado, CalcOutput &out)
{
    const double latitud = signedLatitude(cajas, estado.latitud, out);
    estado.phi = aRadianes(latitud);

    // All sixteen dates are computed before any cell changes: a polar day or night on one of
    // them stops the calculation with the screen as it was.
    estado.RaFechas = Radiacion::astronomicaFechas(latitud);
    fila(out, QStringLiteral("ERA"), estado.RaFechas, 0);

    if (cajas.anyEmpty(QStringLiteral("EHE"), CalendarioMensual::cantidad)) {
        out.atencion(faltaHeliofania);
        return;
    }
    std::array<double, CalendarioMensual::cantidad> n{};
    for (int k = 0; k < CalendarioMensual::cantidad; ++k)
        n[k] = cajas.number(QStringLiteral("EHE"), k + 1);
    const Radiacion::Mensual meses = Radiacion::mensual(latitud, n);
    estado.heliofania = n;
    estado.meses = meses;
    fila(out, QStringLiteral("ERG"), estado.meses.Rg, 0);
}

BoxTexts cajasHeliofania(const TDatosLocalidad &place) { return cajasEstacion(place); }

bool calcularHeliofania(const BoxTexts &cajas, EstadoHeliofania &estado, CalcOutput &out)
{
    if (cajas.text(QStringLiteral("EHE")).isEmpty()) {
        out.atencion(faltaUmbral);
        return false;
    }
    if (cajas.number(QStringLiteral("EGrados")) > latitudMaxima) {
        out.atencion(latitudMayor);
        return false;
    }
    const double latitud = signedLatitude(cajas, estado.latitud, out);
    estado.phi = aRadianes(latitud);

    // Each row is computed in full before it is written: a date without a value stops the
    // calculation with that row as it was.
    estado.N = Heliofania::astronomica(latitud);
    fila(out, QStringLiteral("ERG"), estado.N, 1);
    estado.P = Heliofania::fotoperiodos(latitud);
    fila(out, QStringLiteral("ERA"), estado.P, 1);
    estado.U.fill(cajas.number(QStringLiteral("EHE")));
    return true;
}

} // namespace verdeval
