#pragma once

#include "output/calc/ChartAxis.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

// The scales of a chart worked out without drawing anything: which values the axes span,
// where their labels stand and what they read. The chart measures its label texts and hands
// over how much room there is; everything else is here.
namespace verdeval::chartscale {

// A label of an axis: the value it stands at and its text.
struct Tick {
    double value;
    QString text;
};

// The width of a label as drawn, in the chart's units.
using TextWidth = std::function<double(const QString &)>;

// The smallest of 1, 2 and 5 times a power of ten, times the base step (1 when there is none),
// that is at least raw: with a base of 30 the steps are 30, 60, 150, 300...
double niceStep(double raw, double base);
// A value axis label: the value with as many decimals as the step needs (0.05 steps: "0.15").
QString tickText(double value, double step);

// Month abbreviations and names from the Spanish calendar names, capitalised like the column
// headings of the screens: monthAbbreviation(9) is "Sep", monthName(9) "Septiembre".
QString monthAbbreviation(int month);
QString monthName(int month);
// The months of the program's chart year, "Jul" to "Jun".
QStringList chartYearMonths();

// A day count from 30 December 1899 (day 166 is 14 June 1900, day 531 14 June 1901) written in
// a date format of day (d, dd), month (m, mm, mmm, mmmm) and year (yy, yyyy) tokens, any case;
// other characters stand as they are. Fractions of a day are dropped.
QString formatDate(double day, const QString &format);

// An empty date axis spans the year the program's date charts draw, mid-June 1900 to mid-June
// 1901, so that an emptied chart keeps its month labels.
inline constexpr double emptyDateFirst = 166;
inline constexpr double emptyDateLast = 531;
// A value axis with nothing to spread over (no data, or every value the same) spans this much
// from its lowest value, labelled in about this many steps whatever the size of the drawing:
// an empty chart shows 0 to 10 on screen and on paper alike.
inline constexpr double emptySpan = 10;
inline constexpr double emptySteps = 5;

// Which ends of an axis follow the data.
struct Ends {
    bool automaticMinimum;
    bool automaticMaximum;
};
Ends endsOf(const ChartAxis &axis);

// The lowest and highest of some values; non-finite values are left out.
struct Extent {
    bool any = false;
    double lo = 0;
    double hi = 0;
    void add(double v);
};

// A vertical value axis resolved for one drawing.
struct ValueScale {
    double lo = 0;
    double hi = 1;
    double step = 1;
    std::vector<Tick> ticks;
    // Where a value stands between the bottom (0) and the top (1) of the axis.
    double fraction(double y) const { return (y - lo) / (hi - lo); }
};
// The scale of a vertical axis over the Y values of its series. Bars stand on zero, so an axis
// with bars always reaches it. maxLabels is how many labels fit along the axis without
// crowding; the step is the axis increment or a nice multiple of it.
ValueScale valueScale(const ChartAxis &axis, const Extent &data, bool bars, double maxLabels);

// The bottom axis: one slot per whole X with the points' texts, dates, or plain numbers.
enum class BottomKind { Slots, Dates, Values };

// What the bottom axis is drawn over: the X values of every series' points.
struct BottomData {
    Extent x;
    bool anyDate = false;   // some series holds date-time X values
    bool anyLabel = false;  // some point carries a text
    bool anyBars = false;   // some series is drawn as bars
    // The closest spacing of the X values of any bar series (infinite when there is none).
    double barSpacing = std::numeric_limits<double>::infinity();
    // The texts of the points, by X, in series order and then point order.
    std::vector<std::pair<double, QString>> labels;

    // Adds a point of a series; only points with a finite X and Y are drawn and scaled.
    void addPoint(double x, double y, const QString &label);
    // Adds the X values of one bar series, for the width of the slots.
    void addBarSeries(std::vector<double> xs);
};

struct BottomScale {
    BottomKind kind = BottomKind::Values;
    double lo = 0;
    double hi = 1;
    std::vector<Tick> ticks; // Slots: one per slot, at the slot's X
    // The width of one slot (where bars stand) as a share of the axis length.
    double slotFraction = 1.0 / 12;
    // Where an X value stands between the left (0) and right (1) end of the axis; slots are
    // centred in their share of the axis.
    double fraction(double x) const;
};

BottomKind bottomKind(const ChartAxis &axis, const BottomData &data);
// The bottom axis for a plot of the given length, labels measured with width.
BottomScale bottomScale(const ChartAxis &axis, const BottomData &data, double length, const TextWidth &width);
// The text the bottom axis shows for a point at x: its slot's text, its date in the axis
// format, or the number itself.
QString bottomLabel(const ChartAxis &axis, const BottomData &data, double x);

} // namespace verdeval::chartscale
