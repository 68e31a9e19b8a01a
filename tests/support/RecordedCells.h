#pragma once

#include "platform/core/CalcOutput.h"

#include <QHash>
#include <QStringList>

namespace verdeval::test {

// What a calculation showed, for the tests of calculations without a screen: the cells in the
// order written, their texts, and the messages ("ATENCIÓN: " before the ATENCIÓN ones).
struct RecordedCells : CalcOutput {
    QStringList order;
    QHash<QString, QString> cells;
    QStringList messages;

    void cell(const QString &name, const QString &text) override
    {
        order << name;
        cells[name] = text;
    }
    void atencion(const QString &text) override { messages << QStringLiteral("ATENCIÓN: ") + text; }
    void hemisphere(const QString &text) override { messages << text; }

    // The cells as written, "name=text" joined by blanks, in the order written.
    QString written() const
    {
        QStringList out;
        for (const QString &name : order)
            out << name + QLatin1Char('=') + cells.value(name);
        return out.join(QLatin1Char(' '));
    }
    // A row as it reads on the screen: prefix1..prefix12, then " | " and the annual cell when
    // it was written (prefixT unless named).
    QString row(const QString &prefix, const QString &annual = QString()) const
    {
        QStringList out;
        for (int m = 1; m <= 12; ++m)
            out << cells.value(prefix + QString::number(m));
        const QString total = annual.isEmpty() ? prefix + QLatin1Char('T') : annual;
        return out.join(QLatin1Char(' ')) + (cells.contains(total) ? QStringLiteral(" | ") + cells.value(total) : QString());
    }
    // The rows written, in order, each named once by its prefix ("EEP EDP EAL").
    QString rows() const
    {
        QStringList out;
        for (const QString &name : order) {
            QString prefix = name;
            while (!prefix.isEmpty() && (prefix.back().isDigit() || prefix.back() == QLatin1Char('T')))
                prefix.chop(1);
            if (out.isEmpty() || out.last() != prefix)
                out << prefix;
        }
        return out.join(QLatin1Char(' '));
    }
};

} // namespace verdeval::test
