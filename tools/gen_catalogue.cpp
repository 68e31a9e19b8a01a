// Writes the built-in station catalogue as a C++ source (the definitions declared in
// location/calc/CatalogueTable.h) from the station and normals tables of location/data:
//
//   gen_catalogue <stations.csv> <normals.csv> <output.cpp>
//
// The shape of the catalogue (the province lists and their order, the records that no list
// offers, the shown names, the rows kept as the catalogue has always shown them) is fixed
// here; every coordinate, altitude and monthly value comes from the data files. A value that
// the data does not have stays missing. Any disagreement between the shape and the data
// stops the build with a message.

#include "StationData.h"

#include <QCoreApplication>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>

namespace {

using namespace verdeval::stationdata;

struct ProvinceList
{
    QString name;
    QStringList stations;
};

// The province list and the stations each entry offers, in the order shown to the user.
const QList<ProvinceList> provinceLists = {
    {QStringLiteral("Buenos Aires"),
     {QStringLiteral("Azul"), QStringLiteral("Bahía Blanca"), QStringLiteral("Balcarce"),
      QStringLiteral("Bolívar"), QStringLiteral("Bordenave"), QStringLiteral("Castelar"),
      QStringLiteral("Cnel Suarez"), QStringLiteral("Dolores"), QStringLiteral("Don Torcuato"),
      QStringLiteral("El Palomar"), QStringLiteral("Ezeiza"), QStringLiteral("Faro El Rincón"),
      QStringLiteral("Faro Segunda Barranca"), QStringLiteral("Hilario Ascasubi"),
      QStringLiteral("Isla Martín García"), QStringLiteral("Junín"), QStringLiteral("La Plata"),
      QStringLiteral("Laprida"), QStringLiteral("Mar del Plata"), QStringLiteral("Nueve de Julio"),
      QStringLiteral("Pehuajó"), QStringLiteral("Pergamino"), QStringLiteral("Pigue"),
      QStringLiteral("Punta Indio"), QStringLiteral("San Pedro"), QStringLiteral("Tandil"),
      QStringLiteral("Trenque Lauquen"), QStringLiteral("Tres Arroyos"), QStringLiteral("Aeroparque"),
      QStringLiteral("Capital Federal")}},
    {QStringLiteral("Catamarca"), {QStringLiteral("Catamarca")}},
    {QStringLiteral("Chaco"),
     {QStringLiteral("Colonia Benítez"), QStringLiteral("Las Breñas"),
      QStringLiteral("Roque Sáenz Peña Aero"), QStringLiteral("Resistencia"),
      QStringLiteral("Villa Ángela")}},
    {QStringLiteral("Chubut"),
     {QStringLiteral("Comodoro Rivadavia"), QStringLiteral("Esquel"),
      QStringLiteral("Paso de los Indios"), QStringLiteral("Trelew")}},
    {QStringLiteral("Córdoba"),
     {QStringLiteral("Córdoba"), QStringLiteral("Manfredi"), QStringLiteral("Marcos Juárez Aero"),
      QStringLiteral("Pilar"), QStringLiteral("Río Cuarto"), QStringLiteral("Villa Dolores"),
      QStringLiteral("Villa M del Río Seco")}},
    {QStringLiteral("Corrientes"),
     {QStringLiteral("Bella Vista"), QStringLiteral("Corrientes Aero"),
      QStringLiteral("Corrientes Inta"), QStringLiteral("Curuzú Cuatiá"), QStringLiteral("General Paz"),
      QStringLiteral("Mercedes"), QStringLiteral("Monte Caseros"), QStringLiteral("Paso de los Libres")}},
    {QStringLiteral("Entre Ríos"),
     {QStringLiteral("Concepción del Uruguay"), QStringLiteral("Concordia"),
      QStringLiteral("Gualeguaychú Exp"), QStringLiteral("Gualeguaychú Aero"),
      QStringLiteral("Paraná Aero"), QStringLiteral("Salto Grande"), QStringLiteral("Villaguay")}},
    {QStringLiteral("Formosa"), {QStringLiteral("Formosa"), QStringLiteral("Las Lomitas")}},
    {QStringLiteral("Jujuy"),
     {QStringLiteral("Abra Pampa"), QStringLiteral("El Cadillal"), QStringLiteral("La Quiaca"),
      QStringLiteral("Jujuy")}},
    {QStringLiteral("La Pampa"),
     {QStringLiteral("General Acha"), QStringLiteral("General Pico"), QStringLiteral("Santa Rosa"),
      QStringLiteral("Victorica"), QStringLiteral("Macachin")}},
    {QStringLiteral("La Rioja"),
     {QStringLiteral("Chamical"), QStringLiteral("Chepes"), QStringLiteral("La Rioja"),
      QStringLiteral("Chilecito")}},
    {QStringLiteral("Mendoza"),
     {QStringLiteral("Chacras de Coria"), QStringLiteral("Malargue"), QStringLiteral("Mendoza Aero"),
      QStringLiteral("Rama Caída"), QStringLiteral("San Carlos"), QStringLiteral("San Martín"),
      QStringLiteral("San Rafael"), QStringLiteral("Colonia Alvear"), QStringLiteral("La Consulta"),
      QStringLiteral("Puente del Inca"), QStringLiteral("Uspallata")}},
    {QStringLiteral("Misiones"),
     {QStringLiteral("Cerro Azul"), QStringLiteral("Iguazú"), QStringLiteral("Oberá"),
      QStringLiteral("Posadas")}},
    {QStringLiteral("Salta"), {QStringLiteral("Oran"), QStringLiteral("Rivadavia"), QStringLiteral("Salta")}},
    {QStringLiteral("San Juan"), {QStringLiteral("San Juan Aero")}},
    {QStringLiteral("San Luis"), {QStringLiteral("San Luis"), QStringLiteral("Villa Reynolds")}},
    {QStringLiteral("Santa Cruz"),
     {QStringLiteral("Cabo Vírgenes"), QStringLiteral("Lago Argentino"), QStringLiteral("Río Gallegos"),
      QStringLiteral("San Julián"), QStringLiteral("Santa Cruz")}},
    {QStringLiteral("Santa Fé"),
     {QStringLiteral("Ceres"), QStringLiteral("Oliveros"), QStringLiteral("Rafaela"),
      QStringLiteral("Reconquista"), QStringLiteral("Rosario"), QStringLiteral("Sauce Viejo"),
      QStringLiteral("Zavalla")}},
    {QStringLiteral("Santiago del Estero"),
     {QStringLiteral("La Banda"), QStringLiteral("Santiago del Estero")}},
    {QStringLiteral("Tucumán"), {QStringLiteral("Famaillá"), QStringLiteral("Tucumán")}},
    // Leads to own-data entry; offers no station.
    {QStringLiteral("DATOS PROPIOS"), {}},
};

// Records that no province list offers: found only by typing their exact name.
const QStringList unlistedKeys = {
    QStringLiteral("Pontón Prácticos Recalada"), QStringLiteral("Alto Valle"), QStringLiteral("Bariloche"),
    QStringLiteral("Catedral"), QStringLiteral("Cipolletti"), QStringLiteral("Córdoba Aero"),
    QStringLiteral("Córdoba Obs"), QStringLiteral("Faro Cabo Vírgenes"), QStringLiteral("Laboulaye"),
    QStringLiteral("Lomas de Zamora"), QStringLiteral("Maquinchao"), QStringLiteral("Marcos Juárez Inta"),
    QStringLiteral("Mendoza Obs"), QStringLiteral("Neuquén"), QStringLiteral("Paraná Inta"),
    QStringLiteral("Perito Moreno"), QStringLiteral("Roque Sáenz Peña Inta"),
    QStringLiteral("Puerto Deseado"), QStringLiteral("Río Colorado"), QStringLiteral("Río Grande"),
    QStringLiteral("San Antonio Oeste"), QStringLiteral("San Juan Inta"), QStringLiteral("San Miguel"),
    QStringLiteral("Tartagal"), QStringLiteral("Tinogasta"), QStringLiteral("Viedma"),
    QStringLiteral("Villa María"),
};

// The "Córdoba" entry of the Córdoba list has no record of its own: choosing it loads the
// Córdoba airport station, the city's reference station.
const QList<QPair<QString, QString>> listAliases = {
    {QStringLiteral("Córdoba"), QStringLiteral("Córdoba Aero")},
};

const QHash<QString, QString> shownNames = {
    {QStringLiteral("Córdoba Obs"), QStringLiteral("Córdoba Obs.")},
    {QStringLiteral("Gualeguaychú Exp"), QStringLiteral("Gualeguaychu Exp")},
};

// Records shown without an altitude, whatever the station list gives.
const QSet<QString> noAltitude = {
    QStringLiteral("Dolores"), QStringLiteral("Villa M del Río Seco"), QStringLiteral("El Cadillal"),
    QStringLiteral("Macachin"), QStringLiteral("Chilecito"), QStringLiteral("Colonia Alvear"),
    QStringLiteral("La Consulta"), QStringLiteral("Puente del Inca"), QStringLiteral("Cabo Vírgenes"),
};

// Rows kept exactly as the catalogue has always shown them, whatever the data says. An empty
// series text means the station's own normals from the data: the rows of Neuquén and Perito
// Moreno used to carry placeholders (twelve zeros, or Neuquén's mean minima as its mean
// temperature), which users would take for measurements.
struct FixedRow
{
    QString key, latDeg, latMin, lonDeg, lonMin, altitude, pp, t;
};
const QList<FixedRow> fixedRows = {
    {QStringLiteral("Azul"), QStringLiteral("36"), QStringLiteral("45"), QStringLiteral("59"),
     QStringLiteral("50"), QStringLiteral("132"),
     QStringLiteral("140.9 95.3 132.3 65.3 62.8 32.9 38 43.7 66.1 113.3 105.3 103"),
     QStringLiteral("22 21.1 17.7 14 9.9 7.5 7.1 8.8 10.7 14.1 17.2 20.2")},
    {QStringLiteral("Abra Pampa"), QStringLiteral("22"), QStringLiteral("50"), QStringLiteral("65"),
     QStringLiteral("51"), QStringLiteral("3484"),
     QStringLiteral("94.3 89.4 79.7 8.1 0 0 0 0.2 0.9 7.6 35.8 71.9"),
     QStringLiteral("13 11.9 12 9.5 4.8 2.1 1.9 5.3 8.2 10.9 12.3 12.9")},
    {QStringLiteral("Dolores"), QStringLiteral("36"), QStringLiteral("21"), QStringLiteral("57"),
     QStringLiteral("44"), QString(),
     QStringLiteral("123 101 85 48 52 55 58 51 53 87 83 95"),
     QStringLiteral("21.5 20.5 18.5 14.8 11.4 8.7 8.6 9.4 11.9 14.6 17 20.2")},
    {QStringLiteral("Neuquén"), QStringLiteral("38"), QStringLiteral("57"), QStringLiteral("68"),
     QStringLiteral("8"), QStringLiteral("271"), QString(), QString()},
    {QStringLiteral("Perito Moreno"), QStringLiteral("46"), QStringLiteral("31"), QStringLiteral("71"),
     QStringLiteral("1"), QStringLiteral("429"), QString(), QString()},
};

struct Record
{
    QString key, shownName, latDeg, latMin, lonDeg, lonMin, altitude;
    Series pp, t;
    QString position; // where the coordinates come from
};

Series seriesFromText(const QString &spaced, const QString &provenance)
{
    Series s{spaced.split(QLatin1Char(' ')), provenance};
    if (s.months.size() != 12)
        fail(QStringLiteral("a fixed series must have twelve values: %1").arg(spaced));
    return s;
}

// A C string literal with every byte outside printable ASCII, quotes, backslashes and
// question marks written as an octal escape, so that the strings do not depend on the
// compiler's idea of the source encoding.
QString cString(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const char c : text.toUtf8()) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u >= 0x7f || c == '"' || c == '\\' || c == '?')
            out += QStringLiteral("\\%1").arg(u, 3, 8, QLatin1Char('0'));
        else
            out += QLatin1Char(c);
    }
    return out + QLatin1Char('"');
}

