#include "batch/BatchRun.h"

#include "location/ClimateDatabase.h"
#include "location/LocalityLoad.h"
#include "location/calc/Catalogue.h"
#include "platform/core/Errors.h"
#include "platform/core/Latitude.h"
#include "platform/core/Messages.h"
#include "platform/core/NumberText.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <algorithm>

namespace verdeval::batch {

namespace {

// The signed latitude of the place in decimal degrees, or the empty text where its boxes
// would not give one.
QString latitudeText(const TDatosLocalidad &place)
{
    if (!isValidHemisphere(place.EHemisferio) || !isFloatText(place.EGrados) || !isFloatText(place.EMinutos))
        return QString();
    return floatToStr(roundHalfEven(signedLatitude(place.EGrados, place.EMinutos, place.EHemisferio) * 1e4) / 1e4);
}

// One line of the table: fields quoted where they hold the separator, a quote or a line break
// (quotes doubled), joined by the separator, ended by CR LF.
void writeLine(QIODevice &out, const QStringList &fields, QChar separator)
{
    QString line;
    line.reserve(320);
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += separator;
        const QString &f = fields.at(i);
        bool quote = false;
        for (const QChar c : f)
            if (c == separator || c == QLatin1Char('"') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
                quote = true;
                break;
            }
        if (!quote) {
            line += f;
            continue;
        }
        line += QLatin1Char('"');
        for (const QChar c : f) {
            if (c == QLatin1Char('"'))
                line += QLatin1Char('"');
            line += c;
        }
        line += QLatin1Char('"');
    }
    line += QLatin1String("\r\n");
    out.write(line.toUtf8());
}

const char *const usage =
    "Uso: verdeval-batch --source catalogue|ARCHIVO.mdb --module MÓDULO [opciones]\n"
    "\n"
    "Calcula un módulo de Verdeval para todas las localidades de una fuente y escribe una\n"
    "tabla CSV (UTF-8, punto decimal): una línea por localidad y fila de resultados, con los\n"
    "mismos textos que muestra la pantalla del módulo. Donde la pantalla se detendría con un\n"
    "mensaje, las filas que no escribiría quedan vacías y la columna \"error\" lleva el mensaje.\n"
    "\n"
    "Fuente y módulo:\n"
    "  --source catalogue       el catálogo de estaciones incorporado\n"
    "  --source ARCHIVO         una base de datos climática (Quenora.mdb)\n"
    "  --module MÓDULO          radiation (radiación astronómica y global),\n"
    "                           heliophany (heliofanía astronómica y fotoperíodo),\n"
    "                           etp (evapotranspiración potencial),\n"
    "                           waterbalance (balance de agua en el suelo),\n"
    "                           chill (horas de frío), sums (suma de temperatura)\n"
    "\n"
    "Datos que la pantalla pide al usuario:\n"
    "  --cc MM                  capacidad de campo del balance de agua (por omisión 200)\n"
    "  --tb GRADOS              temperatura base de la suma de temperatura (por omisión 7)\n"
    "  --threshold HORAS        umbral del fotoperíodo (obligatorio para heliophany)\n"
    "  --anemometer-height M    altura del anemómetro (Penman-FAO)\n"
    "  --albedo PORCENTAJE      albedo (Penman-FAO); Penman-FAO se calcula solo con ambos datos\n"
    "\n"
    "Salida:\n"
    "  --out ARCHIVO            escribe la tabla en el archivo (por omisión, la salida estándar)\n"
    "  --separator C            separador de campos (por omisión \",\"; \";\" para planillas\n"
    "                           con coma decimal)\n"
    "  --help                   muestra esta ayuda\n"
    "\n"
    "Estado de salida: 0 si el cálculo terminó (aunque haya filas con error), 2 si las opciones\n"
    "son incorrectas o la fuente no se puede leer.\n";

} // namespace

QList<SourcePlace> cataloguePlaces()
{
    // The province of each record: the list that offers it (or the entry that leads to it).
    QHash<QString, QString> provinceOf;
    for (const QString &province : catalogueProvinces())
        for (const QString &station : stationsOfProvince(province))
            if (const CatalogueRecord *r = findStation(station); r && !provinceOf.contains(r->key))
                provinceOf.insert(r->key, province);
    QList<SourcePlace> out;
    for (int i = 0; i < catalogueSize(); ++i) {
        const CatalogueRecord &r = catalogueRecord(i);
        out.append({provinceOf.value(r.key), r.shownName, placeFromCatalogue(r), QString()});
    }
    return out;
}

