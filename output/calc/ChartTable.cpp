#include "output/calc/ChartTable.h"

#include "platform/core/NumberText.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>

namespace verdeval::chartscale {

namespace {

// Tabs and line breaks inside a title would split its field.
QString field(QString text)
{
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

QString tabSeparated(const QString &xTitle, const std::vector<TableColumn> &columns,
                     const std::function<QString(double)> &xLabel)
{
    // A row is an X value and how many earlier points of the same series stand at that X.
    using RowKey = std::pair<double, int>;
    std::map<RowKey, std::vector<QString>> rows;
    for (size_t c = 0; c < columns.size(); ++c) {
        std::map<double, int> seen;
        for (const auto &[x, y] : columns[c].points) {
            if (!std::isfinite(x))
                continue;
            std::vector<QString> &row = rows[{x, seen[x]++}];
            row.resize(columns.size());
            if (std::isfinite(y))
                row[c] = floatToStr(y);
        }
    }

    QStringList header{field(xTitle)};
    for (const TableColumn &column : columns)
        header << field(column.title);
    QString out = header.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const auto &[key, values] : rows) {
        QStringList line{field(xLabel(key.first))};
        for (const QString &v : values)
            line << v;
        out += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return out;
}

} // namespace verdeval::chartscale
