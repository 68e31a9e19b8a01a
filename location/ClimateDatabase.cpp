#include "location/ClimateDatabase.h"

#include "location/DriveMap.h"
#include "platform/core/Errors.h"
#include "platform/core/NumberText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <optional>

namespace verdeval {

namespace {

const QString provinciaTable = QStringLiteral("Provincia");
const QString localityTable = QStringLiteral("LocPorProv");
const QStringList localityColumns = {QStringLiteral("nomprov"), QStringLiteral("Nomloc"),
                                     QStringLiteral("LatGra"),  QStringLiteral("latmin"),
                                     QStringLiteral("LongGra"), QStringLiteral("longmin"),
                                     QStringLiteral("altitud")};

QStringList seriesColumns()
{
    QStringList columns = {QStringLiteral("nomprov"), QStringLiteral("nomloc")};
    for (int m = 1; m <= 12; ++m)
        columns << QString::number(m);
    return columns;
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString errorText(const QSqlError &error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.trimmed();
}

// Identifiers are written in brackets: SQLite never reads a bracketed name as a text value.
QString ident(const QString &name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}

// A typed text is bound as a value; a null QString would be bound as NULL and match nothing
// that an empty text would match.
QString value(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

// How SQLite's NOCASE compares names: ASCII letters folded, everything else as it is.
QString nocaseKey(const QString &province, const QString &locality)
{
    QString key = province + QChar(0x1F) + locality;
    for (QChar &c : key)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    return key;
}

// "a, b y c"
QString listed(const QStringList &items)
{
    if (items.size() <= 1)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" y ") + items.last();
}

} // namespace

const std::array<SeriesTable, 8> &seriesLoadOrder()
{
    static const std::array<SeriesTable, 8> order = {
        SeriesTable::TempMed, SeriesTable::Pp,         SeriesTable::TempMaxMedia, SeriesTable::TempMinMedia,
        SeriesTable::HeEfectiva, SeriesTable::HumRel, SeriesTable::PreAtm,       SeriesTable::VelViento};
    return order;
}

QString seriesTableName(SeriesTable table)
{
    switch (table) {
    case SeriesTable::TempMed: return QStringLiteral("TempMed");
    case SeriesTable::Pp: return QStringLiteral("Pp");
    case SeriesTable::TempMaxMedia: return QStringLiteral("TempMaxMedia");
    case SeriesTable::TempMinMedia: return QStringLiteral("TempMinMedia");
    case SeriesTable::HeEfectiva: return QStringLiteral("HeEfectiva");
    case SeriesTable::HumRel: return QStringLiteral("HumRel");
    case SeriesTable::PreAtm: return QStringLiteral("PreAtm");
    case SeriesTable::VelViento: return QStringLiteral("VelViento");
    }
    return QString();
}

QString seriesCode(SeriesTable table)
{
    switch (table) {
    case SeriesTable::TempMed: return QStringLiteral("T");
    case SeriesTable::Pp: return QStringLiteral("PP");
    case SeriesTable::TempMaxMedia: return QStringLiteral("TMa");
    case SeriesTable::TempMinMedia: return QStringLiteral("TMi");
    case SeriesTable::HeEfectiva: return QStringLiteral("HE");
    case SeriesTable::HumRel: return QStringLiteral("HR");
    case SeriesTable::PreAtm: return QStringLiteral("PA");
    case SeriesTable::VelViento: return QStringLiteral("VV");
    }
    return QString();
}

struct ClimateDatabase::Impl
{
    QString connectionName;
    QString path;
    QSqlDatabase db;
    // A statement prepared once per opening, and the table it reads (for messages).
    struct Statement
    {
        std::optional<QSqlQuery> query;
        QString table;
    };
    Statement provinces;
    Statement localities;
    Statement locality;
    std::array<Statement, 8> series;

    // After preload(): the first row of each locality in LocPorProv (its six fields as read) and
    // in each series table (its twelve texts), by province and locality as NOCASE compares them.
    bool preloaded = false;
    QHash<QString, QVariantList> localityRows;
    std::array<QHash<QString, QStringList>, 8> seriesRows;

    [[noreturn]] void fail(const QString &table, const QSqlError &error) const
    {
        throw CalcError(QStringLiteral("No se pudo leer la tabla %1 de la base de datos climática %2, "
                                       "que puede estar dañada (%3)")
                            .arg(table, shown(path), errorText(error)));
    }