QString commentText(QString text)
{
    text.replace(QLatin1String("*/"), QLatin1String("* /"));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString doubleLiterals(const Series &s)
{
    QStringList parts;
    for (const QString &m : s.months) {
        if (m.isEmpty())
            parts << QStringLiteral("NA");
        else
            parts << (m.contains(QLatin1Char('.')) ? m : m + QStringLiteral(".0"));
    }
    return QStringLiteral("{") + parts.join(QStringLiteral(", ")) + QStringLiteral("}");
}

void generate(const QStringList &args)
{
    if (args.size() != 4)
        fail(QStringLiteral("usage: gen_catalogue <stations.csv> <normals.csv> <output.cpp>"));

    const StationData data = StationData::read(args.at(1), args.at(2));
    auto preferredSeries = [&](const QString &key, const QString &variable) {
        if (const Series *s = data.preferred(key, variable))
            return *s;
        return Series{QStringList(12, QString()), QStringLiteral("no data")};
    };

    QHash<QString, QString> aliasOf;
    for (const auto &alias : listAliases)
        aliasOf.insert(alias.first, alias.second);

    // Record keys in catalogue order: the listed stations province by province, then the
    // unlisted ones.
    QStringList keys;
    QSet<QString> listedKeys;
    for (const ProvinceList &province : provinceLists) {
        for (const QString &entry : province.stations) {
            if (aliasOf.contains(entry)) {
                if (data.station(entry))
                    fail(QStringLiteral("list entry '%1' has a record of its own and an alias").arg(entry));
                continue;
            }
            const Station *station = data.station(entry);
            if (!station)
                fail(QStringLiteral("%1 has no row for the listed station '%2'").arg(data.stationsPath(), entry));
            if (station->listed != QLatin1String("yes") || station->province != province.name)
                fail(QStringLiteral("%1: '%2' should be listed under '%3'").arg(data.stationsPath(), entry, province.name));
            if (listedKeys.contains(entry))
                fail(QStringLiteral("'%1' is offered by two lists").arg(entry));
            listedKeys.insert(entry);
            keys << entry;
        }
    }
    for (const QString &key : unlistedKeys) {
        const Station *station = data.station(key);
        if (!station)
            fail(QStringLiteral("%1 has no row for the unlisted station '%2'").arg(data.stationsPath(), key));
        if (station->listed != QLatin1String("no"))
            fail(QStringLiteral("%1: '%2' should be marked as not listed").arg(data.stationsPath(), key));
        keys << key;
    }
    if (keys.size() != data.stations().size() || QSet<QString>(keys.begin(), keys.end()).size() != keys.size())
        fail(QStringLiteral("%1 has %2 rows but the catalogue has %3 records")
                 .arg(data.stationsPath()).arg(data.stations().size()).arg(keys.size()));
    for (auto it = aliasOf.constBegin(); it != aliasOf.constEnd(); ++it)
        if (!keys.contains(it.value()))
            fail(QStringLiteral("list entry '%1' leads to '%2', which has no record").arg(it.key(), it.value()));

    QHash<QString, FixedRow> fixedByKey;
    for (const FixedRow &row : fixedRows)
        fixedByKey.insert(row.key, row);

    QList<Record> records;
    for (const QString &key : keys) {
        const Station &station = *data.station(key);
        Record rec;
        rec.key = key;
        rec.shownName = shownNames.value(key, key);
        const auto fixed = fixedByKey.constFind(key);
        if (fixed != fixedByKey.constEnd()) {
            rec.latDeg = fixed->latDeg;
            rec.latMin = fixed->latMin;
            rec.lonDeg = fixed->lonDeg;
            rec.lonMin = fixed->lonMin;
            rec.altitude = fixed->altitude;
            rec.position = QStringLiteral("kept as the catalogue has always shown it");
            const QString kept = QStringLiteral("kept as the catalogue has always shown it");
            rec.pp = fixed->pp.isEmpty() ? preferredSeries(key, QStringLiteral("PP")) : seriesFromText(fixed->pp, kept);
            rec.t = fixed->t.isEmpty() ? preferredSeries(key, QStringLiteral("T")) : seriesFromText(fixed->t, kept);
        } else {
            rec.latDeg = station.latDeg;
            rec.latMin = station.latMin;
            rec.lonDeg = station.lonDeg;
            rec.lonMin = station.lonMin;
            rec.altitude = station.altitude;
            rec.position = station.sourceStation.isEmpty()
                               ? station.source
                               : station.source + QStringLiteral(", ") + station.sourceStation;
            // Every series is the station's own; where the data has none it stays missing and
            // the index says so when the station is chosen.
            rec.pp = preferredSeries(key, QStringLiteral("PP"));
            rec.t = preferredSeries(key, QStringLiteral("T"));
        }
        if (noAltitude.contains(key))
            rec.altitude.clear();
        for (const QString *text : {&rec.latDeg, &rec.latMin, &rec.lonDeg, &rec.lonMin, &rec.altitude})
            if (!text->isEmpty() && !isWholeText(*text))
                fail(QStringLiteral("'%1': '%2' is not a whole number").arg(key, *text));
        records << rec;
    }

    int withNormals = 0;
    for (const Record &rec : records)
        withNormals += rec.pp.complete() && rec.t.complete();

    QString out;
    QTextStream s(&out);
    s << "// Station catalogue of Verdeval: " << records.size() << " records, " << provinceLists.size()
      << " province entries.\n"
         "// Generated by tools/gen_catalogue from location/data/stations.csv and\n"
         "// location/data/normals.csv; edit those files or the generator, not this one.\n"
         "//\n"
         "// Provenance (the full account is location/data/README.md):\n"
         "// - Positions and altitudes: the station list of the Servicio Meteorológico Nacional\n"
         "//   (SMN, Argentina); NOAA NCEI station inventories (Integrated Surface Database\n"
         "//   history, GHCN-Daily); INTA SIGA station metadata; the Servicio de Hidrografía\n"
         "//   Naval lighthouse list. Latitude south, longitude west, whole minutes.\n"
         "// - Precipitation (PP, mm) and mean temperature (T, degC), January to December: the\n"
         "//   preferred series of normals.csv, i.e. SMN \"Estadísticas normales\" 1981-1990 or\n"
         "//   1991-2020 (open data), or 1981-1990 means computed from INTA daily records.\n"
         "// - The positions of five rows (Azul, Abra Pampa, Dolores, Neuquén, Perito Moreno) and\n"
         "//   the series of the first three are kept as the catalogue has always shown them.\n"
         "// - NA and empty texts are values that no source gave; nothing is filled in.\n"
         "//   "
      << withNormals << " records have both series complete.\n"
         "// The source of each record's numbers is noted above it.\n\n"
         "#include \"location/calc/CatalogueTable.h\"\n\n"
         "#include <limits>\n\n"
         "namespace verdeval::catalogue_table {\n\n"
         "namespace {\n"
         "constexpr double NA = std::numeric_limits<double>::quiet_NaN();\n"
         "}\n\n"
         "const Station stations[] = {\n";
    for (const Record &rec : records) {
        s << "    // " << commentText(rec.key) << ". Position: " << commentText(rec.position) << ".\n"
          << "    // PP: " << commentText(rec.pp.provenance) << ". T: " << commentText(rec.t.provenance) << ".\n"
          << "    {" << cString(rec.key) << ", " << cString(rec.shownName) << ", " << cString(rec.latDeg) << ", "
          << cString(rec.latMin) << ", \"S\", " << cString(rec.lonDeg) << ", " << cString(rec.lonMin) << ", "
          << cString(rec.altitude) << ",\n"
          << "     " << doubleLiterals(rec.pp) << ",\n"
          << "     " << doubleLiterals(rec.t) << "},\n";
    }
    s << "};\n"
         "const int stationCount = int(sizeof stations / sizeof stations[0]);\n\n";

    for (int p = 0; p < provinceLists.size(); ++p) {
        const ProvinceList &province = provinceLists.at(p);
        if (province.stations.isEmpty())
            continue;
        s << "// " << commentText(province.name) << "\n"
          << "static const char *const province" << p << "[] = {\n";
        for (const QString &entry : province.stations)
            s << "    " << cString(entry) << ",\n";
        s << "};\n";
    }
    s << "\nconst Province provinces[] = {\n";
    for (int p = 0; p < provinceLists.size(); ++p) {
        const ProvinceList &province = provinceLists.at(p);
        s << "    {" << cString(province.name) << ", ";
        if (province.stations.isEmpty())
            s << "nullptr, 0},\n";
        else
            s << "province" << p << ", " << province.stations.size() << "},\n";
    }
    s << "};\n"
         "const int provinceCount = int(sizeof provinces / sizeof provinces[0]);\n\n"
         "const ListAlias aliases[] = {\n";
    for (const auto &alias : listAliases)
        s << "    {" << cString(alias.first) << ", " << cString(alias.second) << "}, // "
          << commentText(alias.first) << " -> " << commentText(alias.second) << "\n";
    s << "};\n"
         "const int aliasCount = int(sizeof aliases / sizeof aliases[0]);\n\n"
         "} // namespace verdeval::catalogue_table\n";
    s.flush();

    // Written whole or not at all, so that a failed run never leaves half a table behind.
    QSaveFile file(args.at(3));
    const QByteArray bytes = out.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("%1: %2").arg(args.at(3), file.errorString()));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return runTool("gen_catalogue", [&] { generate(app.arguments()); });
}
