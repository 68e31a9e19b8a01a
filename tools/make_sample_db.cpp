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

#include "CsvTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

const QList<QPair<QString, QString>> seriesTables = {
    {QStringLiteral("TempMed"), QStringLiteral("T")},       {QStringLiteral("Pp"), QStringLiteral("PP")},
    {QStringLiteral("TempMaxMedia"), QStringLiteral("TMa")}, {QStringLiteral("TempMinMedia"), QStringLiteral("TMi")},
    {QStringLiteral("HeEfectiva"), QStringLiteral("HE")},   {QStringLiteral("HumRel"), QStringLiteral("HR")},
    {QStringLiteral("PreAtm"), QStringLiteral("PA")},       {QStringLiteral("VelViento"), QStringLiteral("VV")},
};

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "make_sample_db: %s\n", message.toLocal8Bit().constData());
    std::exit(1);
}

int requireColumn(const CsvTable &table, const QString &name)
{
    const int c = table.column(name);
    if (c < 0)
        fail(QStringLiteral("%1 has no column '%2'").arg(table.path(), name));
    return c;
}

QVariant whole(const QString &text, const QString &what)
{
    if (text.isEmpty())
        return QVariant();
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok)
        fail(QStringLiteral("%1: '%2' is not a whole number").arg(what, text));
    return v;
}

void exec(QSqlQuery &q, const QString &sql)
{
    if (!q.exec(sql))
        fail(QStringLiteral("%1: %2").arg(sql, q.lastError().text()));
}

void build(const QString &connection, const QString &path, const CsvTable &stations, const CsvTable &normals)
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
    for (const auto &table : seriesTables) {
        exec(q, QStringLiteral("CREATE TABLE %1 (nomprov TEXT NOT NULL, nomloc TEXT NOT NULL, %2)")
                    .arg(table.first, months.join(QStringLiteral(", "))));
        exec(q, QStringLiteral("CREATE INDEX %1_place ON %1 (nomprov COLLATE NOCASE, nomloc COLLATE NOCASE)")
                    .arg(table.first));
    }

    // Complete preferred series by key and variable.
    const int nKey = requireColumn(normals, QStringLiteral("key"));
    const int nVariable = requireColumn(normals, QStringLiteral("variable"));
    const int nPreferred = requireColumn(normals, QStringLiteral("preferred"));
    int nMonth[12];
    for (int m = 0; m < 12; ++m)
        nMonth[m] = requireColumn(normals, QStringLiteral("m%1").arg(m + 1));
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    QHash<QString, QVariantList> complete; // "key\nvariable"
    for (int r = 0; r < normals.rowCount(); ++r) {
        if (normals.field(r, nPreferred) != QLatin1String("yes"))
            continue;
        QVariantList values;
        for (int m = 0; m < 12; ++m) {
            const QString text = normals.field(r, nMonth[m]).trimmed();
            if (text.isEmpty())
                break;
            if (!number.match(text).hasMatch())
                fail(QStringLiteral("%1: '%2' is not a number").arg(normals.path(), text));
            values << text.toDouble();
        }
        if (values.size() == 12)
            complete.insert(normals.field(r, nKey) + QLatin1Char('\n') + normals.field(r, nVariable), values);
    }

    const int cKey = requireColumn(stations, QStringLiteral("key"));
    const int cProvince = requireColumn(stations, QStringLiteral("province"));
    const int cLatDeg = requireColumn(stations, QStringLiteral("lat_deg"));
    const int cLatMin = requireColumn(stations, QStringLiteral("lat_min"));
    const int cLonDeg = requireColumn(stations, QStringLiteral("lon_deg"));
    const int cLonMin = requireColumn(stations, QStringLiteral("lon_min"));
    const int cAltitude = requireColumn(stations, QStringLiteral("altitude_m"));

    if (!db.transaction())
        fail(db.lastError().text());
    QStringList provinces;
    QSqlQuery locality(db);
    if (!locality.prepare(QStringLiteral("INSERT INTO LocPorProv (nomprov, Nomloc, LatGra, latmin, LongGra, longmin, "
                                         "altitud) VALUES (?, ?, ?, ?, ?, ?, ?)")))
        fail(locality.lastError().text());
    std::vector<std::unique_ptr<QSqlQuery>> seriesInsert; // in the order of seriesTables
    for (const auto &table : seriesTables) {
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

    for (int r = 0; r < stations.rowCount(); ++r) {
        const QString key = stations.field(r, cKey);
        const QString province = stations.field(r, cProvince);
        if (stations.field(r, cLatDeg).isEmpty())
            continue; // no position found for this station
        if (!provinces.contains(province))
            provinces << province;
        // The latitude minutes are a number field; the other position fields whole numbers.
        const QVariant latMin = whole(stations.field(r, cLatMin), key);
        const QVariantList values = {province,
                                     key,
                                     whole(stations.field(r, cLatDeg), key),
                                     latMin.isNull() ? latMin : QVariant(latMin.toDouble()),
                                     whole(stations.field(r, cLonDeg), key),
                                     whole(stations.field(r, cLonMin), key),
                                     whole(stations.field(r, cAltitude), key)};
        for (int i = 0; i < values.size(); ++i)
            locality.bindValue(i, values.at(i));
        if (!locality.exec())
            fail(QStringLiteral("%1: %2").arg(key, locality.lastError().text()));
        for (qsizetype t = 0; t < seriesTables.size(); ++t) {
            const auto &table = seriesTables.at(t);
            const auto it = complete.constFind(key + QLatin1Char('\n') + table.second);
            if (it == complete.constEnd())
                continue;
            QSqlQuery &insert = *seriesInsert.at(std::size_t(t));
            insert.bindValue(0, province);
            insert.bindValue(1, key);
            for (int m = 0; m < 12; ++m)
                insert.bindValue(2 + m, it->at(m));
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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        fail(QStringLiteral("usage: make_sample_db <stations.csv> <normals.csv> <output Quenora.mdb>"));

    QString error;
    CsvTable stations;
    if (!stations.read(args.at(1), &error))
        fail(error);
    CsvTable normals;
    if (!normals.read(args.at(2), &error))
        fail(error);

    // Built beside the target and moved into place whole, so that a failed run never leaves
    // half a database where the program would find it.
    const QString output = args.at(3);
    const QString partial = output + QStringLiteral(".partial");
    if (!QDir().mkpath(QFileInfo(output).absolutePath()))
        fail(QStringLiteral("cannot create the folder of %1").arg(output));
    QFile::remove(partial);
    const QString connection = QStringLiteral("sample-db");
    build(connection, partial, stations, normals);
    QSqlDatabase::removeDatabase(connection);
    if (QFile::exists(output) && !QFile::remove(output))
        fail(QStringLiteral("cannot replace %1").arg(output));
    if (!QFile::rename(partial, output))
        fail(QStringLiteral("cannot move %1 to %2").arg(partial, output));
    return 0;
}
