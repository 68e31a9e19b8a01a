#include "ClimateDbFixture.h"

#include "tools/StationData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <stdexcept>

namespace verdeval::test {

namespace {

[[noreturn]] void fail(const QString &what)
{
    throw std::runtime_error(what.toStdString());
}

void makeFolderOf(const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        fail(QStringLiteral("cannot create the folder of %1").arg(path));
}

struct Column
{
    QString name;
    QString type;
};

} // namespace

ClimateDbFixture::ClimateDbFixture(const QString &filePath, const QStringList &without)
    : m_path(filePath), m_connection(QStringLiteral("fixture-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    makeFolderOf(m_path);
    QFile::remove(m_path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(m_path);
        if (!db.open())
            fail(QStringLiteral("%1: %2").arg(m_path, db.lastError().text()));
    }
    // A fixture is thrown away after its test: no need to wait for the disk after each row.
    exec(QStringLiteral("PRAGMA synchronous = OFF"));
    exec(QStringLiteral("PRAGMA journal_mode = MEMORY"));

    QList<QPair<QString, QList<Column>>> schema = {
        {"Provincia", {{"Nombre", "TEXT"}}},
        {"LocPorProv",
         {{"nomprov", "TEXT"}, {"Nomloc", "TEXT"}, {"LatGra", "INTEGER"}, {"latmin", "REAL"},
          {"LongGra", "INTEGER"}, {"longmin", "INTEGER"}, {"altitud", "INTEGER"}}},
    };
    for (const auto &table : stationdata::databaseSeriesTables()) {
        QList<Column> columns = {{"nomprov", "TEXT"}, {"nomloc", "TEXT"}};
        for (int m = 1; m <= 12; ++m)
            columns.append({QString::number(m), "REAL"});
        schema.append({table.first, columns});
    }
    for (const auto &[table, columns] : schema) {
        if (without.contains(table))
            continue;
        QStringList defs;
        for (const Column &c : columns)
            if (!without.contains(table + QLatin1Char('.') + c.name))
                defs << QStringLiteral("\"%1\" %2").arg(c.name, c.type);
        exec(QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(table, defs.join(QStringLiteral(", "))));
        if (table == QLatin1String("Provincia"))
            continue;
        const QString locality = table == QLatin1String("LocPorProv") ? QStringLiteral("Nomloc") : QStringLiteral("nomloc");
        if (!without.contains(table + QStringLiteral(".nomprov")) && !without.contains(table + QLatin1Char('.') + locality))
            exec(QStringLiteral("CREATE INDEX \"%1_place\" ON \"%1\" (nomprov COLLATE NOCASE, nomloc COLLATE NOCASE)")
                     .arg(table));
    }
}

ClimateDbFixture::~ClimateDbFixture()
{
    close();
}

QString ClimateDbFixture::pathOnDrive(const QString &driveFolder)
{
    return QDir::cleanPath(driveFolder + QStringLiteral("/Quenora/Quenora.mdb"));
}

void ClimateDbFixture::exec(const QString &sql, const QVariantList &values)
{
    if (m_connection.isEmpty())
        fail(QStringLiteral("%1 is already closed").arg(m_path));
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.prepare(sql))
        fail(QStringLiteral("%1: %2").arg(sql, q.lastError().text()));
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i));
    if (!q.exec())
        fail(QStringLiteral("%1: %2").arg(sql, q.lastError().text()));
}

void ClimateDbFixture::addProvince(const QString &name)
{
    exec(QStringLiteral("INSERT INTO Provincia (Nombre) VALUES (?)"), {name});
}

void ClimateDbFixture::addLocality(const QString &province, const QString &locality, const QVariantList &position)
{
    if (position.size() != 5)
        fail(QStringLiteral("a locality has five position values"));
    exec(QStringLiteral("INSERT INTO LocPorProv (nomprov, Nomloc, LatGra, latmin, LongGra, longmin, altitud) "
                        "VALUES (?, ?, ?, ?, ?, ?, ?)"),
         QVariantList{province, locality} + position);
}

void ClimateDbFixture::addSeries(const QString &table, const QString &province, const QString &locality,
                                 const QString &months)
{
    const QStringList texts = months.split(QLatin1Char(','));
    if (texts.size() != 12)
        fail(QStringLiteral("a series has twelve months: %1").arg(months));
    QVariantList values;
    for (const QString &text : texts) {
        bool ok = true;
        const double v = text.toDouble(&ok);
        if (text.isEmpty())
            values << QVariant();
        else if (ok)
            values << v;
        else
            fail(QStringLiteral("'%1' is not a number").arg(text));
    }
    addSeries(table, province, locality, values);
}

void ClimateDbFixture::addSeries(const QString &table, const QString &province, const QString &locality,
                                 const QVariantList &months)
{
    if (months.size() != 12)
        fail(QStringLiteral("a series has twelve months"));
    QStringList columns = {QStringLiteral("nomprov"), QStringLiteral("nomloc")};
    QStringList marks = {QStringLiteral("?"), QStringLiteral("?")};
    for (int m = 1; m <= 12; ++m) {
        columns << QStringLiteral("\"%1\"").arg(m);
        marks << QStringLiteral("?");
    }
    exec(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
             .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
         QVariantList{province, locality} + months);
}

void ClimateDbFixture::addRealStations()
{
    // Positions from location/data/stations.csv, series from the preferred rows of
    // location/data/normals.csv, months the data lacks stored as NULL. A station has a row in
    // a series table only where the data has that series: Paraná Inta (INTA daily records)
    // has no humidity and no pressure, Oberá (SMN 1991-2020) has months without a value and
    // neither sunshine, pressure nor wind.
    const QString source = qEnvironmentVariable("VERDEVAL_SOURCE_DIR");
    if (source.isEmpty())
        fail(QStringLiteral("VERDEVAL_SOURCE_DIR is not set: the real stations are read from the source folder"));
    const auto data = stationdata::StationData::read(source + QStringLiteral("/location/data/stations.csv"),
                                                     source + QStringLiteral("/location/data/normals.csv"));

    QStringList provinces;
    QList<const stationdata::Station *> stations;
    for (const char *key : {"Bahía Blanca", "Junín", "Córdoba Aero", "Paraná Inta", "Oberá"}) {
        const stationdata::Station *station = data.station(QString::fromUtf8(key));
        if (!station)
            fail(QStringLiteral("%1 has no station '%2'").arg(data.stationsPath(), QString::fromUtf8(key)));
        if (!provinces.contains(station->province))
            provinces << station->province;
        stations << station;
    }
    for (const QString &province : provinces)
        addProvince(province);
    for (const stationdata::Station *s : stations) {
        const QString &what = s->key;
        addLocality(s->province, s->key,
                    {stationdata::wholeValue(s->latDeg, what), stationdata::wholeValue(s->latMin, what),
                     stationdata::wholeValue(s->lonDeg, what), stationdata::wholeValue(s->lonMin, what),
                     stationdata::wholeValue(s->altitude, what)});
        for (const auto &[table, variable] : stationdata::databaseSeriesTables())
            if (const stationdata::Series *series = data.preferred(s->key, variable))
                addSeries(table, s->province, s->key, series->values());
    }
}

void ClimateDbFixture::close()
{
    if (m_connection.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    makeFolderOf(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write %1").arg(path));
}

} // namespace verdeval::test
