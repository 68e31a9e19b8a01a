#include "location/calc/Catalogue.h"

#include "location/calc/CatalogueTable.h"
#include "platform/core/NumberText.h"

#include <QHash>

#include <cmath>
#include <vector>

namespace verdeval {

namespace {

struct Catalogue
{
    std::vector<CatalogueRecord> records;
    QHash<QString, const CatalogueRecord *> byText; // record keys and list aliases
    QStringList provinces;
    QHash<QString, QStringList> stationLists;
};

std::array<double, 12> months(const double (&values)[12])
{
    std::array<double, 12> out;
    for (int m = 0; m < 12; ++m)
        out[m] = values[m];
    return out;
}

Catalogue build()
{
    namespace table = catalogue_table;
    Catalogue c;
    c.records.reserve(table::stationCount);
    for (int i = 0; i < table::stationCount; ++i) {
        const table::Station &s = table::stations[i];
        c.records.push_back({QString::fromUtf8(s.key), QString::fromUtf8(s.shownName),
                             QString::fromUtf8(s.latDeg), QString::fromUtf8(s.latMin),
                             QString::fromUtf8(s.hemisphere), QString::fromUtf8(s.lonDeg),
                             QString::fromUtf8(s.lonMin), QString::fromUtf8(s.altitude),
                             months(s.pp), months(s.t)});
    }
    // The vector no longer changes, so pointers into it stay valid.
    for (const CatalogueRecord &r : c.records)
        c.byText.insert(r.key, &r);
    for (int i = 0; i < table::aliasCount; ++i) {
        const QString entry = QString::fromUtf8(table::aliases[i].entry);
        if (!c.byText.contains(entry))
            c.byText.insert(entry, c.byText.value(QString::fromUtf8(table::aliases[i].recordKey)));
    }
    for (int p = 0; p < table::provinceCount; ++p) {
        const QString name = QString::fromUtf8(table::provinces[p].name);
        QStringList list;
        for (int i = 0; i < table::provinces[p].stationCount; ++i)
            list << QString::fromUtf8(table::provinces[p].stations[i]);
        c.provinces << name;
        c.stationLists.insert(name, list);
    }
    return c;
}

const Catalogue &catalogue()
{
    static const Catalogue c = build();
    return c;
}

bool complete(const std::array<double, 12> &values)
{
    for (const double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

} // namespace

const CatalogueRecord *findStation(const QString &key)
{
    return catalogue().byText.value(key, nullptr);
}

const QStringList &catalogueProvinces()
{
    return catalogue().provinces;
}

QStringList stationsOfProvince(const QString &province)
{
    return catalogue().stationLists.value(province);
}

QStringList catalogueSeriesTexts(const std::array<double, 12> &values)
{
    QStringList texts;
    for (const double v : values)
        texts << (std::isfinite(v) ? floatToStr(v) : QString());
    return texts;
}

bool hasMonthlyNormals(const CatalogueRecord &record)
{
    return complete(record.pp) && complete(record.t);
}

TDatosLocalidad placeFromCatalogue(const CatalogueRecord &record)
{
    TDatosLocalidad place;
    place.EEstacion = record.shownName;
    place.EGrados = record.latDeg;
    place.EMinutos = record.latMin;
    place.EHemisferio = record.hemisphere;
    place.EGradosL = record.lonDeg;
    place.EMinutosL = record.lonMin;
    place.EAltitud = record.altitude;
    place.PP.assign(catalogueSeriesTexts(record.pp));
    place.T.assign(catalogueSeriesTexts(record.t));
    return place;
}

int catalogueSize()
{
    return int(catalogue().records.size());
}

const CatalogueRecord &catalogueRecord(int i) { return catalogue().records.at(size_t(i)); }

} // namespace verdeval