    QSqlQuery newQuery() const
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        return q;
    }

    void prepare(Statement &statement, const QString &table, const QString &sql)
    {
        statement.table = table;
        statement.query.emplace(newQuery());
        if (!statement.query->prepare(sql))
            fail(table, statement.query->lastError());
    }

    // Runs a statement with the typed texts bound to its parameters, in order.
    QSqlQuery &run(Statement &statement, const QStringList &texts) const
    {
        QSqlQuery &q = *statement.query;
        for (int i = 0; i < texts.size(); ++i)
            q.bindValue(i, value(texts.at(i)));
        if (!q.exec())
            fail(statement.table, q.lastError());
        return q;
    }

    // Table order is the order of the rows' ids; a table without row ids (or a view) is read
    // in the order the database gives.
    QString tableOrder(const QString &table) const
    {
        QSqlQuery q = newQuery();
        return q.exec(QStringLiteral("SELECT rowid FROM %1 LIMIT 0").arg(ident(table)))
                   ? QStringLiteral("rowid")
                   : QString();
    }

    void checkSchema();
    void prepareAll();
    void clear();
};

void ClimateDatabase::Impl::checkSchema()
{
    QSqlQuery q = newQuery();
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table', 'view')")))
        throw CalcError(QStringLiteral("El archivo %1 está dañado o no se puede leer como base de datos "
                                       "climática (%2)")
                            .arg(shown(path), errorText(q.lastError())));
    QSet<QString> tables;
    while (q.next())
        tables.insert(q.value(0).toString().toLower());

    QList<QPair<QString, QStringList>> required = {{provinciaTable, {QStringLiteral("Nombre")}},
                                                  {localityTable, localityColumns}};
    for (const SeriesTable t : seriesLoadOrder())
        required.append({seriesTableName(t), seriesColumns()});

    QStringList missingTables;
    QStringList missingColumns;
    for (const auto &[table, columns] : required) {
        if (!tables.contains(table.toLower())) {
            missingTables << table;
            continue;
        }
        QSqlQuery info = newQuery();
        if (!info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(ident(table))))
            fail(table, info.lastError());
        QSet<QString> present;
        while (info.next())
            present.insert(info.value(1).toString().toLower());
        QStringList absent;
        for (const QString &column : columns)
            if (!present.contains(column.toLower()))
                absent << QLatin1Char('"') + column + QLatin1Char('"');
        if (!absent.isEmpty())
            missingColumns << QStringLiteral("%1 (%2)").arg(table, absent.join(QStringLiteral(", ")));
    }
    if (!missingTables.isEmpty()) {
        throw CalcError(QStringLiteral("La base de datos climática %1 no tiene %2 %3")
                            .arg(shown(path),
                                 missingTables.size() == 1 ? QStringLiteral("la tabla") : QStringLiteral("las tablas"),
                                 listed(missingTables)));
    }
    if (!missingColumns.isEmpty()) {
        throw CalcError(QStringLiteral("En la base de datos climática %1 faltan columnas: %2")
                            .arg(shown(path), missingColumns.join(QStringLiteral("; "))));
    }
}

void ClimateDatabase::Impl::prepareAll()
{
    const QString match = QStringLiteral("[nomprov] = ? COLLATE NOCASE");
    const QString matchBoth = QStringLiteral("[nomprov] = ? COLLATE NOCASE AND [nomloc] = ? COLLATE NOCASE");
    auto orderBy = [](const QString &first, const QString &order) {
        QStringList keys;
        if (!first.isEmpty())
            keys << first;
        if (!order.isEmpty())
            keys << order;
        return keys.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + keys.join(QStringLiteral(", "));
    };

    prepare(provinces, provinciaTable, QStringLiteral("SELECT [Nombre] FROM [Provincia]") + orderBy(QString(), tableOrder(provinciaTable)));

    const QString localityOrder = tableOrder(localityTable);
    prepare(localities, localityTable, QStringLiteral("SELECT [Nomloc] FROM [LocPorProv] WHERE ") + match
                            + orderBy(QStringLiteral("[nomprov] COLLATE NOCASE"), localityOrder));
    prepare(locality, localityTable, QStringLiteral("SELECT [Nomloc], [LatGra], [latmin], [LongGra], [longmin], [altitud] "
                                     "FROM [LocPorProv] WHERE ")
                          + matchBoth + orderBy(QString(), localityOrder) + QStringLiteral(" LIMIT 1"));

    QStringList months;
    for (int m = 1; m <= 12; ++m)
        months << ident(QString::number(m));
    for (std::size_t i = 0; i < seriesLoadOrder().size(); ++i) {
        const QString table = seriesTableName(seriesLoadOrder()[i]);
        prepare(series[i], table, QStringLiteral("SELECT %1 FROM %2 WHERE ").arg(months.join(QStringLiteral(", ")), ident(table))
                               + matchBoth + orderBy(QString(), tableOrder(table)) + QStringLiteral(" LIMIT 1"));
    }
}

