#include "location/LocalityLoad.h"

#include "location/ClimateDatabase.h"
#include "location/calc/SeriesRule.h"
#include "platform/core/NumberText.h"

#include <array>

namespace verdeval {

void loadLocality(const ClimateDatabase &db, const QString &province, const QString &locality, TDatosLocalidad &place,
                  const std::function<void()> &step)
{
    auto advance = [&] {
        if (step)
            step();
    };
    const LocalityRecord meta = db.queryLocality(province, locality);
    advance();
    advance();

    std::array<QStringList, 8> read; // by table
    for (const SeriesTable table : seriesLoadOrder()) {
        read[size_t(table)] = db.querySeries(table, province, locality);
        if (table != SeriesTable::HumRel && table != SeriesTable::VelViento)
            advance();
    }

    place = TDatosLocalidad();
    place.EEstacion = meta.name;
    place.EGrados = meta.latDeg;
    place.EMinutos = floatToStrF(meta.latMin, 0);
    place.EHemisferio = QStringLiteral("S");
    place.EGradosL = meta.lonDeg;
    place.EMinutosL = meta.lonMin;
    place.EAltitud = meta.altitude;

    auto write = [&](MonthlyTexts &series, SeriesTable table) {
        QStringList texts = read[size_t(table)];
        series.assign(texts);
        applySeriesRule(texts);
        series.assign(texts);
    };
    write(place.PP, SeriesTable::Pp);
    write(place.T, SeriesTable::TempMed);
    advance();
    write(place.TMa, SeriesTable::TempMaxMedia);
    write(place.TMi, SeriesTable::TempMinMedia);
    write(place.HE, SeriesTable::HeEfectiva);
    write(place.HR, SeriesTable::HumRel);
    advance();
    write(place.PA, SeriesTable::PreAtm);
    write(place.VV, SeriesTable::VelViento);
    advance();
}

} // namespace verdeval
