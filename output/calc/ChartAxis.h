#pragma once

#include <QString>

namespace verdeval {

// Settings of one axis of a chart.
//
// Range: `automatic` follows the data at both ends. With `automatic` false, each end is fixed
// unless its own flag says it follows the data (setMinimumFixed); clearing `automatic` alone
// fixes both ends at minimum..maximum.
//
// Increment: the smallest step between labels; when the labels would overlap the chart takes a
// multiple of it. 0 lets the chart choose.
struct ChartAxis {
    enum class Labels { Values, Text, DateTime };
    QString title;
    bool automatic = true;
    bool automaticMinimum = true;
    bool automaticMaximum = true;
    double minimum = 0;
    double maximum = 0;
    double increment = 0;
    // Values: numbers (or the points' texts when the points carry labels); Text: one slot per
    // whole X with the points' texts; DateTime: dates in dateFormat.
    Labels labels = Labels::Values;
    // Date format: "MMM" month abbreviation (Spanish), "dd/mm" day and month; tokens d, dd,
    // m, mm, mmm, mmmm, yy, yyyy, any case.
    QString dateFormat = QStringLiteral("MMM");
    // The right axis shows only when a series uses it or this is set.
    bool visible = false;
    // Vertical grid lines between the slots instead of through the labels (bottom axis).
    bool gridBetweenLabels = false;

    // Fixed range minimum..maximum.
    void setFixed(double min, double max)
    {
        automatic = automaticMinimum = automaticMaximum = false;
        minimum = min;
        maximum = max;
    }
    // Minimum fixed, maximum following the data.
    void setMinimumFixed(double min)
    {
        automatic = false;
        automaticMinimum = false;
        automaticMaximum = true;
        minimum = min;
    }
};

} // namespace verdeval
