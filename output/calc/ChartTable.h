#pragma once

#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace verdeval::chartscale {

// One series of a chart as a column of the copied table: its legend title and its points
// (X, Y) in the order added.
struct TableColumn {
    QString title;
    std::vector<std::pair<double, double>> points;
};

// The chart's data as tab-separated text for a spreadsheet: a header row (the bottom axis
// title, then each series' title), then one row per X value, lowest first, reading the X as
// the bottom axis labels it and each series' Y in the general number format ("." decimal, up
// to 15 significant digits). Series with different X values share the rows of the X values
// they have in common; a series with no point at a row's X, or no finite value there, leaves
// its field empty. A series with two points at the same X fills two rows at that X, in the
// order added. Points without a finite X are left out. Rows end in a line feed.
QString tabSeparated(const QString &xTitle, const std::vector<TableColumn> &columns,
                     const std::function<QString(double)> &xLabel);

} // namespace verdeval::chartscale
