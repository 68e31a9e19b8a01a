#pragma once

#include "location/calc/TDatosLocalidad.h"

#include <QString>
#include <QStringList>

#include <array>

// The built-in station catalogue: for each weather station its name, position, altitude and
// the normal monthly precipitation and mean temperature. Read-only, compiled into the program.
namespace verdeval {

struct CatalogueRecord
{
    QString key;        // the name looked up, exactly as typed or picked
    QString shownName;  // what the location shows as the station name
    QString latDeg, latMin, hemisphere; // whole degrees and minutes; hemisphere always "S"
    QString lonDeg, lonMin;             // whole degrees and minutes (west)
    QString altitude;                   // metres; empty where the catalogue has none
    std::array<double, 12> pp;          // precipitation, mm, January first; NaN = no value
    std::array<double, 12> t;           // mean temperature, °C, January first; NaN = no value
};

// The record that a station-box text loads: the record of that key, or the record that a
// station-list entry without a record of its own leads to ("Córdoba" loads "Córdoba Aero").
// Exact and case-sensitive; nullptr for any other text, parts of names included.
const CatalogueRecord *findStation(const QString &key);

// The province list in the order shown: the 20 provinces, then "DATOS PROPIOS".
const QStringList &catalogueProvinces();

// The station list of a province entry, in the order shown; empty for "DATOS PROPIOS" and
// for any text that is not exactly a province entry.
QStringList stationsOfProvince(const QString &province);

// The twelve texts of a series in the general number format (140.9, 38, 0, -0.1); the
// empty text for a month without a value.
QStringList catalogueSeriesTexts(const std::array<double, 12> &values);

// The place a catalogue record makes, as choosing it on the index writes it: name,
// coordinates, altitude, precipitation and temperature; every other field empty.
TDatosLocalidad placeFromCatalogue(const CatalogueRecord &record);

// True when both precipitation and temperature have all twelve values.
bool hasMonthlyNormals(const CatalogueRecord &record);

// The number of records (list entries that lead to another record are not records).
int catalogueSize();
// Record i, 0 <= i < catalogueSize(), in catalogue order.
const CatalogueRecord &catalogueRecord(int i);

} // namespace verdeval