void ClimateDatabase::Impl::clear()
{
    provinces.query.reset();
    localities.query.reset();
    locality.query.reset();
    for (Statement &statement : series)
        statement.query.reset();
    preloaded = false;
    localityRows.clear();
    for (auto &rows : seriesRows)
        rows.clear();
    if (db.isValid())
        db.close();
    db = QSqlDatabase();
    if (!connectionName.isEmpty())
        QSqlDatabase::removeDatabase(connectionName);
    connectionName.clear();
    path.clear();
}

ClimateDatabase::ClimateDatabase() : d(std::make_unique<Impl>()) {}

ClimateDatabase::~ClimateDatabase()
{
    close();
}

void ClimateDatabase::open(const QStringList &candidatePaths)
{
    close();

    QString path;
    for (const QString &candidate : candidatePaths) {
        if (QFileInfo(candidate).isFile()) {
            path = candidate;
            break;
        }
    }
    if (path.isEmpty()) {
        QStringList names;
        for (const QString &candidate : candidatePaths)
            names << shown(candidate);
        if (names.isEmpty())
            throw CalcError(QStringLiteral("No se indicó dónde buscar la base de datos climática"));
        throw CalcError(names.size() == 1
                            ? QStringLiteral("No se encontró la base de datos climática: no existe el archivo %1")
                                  .arg(names.first())
                            : QStringLiteral("No se encontró la base de datos climática: no existe ninguno de los archivos %1")
                                  .arg(listed(names)));
    }

    // The file must be an SQLite database; SQLite itself would take an empty file for an
    // empty database and only fail later on any other file.
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw CalcError(QStringLiteral("No se puede leer el archivo %1: %2").arg(shown(path), file.errorString()));
        const QByteArray header = file.read(16);
        if (header.isEmpty() && file.size() == 0)
            throw CalcError(QStringLiteral("El archivo %1 está vacío: no es una base de datos climática").arg(shown(path)));
        if (header != QByteArray("SQLite format 3\0", 16))
            throw CalcError(QStringLiteral("El archivo %1 no es una base de datos SQLite").arg(shown(path)));
    }

    d->connectionName = QStringLiteral("verdeval-climate-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    d->path = path;
    d->db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), d->connectionName);
    d->db.setDatabaseName(path);
    d->db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    try {
        if (!d->db.open())
            throw CalcError(QStringLiteral("No se pudo abrir la base de datos climática %1: %2")
                                .arg(shown(path), errorText(d->db.lastError())));
        // Belt and braces over the read-only opening: this connection never writes.
        QSqlQuery(d->db).exec(QStringLiteral("PRAGMA query_only = 1"));
        d->checkSchema();
        d->prepareAll();
    } catch (...) {
        d->clear();
        throw;
    }
}

void ClimateDatabase::openDrive(const DriveMap &drives, const QString &drive)
{
    const QStringList candidates = drives.candidates(drive);
    if (candidates.isEmpty())
        throw CalcError(QStringLiteral("\"%1\" no es una unidad de disco").arg(drive));
    open(candidates);
}

void ClimateDatabase::close()
{
    d->clear();
}

bool ClimateDatabase::isOpen() const
{
    return d->db.isValid() && d->db.isOpen();
}

QString ClimateDatabase::filePath() const
{
    return shown(d->path);
}

namespace {

void requireOpen(const ClimateDatabase &db)
{
    if (!db.isOpen())
        throw CalcError(QStringLiteral("No hay ninguna base de datos climática abierta"));
}

} // namespace

QStringList ClimateDatabase::provinces() const
{
    requireOpen(*this);
    QSqlQuery &q = d->run(d->provinces, {});
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    q.finish();
    return names;
}

