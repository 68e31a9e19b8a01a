#pragma once

// The station catalogue as it is compiled into the program. The definitions are written at
// build time by tools/gen_catalogue from location/data/stations.csv and normals.csv; the
// generated source carries the provenance of every number. Only Catalogue.cpp reads these.
namespace verdeval::catalogue_table {

// One station record. Texts are UTF-8; an empty text is a value the data does not have.
// A NaN month is a month without a value.
struct Station
{
    const char *key;
    const char *shownName;
    const char *latDeg;
    const char *latMin;
    const char *hemisphere;
    const char *lonDeg;
    const char *lonMin;
    const char *altitude;
    double pp[12];
    double t[12];
};

// One entry of the province list and the station list it offers, in the order shown.
struct Province
{
    const char *name;
    const char *const *stations;
    int stationCount;
};

// A station-list entry that has no record of its own and loads another record.
struct ListAlias
{
    const char *entry;
    const char *recordKey;
};

extern const Station stations[];
extern const int stationCount;
extern const Province provinces[];
extern const int provinceCount;
extern const ListAlias aliases[];
extern const int aliasCount;

} // namespace verdeval::catalogue_table
