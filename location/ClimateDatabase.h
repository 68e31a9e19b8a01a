#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <memory>

namespace verdeval {

class DriveMap;

// The eight monthly series tables of the climate database.
enum class SeriesTable { TempMed, Pp, TempMaxMedia, TempMinMedia, HeEfectiva, HumRel, PreAtm, VelViento };

// The series tables in the order a locality load reads them.
const std::array<SeriesTable, 8> &seriesLoadOrder();
// The table name in the file ("TempMed") and the code of the series it holds ("T").
QString seriesTableName(SeriesTable table);
QString seriesCode(SeriesTable table);

// The metadata of a locality as the database holds it. Texts are the values as the database
// layer renders them (a missing value is the empty text); the latitude minutes are read as a
// number. A locality the database does not have gives found = false, empty texts, 0 minutes.
struct LocalityRecord
{
    bool found = false;
    QString name;      // Nomloc
    QString latDeg;    // LatGra
    double latMin = 0; // latmin
    QString hemisphere = QStringLiteral("S"); // the database holds southern localities only
    QString lonDeg;    // LongGra
    QString lonMin;    // longmin
    QString altitude;  // altitud
};

// Read-only access to the climate database file Quenora.mdb (an SQLite file): the provinces,
// the localities of a province, and one locality's metadata and monthly series. Each query is
// a separate call, so that the caller can show progress between them. Province and locality
// names are compared without regard to case (ASCII letters) and are always passed to the
// database as values: quotes, "%" or "_" in a typed name are just characters of the name.
// Every failure is thrown as CalcError with a message that names the file.
class ClimateDatabase
{
public:
    ClimateDatabase();
    ~ClimateDatabase();
    ClimateDatabase(const ClimateDatabase &) = delete;
    ClimateDatabase &operator=(const ClimateDatabase &) = delete;

    // Opens the first of the paths that is an existing file, read-only, and checks that it
    // holds the tables and columns the program reads. Closes any database open before.
    void open(const QStringList &candidatePaths);
    // The same for the database of a drive ("C" to "G").
    void openDrive(const DriveMap &drives, const QString &drive);
    void close();
    bool isOpen() const;
    // The file open, as the user would write it; empty when closed.
    QString filePath() const;

    // Reads the locality table and the eight series tables whole, once; from then on the
    // locality and series queries answer from memory, exactly as the file would (the first row
    // of a locality, names compared as the queries compare them). For runs over every locality
    // of a file; the index asks the file each time.
    void preload();

    // Nombre of every row of Provincia, in table order.
    QStringList provinces() const;
    // Nomloc of the localities of a province, in table order.
    QStringList localities(const QString &province) const;
    // The first row of LocPorProv for the province and locality. Minutes stored as a text that
    // is not a number raise the standard conversion error.
    LocalityRecord queryLocality(const QString &province, const QString &locality) const;
    // Columns "1" to "12" (January to December) of the first row of the table for the
    // province and locality, as texts; twelve empty texts when the table has no such row.
    QStringList querySeries(SeriesTable table, const QString &province, const QString &locality) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace verdeval