QList<SourcePlace> databasePlaces(const QString &path)
{
    ClimateDatabase db;
    db.open({path});
    db.preload();
    QList<SourcePlace> out;
    for (const QString &province : db.provinces()) {
        for (const QString &locality : db.localities(province)) {
            SourcePlace p{province, locality, TDatosLocalidad(), QString()};
            try {
                loadLocality(db, province, locality, p.place);
            } catch (const CalcError &e) {
                p.loadError = msg::standardErrorText(e.message());
            }
            out.append(p);
        }
    }
    return out;
}

namespace {

QList<QStringList> linesOf(const BatchModule &module, const QList<RowSpec> &rows, const SourcePlace &place,
                           const Options &options)
{
    const QString latitude = latitudeText(place.place);
    const PlaceResult result = place.loadError.isEmpty() ? module.run(place.place, options) : PlaceResult();
    QList<QStringList> lines;
    lines.reserve(rows.size());
    for (const RowSpec &row : rows) {
        QStringList fields;
        fields.reserve(row.cells.size() + 5);
        fields << place.province << place.name << latitude << row.caption;
        // A row is there when the calculation wrote its cells; it carries the messages that
        // were shown before it (a rejected hemisphere, for one).
        int first = 0;
        bool written = place.loadError.isEmpty();
        QList<const PlaceResult::Cell *> cells;
        cells.reserve(row.cells.size());
        for (const QString &name : row.cells) {
            if (name.isEmpty() || !written) {
                cells << nullptr;
                continue;
            }
            const auto it = result.cells.constFind(name);
            if (it == result.cells.constEnd()) {
                written = false;
                continue;
            }
            cells << &*it;
            first = first == 0 ? it->order : std::min(first, it->order);
        }
        QString error;
        if (!place.loadError.isEmpty()) {
            error = place.loadError;
        } else if (written) {
            QStringList before;
            for (const PlaceResult::Message &m : result.messages)
                if (m.order < first)
                    before << m.text;
            error = before.join(QLatin1Char(' '));
        } else if (!result.stop.isEmpty()) {
            error = result.stop;
        } else if (!result.messages.isEmpty()) {
            error = result.messages.constLast().text;
        } else {
            // Nothing said why, as the screen leaves a method without its data empty.
            error = QStringLiteral("Fila no calculada: faltan datos para este cálculo.");
        }
        for (int k = 0; k < row.cells.size(); ++k)
            fields << (written && k < cells.size() && cells.at(k) ? cells.at(k)->text : QString());
        fields << error;
        lines << fields;
    }
    return lines;
}

} // namespace

QList<QStringList> placeLines(const BatchModule &module, const SourcePlace &place, const Options &options)
{
    return linesOf(module, module.rows(), place, options);
}

void writeTable(QIODevice &out, const BatchModule &module, const QList<SourcePlace> &places, const Options &options,
                QChar separator, const std::function<void(int, int)> &progress)
{
    writeLine(out,
              QStringList{QStringLiteral("provincia"), QStringLiteral("localidad"), QStringLiteral("latitud"),
                          QStringLiteral("fila")}
                  + module.headings() + QStringList{QStringLiteral("error")},
              separator);
    const QList<RowSpec> rows = module.rows();
    int done = 0;
    for (const SourcePlace &place : places) {
        for (const QStringList &line : linesOf(module, rows, place, options))
            writeLine(out, line, separator);
        ++done;
        if (progress)
            progress(done, int(places.size()));
    }
}

