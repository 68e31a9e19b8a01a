#pragma once

#include "location/calc/TDatosLocalidad.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace verdeval::batch {

// What the user gives on the command line for the boxes a screen asks for, with the screens'
// defaults. Empty texts are boxes left empty.
struct Options {
    QString cc = QStringLiteral("200");  // field capacity of the water balance
    QString tb = QStringLiteral("7");    // base temperature of the temperature sums
    QString threshold;                   // photoperiod threshold in hours
    QString anemometerHeight;            // Penman-FAO: both or neither
    QString albedo;
};

// One result row of a module as its screen shows it: the row caption and, per column heading,
// the control name of the cell under it (empty where the row has no cell in that column).
struct RowSpec {
    QString caption;
    QStringList cells;
};

// A screen's cells as a calculation wrote them, and how it ended. Cells and messages carry
// the order in which they happened, so that a row can tell which messages came before it.
struct PlaceResult {
    struct Cell {
        QString text;
        int order = 0;
    };
    struct Message {
        QString text;
        int order = 0;
    };
    QHash<QString, Cell> cells; // by control name, as the calculation writes it
    QList<Message> messages;    // the messages shown on the way
    QString stop;               // the message of the error that stopped the calculation, if any
    int events = 0;

    bool wrote(const QString &cell) const { return cells.contains(cell); }
    QString text(const QString &cell) const { return cells.value(cell).text; }
};

// A calculation module run without its screen: the boxes filled from the place as the index's
// launcher fills them, the options in the boxes the user types, then the screen's "&Calcular"
// from a fresh screen (nothing held from an earlier place).
class BatchModule
{
public:
    virtual ~BatchModule() = default;
    virtual QString id() const = 0;
    // The column headings as the screen shows them over its result rows.
    virtual QStringList headings() const = 0;
    virtual QList<RowSpec> rows() const = 0;
    virtual PlaceResult run(const TDatosLocalidad &place, const Options &options) const = 0;
};

// The modules by id: radiation, heliophany, etp, waterbalance, chill, sums.
std::vector<std::unique_ptr<BatchModule>> allModules();
std::unique_ptr<BatchModule> moduleById(const QString &id);

} // namespace verdeval::batch