QStringList ClimateDatabase::localities(const QString &province) const
{
    requireOpen(*this);
    QSqlQuery &q = d->run(d->localities, {province});
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    q.finish();
    return names;
}

void ClimateDatabase::preload()
{
    requireOpen(*this);
    d->localityRows.clear();
    for (auto &rows : d->seriesRows)
        rows.clear();
    const QString localityOrder = d->tableOrder(localityTable);
    const QString byRow = localityOrder.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + localityOrder;
    QSqlQuery q = d->newQuery();
    if (!q.exec(QStringLiteral("SELECT [nomprov], [Nomloc], [LatGra], [latmin], [LongGra], [longmin], [altitud] "
                               "FROM [LocPorProv]")
                + byRow))
        d->fail(localityTable, q.lastError());
    while (q.next()) {
        const QString key = nocaseKey(q.value(0).toString(), q.value(1).toString());
        if (!d->localityRows.contains(key))
            d->localityRows.insert(key, {q.value(1), q.value(2), q.value(3), q.value(4), q.value(5), q.value(6)});
    }
    QStringList months;
    for (int m = 1; m <= 12; ++m)
        months << ident(QString::number(m));
    for (std::size_t i = 0; i < seriesLoadOrder().size(); ++i) {
        const QString table = seriesTableName(seriesLoadOrder()[i]);
        const QString order = d->tableOrder(table);
        QSqlQuery s = d->newQuery();
        if (!s.exec(QStringLiteral("SELECT [nomprov], [nomloc], %1 FROM %2").arg(months.join(QStringLiteral(", ")), ident(table))
                    + (order.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + order)))
            d->fail(table, s.lastError());
        QHash<QString, QStringList> &rows = d->seriesRows[i];
        while (s.next()) {
            const QString key = nocaseKey(s.value(0).toString(), s.value(1).toString());
            if (rows.contains(key))
                continue;
            QStringList texts(12, QString());
            for (int m = 0; m < 12; ++m)
                texts[m] = s.value(2 + m).toString();
            rows.insert(key, texts);
        }
    }
    d->preloaded = true;
}

LocalityRecord ClimateDatabase::queryLocality(const QString &province, const QString &locality) const
{
    requireOpen(*this);
    LocalityRecord r;
    QVariant minutes;
    auto take = [&](const QVariantList &row) {
        r.found = true;
        r.name = row.at(0).toString();
        r.latDeg = row.at(1).toString();
        minutes = row.at(2);
        r.lonDeg = row.at(3).toString();
        r.lonMin = row.at(4).toString();
        r.altitude = row.at(5).toString();
    };
    if (d->preloaded) {
        const auto it = d->localityRows.constFind(nocaseKey(value(province), value(locality)));
        if (it != d->localityRows.constEnd())
            take(*it);
    } else {
        QSqlQuery &q = d->run(d->locality, {province, locality});
        if (q.next())
            take({q.value(0), q.value(1), q.value(2), q.value(3), q.value(4), q.value(5)});
        q.finish();
    }
    // A number as stored; a text must be a number; nothing at all reads as 0.
    const QString minutesText = minutes.toString();
    if (minutes.isNull() || minutesText.trimmed().isEmpty())
        r.latMin = 0;
    else if (minutes.typeId() == QMetaType::QString || minutes.typeId() == QMetaType::QByteArray)
        r.latMin = strToFloat(minutesText);
    else
        r.latMin = minutes.toDouble();
    return r;
}

QStringList ClimateDatabase::querySeries(SeriesTable table, const QString &province, const QString &locality) const
{
    requireOpen(*this);
    std::size_t index = 0;
    while (index < seriesLoadOrder().size() && seriesLoadOrder()[index] != table)
        ++index;
    if (index == seriesLoadOrder().size())
        throw CalcError(QStringLiteral("La base de datos climática no tiene esa serie"));
    if (d->preloaded)
        return d->seriesRows[index].value(nocaseKey(value(province), value(locality)), QStringList(12, QString()));
    QSqlQuery &q = d->run(d->series.at(index), {province, locality});
    QStringList texts(12, QString());
    if (q.next()) {
        for (int m = 0; m < 12; ++m)
            texts[m] = q.value(m).toString();
    }
    q.finish();
    return texts;
}

} // namespace verdeval
