#include "batch/BatchModule.h"
#include "batch/RecordingOutput.h"

#include "evapotranspiration/calc/Evapotranspiracion.h"
#include "platform/core/Errors.h"
#include "platform/core/Messages.h"
#include "platform/core/Months.h"
#include "platform/core/NumberText.h"
#include "radiation/calc/Calculos.h"
#include "thermal/calc/HorasFrio.h"
#include "thermal/calc/SumaTemperatura.h"
#include "waterbalance/calc/BalanceHidrico.h"

namespace verdeval::batch {

namespace {

QStringList named(const QString &prefix, int count)
{
    QStringList out;
    for (int k = 1; k <= count; ++k)
        out << prefix + QString::number(k);
    return out;
}

// Runs a calculation as the screen's guarded handler does: an error ends it, and its message
// is what the standard error box shows.
template <class Calculation>
PlaceResult guarded(Calculation calculation)
{
    RecordingOutput out;
    try {
        calculation(out);
    } catch (const CalcError &e) {
        out.result.stop = msg::standardErrorText(e.message());
    }
    return out.result;
}

class Radiation : public BatchModule
{
public:
    QString id() const override { return QStringLiteral("radiation"); }
    QStringList headings() const override { return CalendarioAstronomico::titulos(); }
    QList<RowSpec> rows() const override
    {
        // The global row stands under the month columns only.
        QStringList global(CalendarioAstronomico::cantidad);
        const QList<int> columns = CalendarioMensual::columnas();
        for (int k = 0; k < columns.size(); ++k)
            global[columns.at(k)] = QStringLiteral("ERG") + QString::number(k + 1);
        return {{QStringLiteral("R. Global"), global},
                {QStringLiteral("R. Astronómica"), named(QStringLiteral("ERA"), CalendarioAstronomico::cantidad)}};
    }
    PlaceResult run(const TDatosLocalidad &place, const Options &) const override
    {
        return guarded([&](CalcOutput &out) {
            EstadoRadiacion estado;
            calcularRadiacion(cajasRadiacion(place), estado, out);
        });
    }
};

class Heliophany : public BatchModule
{
public:
    QString id() const override { return QStringLiteral("heliophany"); }
    QStringList headings() const override { return CalendarioAstronomico::titulos(); }
    QList<RowSpec> rows() const override
    {
        return {{QStringLiteral("Heliofanía Astr."), named(QStringLiteral("ERG"), CalendarioAstronomico::cantidad)},
                {QStringLiteral("Fotoperíodo"), named(QStringLiteral("ERA"), CalendarioAstronomico::cantidad)}};
    }
    PlaceResult run(const TDatosLocalidad &place, const Options &options) const override
    {
        return guarded([&](CalcOutput &out) {
            BoxTexts cajas = cajasHeliofania(place);
            cajas.set(QStringLiteral("EHE"), options.threshold);
            EstadoHeliofania estado;
            calcularHeliofania(cajas, estado, out);
        });
    }
};

class WaterBalance : public BatchModule
{
public:
    QString id() const override { return QStringLiteral("waterbalance"); }
    QStringList headings() const override { return monthsJanDec + QStringList{QStringLiteral("Anual")}; }
    QList<RowSpec> rows() const override
    {
        QList<RowSpec> out;
        for (const BalanceHidrico::Fila &f : BalanceHidrico::filas) {
            const QString anual = f.prefijo + QLatin1Char('T');
            out.append({(f.delta ? QStringLiteral("Δ ") : QString()) + f.titulo,
                        named(f.prefijo, 12) << (BalanceHidrico::anuales.contains(anual) ? anual : QString())});
        }
        return out;
    }
    PlaceResult run(const TDatosLocalidad &place, const Options &options) const override
    {
        return guarded([&](CalcOutput &out) {
            // The launcher sums the precipitation before it opens the screen: a month that is
            // not a number keeps the screen closed.
            for (int m = 1; m <= 12; ++m)
                strToFloat(place.PP[m]);
            BalanceHidrico::Entrada entrada;
            entrada.grados = place.EGrados;
            entrada.minutos = place.EMinutos;
            entrada.hemisferio = place.EHemisferio;
            entrada.T = place.T.list();
            entrada.PP = place.PP.list();
            entrada.CC = options.cc;
            BalanceHidrico::Valores valores;
            BalanceHidrico::calcular(entrada, valores, out);
        });
    }
};

class Evapotranspiration : public BatchModule
{
public:
    QString id() const override { return QStringLiteral("etp"); }
    QStringList headings() const override { return monthsJanDec + QStringList{QStringLiteral("Año")}; }
    QList<RowSpec> rows() const override
    {
        QList<RowSpec> out;
        for (const Evapotranspiracion::Celdas &c : Evapotranspiracion::celdas)
            out.append({QString::fromLatin1(c.rotulo),
                        named(QString::fromLatin1(c.prefijo), 12) << QString::fromLatin1(c.total)});
        return out;
    }
    PlaceResult run(const TDatosLocalidad &place, const Options &options) const override
    {
        return guarded([&](CalcOutput &out) {
            // The boxes as the launcher fills them; the anemometer height and the albedo are
            // the user's.
            Evapotranspiracion::Entrada e;
            e.grados = place.EGrados;
            e.minutos = place.EMinutos;
            e.hemisferio = place.EHemisferio;
            e.T = place.T.list();
            e.Tx = place.TMa.list();
            e.Tn = place.TMi.list();
            e.n = place.HE.list();
            e.HR = place.HR.list();
            e.P = place.PA.list();
            e.V = place.VV.list();
            e.altitud = place.EAltitud;
            e.anemometro = options.anemometerHeight;
            e.albedo = options.albedo;
            Evapotranspiracion::Estado estado;
            Evapotranspiracion::calcular(e, estado, out);
        });
    }
};

// The chill hours screen: the minima as its boxes show them with their annual mean, and the
// three figures, each in the annual column.
class ChillHours : public BatchModule
{
public:
    QString id() const override { return QStringLiteral("chill"); }
    QStringList headings() const override { return monthsJanDec + QStringList{QStringLiteral("Anual")}; }
    QList<RowSpec> rows() const override
    {
        QList<RowSpec> out{
            {QStringLiteral("Temperatura Mínima Media"), named(QStringLiteral("ETmi"), 12) << QStringLiteral("ETmiT")}};
        for (const HorasFrio::Cifra &c : HorasFrio::cifras)
            out.append({c.titulo, QStringList(12) << c.celda});
        return out;
    }
    PlaceResult run(const TDatosLocalidad &place, const Options &) const override
    {
        return guarded([&](CalcOutput &out) {
            // The boxes of the minima, as the launcher filled them.
            for (int m = 1; m <= 12; ++m)
                out.cell(QStringLiteral("ETmi") + QString::number(m), place.TMi[m]);
            HorasFrio::Entrada e{place.EGrados, place.EMinutos, place.EHemisferio, place.TMi.list()};
            HorasFrio::Valores valores;
            HorasFrio::calcular(e, valores, out);
        });
    }
};

// The temperature sums screen: four rows of degree-days with the annual sums the screen keeps
// in hidden labels, and the two seasonal sums, in a column of sums.
class TemperatureSums : public BatchModule
{
public:
    QString id() const override { return QStringLiteral("sums"); }
    QStringList headings() const override { return monthsJanDec + QStringList{QStringLiteral("Suma")}; }
    QList<RowSpec> rows() const override
    {
        QList<RowSpec> out;
        for (const SumaTemperatura::Fila &f : SumaTemperatura::filas)
            out.append({f.titulo, named(f.prefijo, 12) << f.prefijo + QLatin1Char('T')});
        for (const SumaTemperatura::Cifra &c : SumaTemperatura::estacionales)
            out.append({c.titulo, QStringList(12) << c.celda});
        return out;
    }
    PlaceResult run(const TDatosLocalidad &place, const Options &options) const override
    {
        return guarded([&](CalcOutput &out) {
            SumaTemperatura::Entrada e{place.EGrados, place.EMinutos, place.EHemisferio, place.T.list(), options.tb};
            SumaTemperatura::Valores valores;
            SumaTemperatura::calcular(e, valores, out);
        });
    }
};

} // namespace

std::vector<std::unique_ptr<BatchModule>> allModules()
{
    std::vector<std::unique_ptr<BatchModule>> out;
    out.push_back(std::make_unique<Radiation>());
    out.push_back(std::make_unique<Heliophany>());
    out.push_back(std::make_unique<Evapotranspiration>());
    out.push_back(std::make_unique<WaterBalance>());
    out.push_back(std::make_unique<ChillHours>());
    out.push_back(std::make_unique<TemperatureSums>());
    return out;
}

std::unique_ptr<BatchModule> moduleById(const QString &id)
{
    for (auto &m : allModules())
        if (m->id() == id)
            return std::move(m);
    return nullptr;
}

} // namespace verdeval::batch
