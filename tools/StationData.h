#pragma once

#include "CsvTable.h"

#include <QHash>
#include <QPair>
#include <QVariantList>

#include <functional>
#include <stdexcept>

// The station data of location/data as the build tools and the test fixtures read it:
// stations.csv (one row per catalogue key, with its position) and the preferred monthly
// series of normals.csv.
namespace verdeval::stationdata {

// A fault in a data file or in a tool's arguments; the message says which file and value.
class DataError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const QString &message);

// Runs the work of a command-line tool: a DataError ends it with "<tool>: <message>" on
// standard error and exit status 1.
int runTool(const char *tool, const std::function<void()> &work);

// Reads a whole table; a file that cannot be read or parsed fails.
CsvTable readTable(const QString &path);
// The index of a header column; a table without it fails.
int requireColumn(const CsvTable &table, const QString &name);

// "-12.5", "0", "1003.0": digits with an optional sign and decimal part.
bool isNumberText(const QString &text);
// "495": digits only.
bool isWholeText(const QString &text);
// A whole number for a database field: null for an empty text; anything else not a whole
// number fails, naming `what`.
QVariant wholeValue(const QString &text, const QString &what);

// One row of stations.csv. Position fields are texts as written; empty where no source gave
// them.
struct Station
{
    QString key, province, latDeg, latMin, lonDeg, lonMin, altitude;
    QString source, listed, sourceStation;
};

// A monthly series, January first.
struct Series
{
    QStringList months; // twelve number texts, empty where the data has no value
    QString provenance; // "<source>, <period>"

    bool complete() const;
    // The months as numbers, null where the data has no value.
    QVariantList values() const;
};

// The series tables of a climate database, in the order the database lists them, each with
// the variable of normals.csv it holds.
const QList<QPair<QString, QString>> &databaseSeriesTables();

class StationData
{
public:
    // Reads both files. Fails on a key given twice in stations.csv, on two preferred series
    // of one key and variable, on a preferred series of a key that stations.csv lacks, and
    // on a month that is neither empty nor a number.
    static StationData read(const QString &stationsPath, const QString &normalsPath);

    const QString &stationsPath() const { return m_stationsPath; }
    const QString &normalsPath() const { return m_normalsPath; }

    // In the order of stations.csv.
    const QList<Station> &stations() const { return m_stations; }
    // The station of a key, or nullptr.
    const Station *station(const QString &key) const;
    // The preferred series of a key and variable ("PP", "T", "TMa", ...), or nullptr.
    const Series *preferred(const QString &key, const QString &variable) const;

private:
    QString m_stationsPath;
    QString m_normalsPath;
    QList<Station> m_stations;
    QHash<QString, int> m_stationIndex;
    QHash<QString, Series> m_preferred; // "key\nvariable"
};

} // namespace verdeval::stationdata
