// Builds a sample climate database Quenora.mdb (SQLite) from the real station data of
// location/data:
//
//   make_sample_db <stations.csv> <normals.csv> <output Quenora.mdb>
//
// - LocPorProv: every station with a position, under its province (for the stations of the
//   catalogue's lists the list's province, e.g. "Santa Fé"), in the order of stations.csv.
// - Provincia: each of those provinces once, in order of first appearance.
// - TempMed, Pp, TempMaxMedia, TempMinMedia, HeEfectiva, HumRel, PreAtm, VelViento: a row
//   wherever the station's preferred series of that variable has all twelve months. Nothing
//   is filled in: a station without a complete series has no row in that table.
// Every table except Provincia is indexed on (nomprov, nomloc) without regard to case, as the
// program looks localities up.

#include "StationData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <memory>
#include <vector>

namespace {

using namespace verdeval::stationdata;

void exec(QSqlQuery &q, const QString &sql)
{
    if (!q.exec(sql))
        fail(QStringLiteral("%1: %2").arg(sql, q.lastError().text()));
}

void build(const QString &connection, const QString &path, const StationData &data)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(path);
    if (!db.open())
        fail(QStringLiteral("%1: %2").arg(path, db.lastError().text()));
    QSqlQuery q(db);

    exec(q, QStringLiteral("CREATE TABLE Provincia (Nombre TEXT NOT NULL)"));
    exec(q, QStringLiteral("CREATE TABLE LocPorProv (nomprov TEXT NOT NULL, Nomloc TEXT NOT NULL, LatGra INTEGER, "
                           "latmin REAL, LongGra INTEGER, longmin INTEGER, altitud INTEGER)"));
    exec(q, QStringLiteral("CREATE INDEX LocPorProv_place ON LocPorProv (nomprov COLLATE NOCASE, Nomloc COLLATE NOCASE)"));
    QStringList months;
    for (int m = 1; m <= 12; ++m)
        months << QStringLiteral("\"%1\" REAL").arg(m);
    for (const auto &table : databaseSeriesTables()) {
        exec(q, QStringLiteral("CREATE TABLE %1 (nomprov TEXT NOT NULL, nomloc TEXT NOT NULL, %2)")
                    .arg(table.first, months.join(QStringLiteral(", "))));
        exec(q, QStringLiteral("CREATE INDEX %1_place ON %1 (nomprov COLLATE NOCASE, nomloc COLLATE NOCASE)")
                    .arg(table.first));
    }

    if (!db.transaction())
        fail(db.lastError().text());
    QStringList provinces;
    QSqlQuery locality(db);
    if (!locality.prepare(QStringLiteral("INSERT INTO LocPorProv (nomprov, Nomloc, LatGra, latmin, LongGra, longmin, "
                                         "altitud) VALUES (?, ?, ?, ?, ?, ?, ?)")))
        fail(locality.lastError().text());
    std::vector<std::unique_ptr<QSqlQuery>> seriesInsert; // in the order of databaseSeriesTables()
    for (const auto &table : databaseSeriesTables()) {
        QStringList columns = {QStringLiteral("nomprov"), QStringLiteral("nomloc")};
        QStringList marks = {QStringLiteral("?"), QStringLiteral("?")};
        for (int m = 1; m <= 12; ++m) {
            columns << QStringLiteral("\"%1\"").arg(m);
            marks << QStringLiteral("?");
        }
        auto insert = std::make_unique<QSqlQuery>(db);
        if (!insert->prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                 .arg(table.first, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")))))
            fail(insert->lastError().text());
        seriesInsert.push_back(std::move(insert));
    }

    for (const Station &station : data.stations()) {
        const QString &key = station.key;
        const QString &province = station.province;
        if (station.latDeg.isEmpty())
            continue; // no position found for this station
        if (!provinces.contains(province))
            provinces << province;
        // The latitude minutes are a number field; the other position fields whole numbers.
        const QVariant latMin = wholeValue(station.latMin, key);
        const QVariantList values = {province,
                                     key,
                                     wholeValue(station.latDeg, key),
                                     latMin.isNull() ? latMin : QVariant(latMin.toDouble()),
                                     wholeValue(station.lonDeg, key),
                                     wholeValue(station.lonMin, key),
                                     wholeValue(station.altitude, key)};
        for (int i = 0; i < values.size(); ++i)
            locality.bindValue(i, values.at(i));
        if (!locality.exec())
            fail(QStringLiteral("%1: %2").arg(key, locality.lastError().text()));
        for (qsizetype t = 0; t < databaseSeriesTables().size(); ++t) {
            const auto &table = databaseSeriesTables().at(t);
            const Series *series = data.preferred(key, table.second);
            if (!series || !series->complete())
                continue;
            const QVariantList months = series->values();
            QSqlQuery &insert = *seriesInsert.at(std::size_t(t));
            insert.bindValue(0, province);
            insert.bindValue(1, key);
            for (int m = 0; m < 12; ++m)
                insert.bindValue(2 + m, months.at(m));
            if (!insert.exec())
                fail(QStringLiteral("%1 %2: %3").arg(table.first, key, insert.lastError().text()));
        }
    }
    QSqlQuery province(db);
    if (!province.prepare(QStringLiteral("INSERT INTO Provincia (Nombre) VALUES (?)")))
        fail(province.lastError().text());
    for (const QString &name : provinces) {
        province.bindValue(0, name);
        if (!province.exec())
            fail(province.lastError().text());
    }
    if (!db.commit())
        fail(db.lastError().text());
    db.close();
}

void run(const QStringList &args)
{
    if (args.size() != 4)
        fail(QStringLiteral("usage: make_sample_db <stations.csv> <normals.csv> <output Quenora.mdb>"));
    const StationData data = StationData::read(args.at(1), args.at(2));

    // Built beside the target and moved into place whole, so that a failed run never leaves
    // half a database where the program would find it.
    const QString output = args.at(3);
    const QString partial = output + QStringLiteral(".partial");
    if (!QDir().mkpath(QFileInfo(output).absolutePath()))
        fail(QStringLiteral("cannot create the folder of %1").arg(output));
    QFile::remove(partial);
    const QString connection = QStringLiteral("sample-db");
    try {
        build(connection, partial, data);
    } catch (const DataError &) {
        QSqlDatabase::removeDatabase(connection);
        QFile::remove(partial);
        throw;
    }
    QSqlDatabase::removeDatabase(connection);
    if (QFile::exists(output) && !QFile::remove(output))
        fail(QStringLiteral("cannot replace %1").arg(output));
    if (!QFile::rename(partial, output))
        fail(QStringLiteral("cannot move %1 to %2").arg(partial, output));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return runTool("make_sample_db", [&] { run(app.arguments()); });
}
