#include "StationData.h"

#include <QRegularExpression>

#include <cstdio>

namespace verdeval::stationdata {

namespace {

QString seriesId(const QString &key, const QString &variable)
{
    return key + QLatin1Char('\n') + variable;
}

} // namespace

void fail(const QString &message)
{
    throw DataError(message.toStdString());
}

int runTool(const char *tool, const std::function<void()> &work)
{
    try {
        work();
    } catch (const DataError &e) {
        std::fprintf(stderr, "%s: %s\n", tool, QString::fromStdString(e.what()).toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

CsvTable readTable(const QString &path)
{
    CsvTable table;
    QString error;
    if (!table.read(path, &error))
        fail(error);
    return table;
}

int requireColumn(const CsvTable &table, const QString &name)
{
    const int c = table.column(name);
    if (c < 0)
        fail(QStringLiteral("%1 has no column '%2'").arg(table.path(), name));
    return c;
}

bool isNumberText(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    return number.match(text).hasMatch();
}

bool isWholeText(const QString &text)
{
    static const QRegularExpression whole(QStringLiteral("^[0-9]+$"));
    return whole.match(text).hasMatch();
}

QVariant wholeValue(const QString &text, const QString &what)
{
    if (text.isEmpty())
        return QVariant();
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok)
        fail(QStringLiteral("%1: '%2' is not a whole number").arg(what, text));
    return v;
}

bool Series::complete() const
{
    for (const QString &m : months)
        if (m.isEmpty())
            return false;
    return true;
}

QVariantList Series::values() const
{
    QVariantList out;
    for (const QString &m : months)
        out << (m.isEmpty() ? QVariant() : QVariant(m.toDouble()));
    return out;
}

const QList<QPair<QString, QString>> &databaseSeriesTables()
{
    static const QList<QPair<QString, QString>> tables = {
        {QStringLiteral("TempMed"), QStringLiteral("T")},        {QStringLiteral("Pp"), QStringLiteral("PP")},
        {QStringLiteral("TempMaxMedia"), QStringLiteral("TMa")}, {QStringLiteral("TempMinMedia"), QStringLiteral("TMi")},
        {QStringLiteral("HeEfectiva"), QStringLiteral("HE")},    {QStringLiteral("HumRel"), QStringLiteral("HR")},
        {QStringLiteral("PreAtm"), QStringLiteral("PA")},        {QStringLiteral("VelViento"), QStringLiteral("VV")},
    };
    return tables;
}

StationData StationData::read(const QString &stationsPath, const QString &normalsPath)
{
    StationData data;
    data.m_stationsPath = stationsPath;
    data.m_normalsPath = normalsPath;

    const CsvTable stations = readTable(stationsPath);
    const CsvTable normals = readTable(normalsPath);

    const int cKey = requireColumn(stations, QStringLiteral("key"));
    const int cProvince = requireColumn(stations, QStringLiteral("province"));
    const int cLatDeg = requireColumn(stations, QStringLiteral("lat_deg"));
    const int cLatMin = requireColumn(stations, QStringLiteral("lat_min"));
    const int cLonDeg = requireColumn(stations, QStringLiteral("lon_deg"));
    const int cLonMin = requireColumn(stations, QStringLiteral("lon_min"));
    const int cAltitude = requireColumn(stations, QStringLiteral("altitude_m"));
    const int cSource = requireColumn(stations, QStringLiteral("source"));
    const int cListed = requireColumn(stations, QStringLiteral("listed"));
    const int cSourceStation = requireColumn(stations, QStringLiteral("source_station"));
    for (int r = 0; r < stations.rowCount(); ++r) {
        Station s;
        s.key = stations.field(r, cKey);
        s.province = stations.field(r, cProvince);
        s.latDeg = stations.field(r, cLatDeg);
        s.latMin = stations.field(r, cLatMin);
        s.lonDeg = stations.field(r, cLonDeg);
        s.lonMin = stations.field(r, cLonMin);
        s.altitude = stations.field(r, cAltitude);
        s.source = stations.field(r, cSource);
        s.listed = stations.field(r, cListed);
        s.sourceStation = stations.field(r, cSourceStation);
        if (data.m_stationIndex.contains(s.key))
            fail(QStringLiteral("%1: key '%2' appears twice").arg(stationsPath, s.key));
        data.m_stationIndex.insert(s.key, int(data.m_stations.size()));
        data.m_stations << s;
    }

    const int nKey = requireColumn(normals, QStringLiteral("key"));
    const int nVariable = requireColumn(normals, QStringLiteral("variable"));
    const int nPeriod = requireColumn(normals, QStringLiteral("period"));
    const int nSource = requireColumn(normals, QStringLiteral("source"));
    const int nPreferred = requireColumn(normals, QStringLiteral("preferred"));
    int nMonth[12];
    for (int m = 0; m < 12; ++m)
        nMonth[m] = requireColumn(normals, QStringLiteral("m%1").arg(m + 1));
    for (int r = 0; r < normals.rowCount(); ++r) {
        if (normals.field(r, nPreferred) != QLatin1String("yes"))
            continue;
        const QString key = normals.field(r, nKey);
        const QString variable = normals.field(r, nVariable);
        const QString id = seriesId(key, variable);
        if (data.m_preferred.contains(id))
            fail(QStringLiteral("%1: two preferred %2 series for '%3'").arg(normalsPath, variable, key));
        if (!data.m_stationIndex.contains(key))
            fail(QStringLiteral("%1: key '%2' is not in %3").arg(normalsPath, key, stationsPath));
        Series s;
        for (int m = 0; m < 12; ++m) {
            const QString v = normals.field(r, nMonth[m]).trimmed();
            if (!v.isEmpty() && !isNumberText(v))
                fail(QStringLiteral("%1: '%2' is not a number (%3, month %4)").arg(normalsPath, v, key).arg(m + 1));
            s.months << v;
        }
        s.provenance = normals.field(r, nSource) + QStringLiteral(", ") + normals.field(r, nPeriod);
        data.m_preferred.insert(id, s);
    }
    return data;
}

const Station *StationData::station(const QString &key) const
{
    const auto it = m_stationIndex.constFind(key);
    return it == m_stationIndex.constEnd() ? nullptr : &m_stations.at(*it);
}

const Series *StationData::preferred(const QString &key, const QString &variable) const
{
    const auto it = m_preferred.constFind(seriesId(key, variable));
    return it == m_preferred.constEnd() ? nullptr : &*it;
}

} // namespace verdeval::stationdata
