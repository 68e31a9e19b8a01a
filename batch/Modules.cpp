#include "batch/BatchModule.h"
#include "batch/RecordingOutput.h"

#include "evapotranspiration/calc/Evapotranspiracion.h"
#include "platform/core/Errors.h"
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

const QStringList monthsJanDec{"Ene", "Feb", "Mar", "Abr", "May", "Jun", "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"};

// Runs a calculation as the screen's guarded handler does: an error ends it, and its message
// is what the standard error box shows.
template <class Calculation>
PlaceResult guarded(Calculation calculation)
{
    RecordingOutput out;
    try {
        calculation(out);
    } catch (const CalcError &e) {
        QString text = e.message();
        if (!text.endsWith(QLatin1Char('.')))
            text += QLatin1Char('.');
        out.result.stop = text;
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
        const struct {
            const char *caption;
            const char *prefix;
            const char *annual;
        } spec[] = {
            {"Evapotranspiración Potencial", "EEP", "EEPT"},  {"Precipitación-Evapotranspiración", "EDP", ""},
            {"Almacenaje", "EAL", ""},                        {"Δ Almacenaje", "EDAL", ""},
            {"Evapotranspiración Real", "EER", "EERT"},       {"Deficiencia", "EDE", "EDET"},
            {"Exceso", "EEX", "EEXT"},
        };
        QList<RowSpec> out;
        for (const auto &r : spec)
            out.append({QString::fromUtf8(r.caption), named(QString::fromLatin1(r.prefix), 12) << QString::fromLatin1(r.annual)});
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
        const char *captions[] = {"ET(Thornthwaite)", "ET(Turc)", "ET(Hargreaves)", "ET(Penman/FAO)"};
        QList<RowSpec> out;
        for (int m = 0; m < Evapotranspiracion::cantidadMetodos; ++m) {
            const Evapotranspiracion::Celdas &c = Evapotranspiracion::celdas[m];
            out.append({QString::fromLatin1(captions[m]),
                        named(QString::fromLatin1(c.prefijo), 12) << QString::fromLatin1(c.total)});
        }
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
        auto figure = [](const char *caption, const char *cell) {
            return RowSpec{QString::fromUtf8(caption), QStringList(12) << QString::fromLatin1(cell)};
        };
        return {{QStringLiteral("Temperatura Mínima Media"), named(QStringLiteral("ETmi"), 12) << QStringLiteral("ETmiT")},
                figure("Horas de Frío Totales", "EHFT"), figure("Horas de Frío Corregidas", "EHFC"),
                figure("Horas de Frío Efectivas", "EHFE")};
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
        auto row = [](const char *caption, const char *prefix) {
            return RowSpec{QString::fromUtf8(caption),
                           named(QString::fromLatin1(prefix), 12) << QString::fromLatin1(prefix) + QLatin1Char('T')};
        };
        auto season = [](const char *caption, const char *cell) {
            return RowSpec{QString::fromUtf8(caption), QStringList(12) << QString::fromLatin1(cell)};
        };
        return {row("Grados Día (Grados días/tb)", "EEP"), row("Gd sobre 0°C", "EDP"), row("Gd sobre 10°C", "EAL"),
                row("Gd sobre 15°C", "EDAL"),
                season("Gd para cultivos de ciclo inverno-primaveral (Junio a Diciembre) s/T base seleccionada", "EHFT"),
                season("Gd para cultivos de ciclo primavero-estival (Octubre a Marzo) s/T base seleccionada", "EHFC")};
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
