#pragma once

#include "batch/BatchModule.h"

#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

namespace verdeval::batch {

// One place of a source, loaded as the index loads it; a load that failed carries the message
// the index would have shown.
struct SourcePlace {
    QString province;
    QString name;
    TDatosLocalidad place;
    QString loadError;
};

// The places of the built-in catalogue, in catalogue order; each with the province list that
// offers it (empty for the records that no list offers).
QList<SourcePlace> cataloguePlaces();

// The places of a climate database file: every locality of every province, in table order.
// An unreadable file raises CalcError; a locality that fails to load is kept with its error.
QList<SourcePlace> databasePlaces(const QString &path);

// The table of one module over the places, as CSV (RFC 4180, UTF-8, "." decimals): a header
// `provincia,localidad,latitud,fila,<column headings>,error`, then one line per place and
// result row. `progress` runs after each place.
void writeTable(QIODevice &out, const BatchModule &module, const QList<SourcePlace> &places, const Options &options,
                QChar separator = QLatin1Char(','), const std::function<void(int done, int total)> &progress = {});

// The fields of the lines of one place, without the CSV quoting: for tests.
QList<QStringList> placeLines(const BatchModule &module, const SourcePlace &place, const Options &options);

// The command line: parses the arguments, runs, and returns the exit status (0 when the run
// finished, rows in error included; 2 on bad options or an unreadable source). Messages go to
// `err` in Spanish; the table to the file of --out or to `out`.
int runCommandLine(const QStringList &arguments, QIODevice &out, QIODevice &err);

} // namespace verdeval::batch
