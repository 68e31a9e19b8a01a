#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace verdeval::test {

// Builds a climate database file (SQLite) for a test, with the tables and columns the program
// reads: Provincia, LocPorProv and the eight series tables, each indexed on province and
// locality. Failures throw std::runtime_error, which fails the test that built the fixture.
class ClimateDbFixture
{
public:
    // Creates the file, replacing one already there, and its folder. Tables ("HumRel") and
    // columns ("Pp.7", "LocPorProv.latmin") named in `without` are left out of the schema.
    explicit ClimateDbFixture(const QString &filePath, const QStringList &without = {});
    ~ClimateDbFixture();
    ClimateDbFixture(const ClimateDbFixture &) = delete;
    ClimateDbFixture &operator=(const ClimateDbFixture &) = delete;

    // <driveFolder>/Quenora/Quenora.mdb, where the program looks on a drive.
    static QString pathOnDrive(const QString &driveFolder);

    const QString &filePath() const { return m_path; }

    void addProvince(const QString &name);
    // latGra, latmin, LongGra, longmin, altitud; a null QVariant is stored as NULL.
    void addLocality(const QString &province, const QString &locality, const QVariantList &position);
    // Twelve values, January first, written as in the station data: "23.6,22.1,,19.4,...";
    // an empty month is stored as NULL.
    void addSeries(const QString &table, const QString &province, const QString &locality, const QString &months);
    void addSeries(const QString &table, const QString &province, const QString &locality,
                   const QVariantList &months);
    void exec(const QString &sql, const QVariantList &values = {});

    // Four provinces and five real stations with their preferred series, read from
    // location/data under the source folder that VERDEVAL_SOURCE_DIR names: Bahía Blanca,
    // Junín and Córdoba Aero with all eight series, Paraná Inta without HumRel and PreAtm
    // rows, Oberá with series missing January among other months.
    void addRealStations();

    // Releases the file; nothing can be added afterwards.
    void close();

private:
    QString m_path;
    QString m_connection;
};

// Writes bytes to a file, creating its folder: for files that are not databases.
void writeFile(const QString &path, const QByteArray &bytes);

} // namespace verdeval::test