int runCommandLine(const QStringList &arguments, QIODevice &out, QIODevice &err)
{
    auto fail = [&err](const QString &message) {
        err.write((QStringLiteral("verdeval-batch: ") + message + QStringLiteral("\n")
                   + QStringLiteral("Use --help para ver las opciones.\n"))
                      .toUtf8());
        return 2;
    };

    QHash<QString, QString> given;
    const QStringList valued{"--source", "--module", "--out", "--separator", "--cc", "--tb", "--threshold",
                             "--anemometer-height", "--albedo"};
    for (int i = 1; i < arguments.size(); ++i) {
        QString arg = arguments.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            out.write(QByteArray(usage));
            return 0;
        }
        QString value;
        bool hasValue = false;
        if (const int eq = arg.indexOf(QLatin1Char('=')); arg.startsWith(QLatin1String("--")) && eq > 0) {
            value = arg.mid(eq + 1);
            arg = arg.left(eq);
            hasValue = true;
        }
        if (!valued.contains(arg))
            return fail(QStringLiteral("opción desconocida: %1").arg(arguments.at(i)));
        if (!hasValue) {
            if (i + 1 >= arguments.size())
                return fail(QStringLiteral("falta el valor de %1").arg(arg));
            value = arguments.at(++i);
        }
        if (given.contains(arg))
            return fail(QStringLiteral("la opción %1 aparece dos veces").arg(arg));
        given.insert(arg, value);
    }

    if (!given.contains(QStringLiteral("--source")))
        return fail(QStringLiteral("falta la fuente (--source catalogue o --source ARCHIVO.mdb)"));
    if (!given.contains(QStringLiteral("--module")))
        return fail(QStringLiteral("falta el módulo (--module radiation, heliophany, etp, waterbalance, chill o sums)"));
    const std::unique_ptr<BatchModule> module = moduleById(given.value(QStringLiteral("--module")));
    if (!module)
        return fail(QStringLiteral("módulo desconocido: %1 (radiation, heliophany, etp, waterbalance, chill o sums)")
                        .arg(given.value(QStringLiteral("--module"))));

    Options options;
    const struct {
        const char *name;
        QString *target;
    } numeric[] = {{"--cc", &options.cc},
                   {"--tb", &options.tb},
                   {"--threshold", &options.threshold},
                   {"--anemometer-height", &options.anemometerHeight},
                   {"--albedo", &options.albedo}};
    for (const auto &n : numeric) {
        const QString name = QString::fromLatin1(n.name);
        if (!given.contains(name))
            continue;
        const QString value = given.value(name);
        if (!isFloatText(value))
            return fail(QStringLiteral("%1 debe ser un número con punto decimal, no '%2'").arg(name, value));
        *n.target = value;
    }
    if (module->id() == QLatin1String("heliophany") && options.threshold.isEmpty())
        return fail(QStringLiteral("el módulo heliophany necesita el umbral del fotoperíodo (--threshold HORAS)"));

    QChar separator = QLatin1Char(',');
    if (given.contains(QStringLiteral("--separator"))) {
        const QString s = given.value(QStringLiteral("--separator"));
        if (s.size() != 1 || s == QLatin1String("\"") || s == QLatin1String(".") || s.at(0).isLetterOrNumber()
            || s == QLatin1String("\n") || s == QLatin1String("\r"))
            return fail(QStringLiteral("el separador debe ser un solo carácter que no sea letra, cifra, punto ni "
                                       "comillas, no '%1'")
                            .arg(s));
        separator = s.at(0);
    }

    QList<SourcePlace> places;
    const QString source = given.value(QStringLiteral("--source"));
    if (source == QLatin1String("catalogue")) {
        places = cataloguePlaces();
    } else {
        if (!QFileInfo(source).isFile())
            return fail(QStringLiteral("no existe el archivo de base de datos %1").arg(source));
        try {
            places = databasePlaces(source);
        } catch (const CalcError &e) {
            return fail(msg::standardErrorText(e.message()));
        }
    }

    const QString outPath = given.value(QStringLiteral("--out"));
    if (outPath.isEmpty()) {
        writeTable(out, *module, places, options, separator);
        return 0;
    }
    // The file is written whole or not at all.
    QSaveFile file(outPath);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("no se puede escribir %1: %2").arg(outPath, file.errorString()));
    std::function<void(int, int)> progress;
    if (places.size() > 100)
        progress = [&err](int done, int total) {
            if (done % 50 == 0 || done == total)
                err.write(QStringLiteral("\rLocalidades calculadas: %1 de %2%3")
                              .arg(done)
                              .arg(total)
                              .arg(done == total ? QStringLiteral("\n") : QString())
                              .toUtf8());
        };
    writeTable(file, *module, places, options, separator, progress);
    if (!file.commit())
        return fail(QStringLiteral("no se puede escribir %1: %2").arg(outPath, file.errorString()));
    return 0;
}

} // namespace verdeval::batch
