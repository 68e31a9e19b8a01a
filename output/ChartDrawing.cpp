#include "output/ChartDrawing.h"

#include "platform/core/NumberText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace verdeval::chartdrawing {

using chartscale::BottomKind;
using chartscale::Tick;
using chartscale::ValueScale;

namespace {

bool finite(const ChartSeries::Point &p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Fonts are sized in the chart's own units (pixels of a 96-per-inch page), so that the chart
// prints at the size it shows whatever the resolution of the device.
QFont chartFont(int pixels, bool bold = false)
{
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

const QFont &titleFont() { static const QFont f = chartFont(14, true); return f; }
const QFont &labelFont() { static const QFont f = chartFont(11); return f; }
const QFont &axisTitleFont() { static const QFont f = chartFont(12, true); return f; }
const QFont &legendFont() { static const QFont f = chartFont(11); return f; }
const QFont &markFont() { static const QFont f = chartFont(10); return f; }

constexpr double kGap = 6;          // between the title, the plot and the legend
constexpr double kSample = 32;      // legend sample line length
constexpr double kSampleGap = 5;    // between a sample and its title
constexpr double kEntryGap = 18;    // between two entries of a legend row
constexpr double kTickLength = 4;
constexpr double kLabelGap = 8;     // between a vertical axis and its labels

// ---------------------------------------------------------------------------------------------
// Layout

double legendEntryWidth(const QFontMetricsF &fm, const ChartSeries &s)
{
    return kSample + kSampleGap + fm.horizontalAdvance(s.title());
}

// The legend, laid out once for painting: below the plot in centred rows that wrap to the
// chart's width, or at the side in one column. Takes its room from `inner`.
LegendLayout placeLegend(const Content &c, QRectF &inner)
{
    LegendLayout legend;
    const QFontMetricsF fm(legendFont());
    const double rowHeight = fm.height() + 4;
    if (c.style.legend == Chart::Legend::Below) {
        struct Row {
            std::vector<const ChartSeries *> series;
            double width = 0;
        };
        std::vector<Row> rows(1);
        for (const ChartSeries *s : c.series) {
            const double w = legendEntryWidth(fm, *s);
            if (rows.back().width > 0 && rows.back().width + kEntryGap + w > inner.width() - 12)
                rows.emplace_back();
            Row &row = rows.back();
            row.width += (row.width > 0 ? kEntryGap : 0) + w;
            row.series.push_back(s);
        }
        const double h = rows.size() * rowHeight + 6;
        const QRectF area(inner.left(), inner.bottom() - h, inner.width(), h);
        inner.setBottom(inner.bottom() - h - kGap);
        double widest = 0;
        for (const Row &row : rows)
            widest = std::max(widest, row.width);
        legend.frame = QRectF(area.center().x() - widest / 2 - 8, area.top(), widest + 16, area.height());
        double y = legend.frame.top() + 3 + rowHeight / 2;
        for (const Row &row : rows) {
            double x = legend.frame.center().x() - row.width / 2;
            for (const ChartSeries *s : row.series) {
                legend.entries.push_back({s, QPointF(x, y)});
                x += legendEntryWidth(fm, *s) + kEntryGap;
            }
            y += rowHeight;
        }
    } else {
        double w = 0;
        for (const ChartSeries *s : c.series)
            w = std::max(w, legendEntryWidth(fm, *s));
        w += 14;
        legend.frame = QRectF(inner.right() - w, inner.top(), w, c.series.size() * rowHeight + 8);
        inner.setRight(inner.right() - w - kGap * 2);
        double y = legend.frame.top() + 4 + rowHeight / 2;
        for (const ChartSeries *s : c.series) {
            legend.entries.push_back({s, QPointF(legend.frame.left() + 7, y)});
            y += rowHeight;
        }
    }
    return legend;
}

// A vertical axis over the series drawn against it, for a plot of the given height.
VerticalAxis verticalAxis(const Content &c, const ChartAxis &axis, ChartSeries::Axis which, double height)
{
    chartscale::Extent values;
    bool bars = false;
    for (const ChartSeries *s : c.series) {
        if (s->axis() != which)
            continue;
        bars = bars || s->kind() == ChartSeries::Kind::Bar;
        for (const auto &p : s->points())
            if (finite(p))
                values.add(p.y);
    }
    const QFontMetricsF fm(labelFont());
    const double labelPitch = fm.height() * 1.6;
    VerticalAxis v;
    v.scale = chartscale::valueScale(axis, values, bars, std::floor(height / labelPitch));
    for (const Tick &t : v.scale.ticks)
        v.labelWidth = std::max(v.labelWidth, fm.horizontalAdvance(t.text));
    v.shown = true;
    return v;
}

// ---------------------------------------------------------------------------------------------
// Painting, back to front

void paintTitle(QPainter &p, const Content &c, const Geometry &g)
{
    if (g.titleRect.isEmpty())
        return;
    p.setFont(titleFont());
    p.setPen(c.style.titleColor);
    p.drawText(g.titleRect, Qt::AlignHCenter | Qt::AlignTop, c.titleLines.join(QLatin1Char('\n')));
}

// Horizontal lines through the left axis labels, vertical ones through the bottom labels (or
// between the slots).
void paintGrid(QPainter &p, const Content &c, const Geometry &g)
{
    QPen grid(c.style.gridColor, c.style.gridWidth, c.style.gridCustom ? Qt::SolidLine : Qt::DotLine);
    grid.setCosmetic(false);
    p.setPen(grid);
    for (const Tick &t : g.left.scale.ticks) {
        const double y = g.py(g.left.scale, t.value);
        p.drawLine(QPointF(g.plot.left(), y), QPointF(g.plot.right(), y));
    }
    p.setPen(QPen(QColor(0xC8, 0xC8, 0xC8), 1, Qt::DotLine));
    const bool between = g.bottom.kind == BottomKind::Slots && c.bottom->gridBetweenLabels;
    for (const Tick &t : g.bottom.ticks) {
        const double x = g.px(t.value) + (between ? g.slotPixels() / 2 : 0);
        if (x > g.plot.left() + 0.5 && x < g.plot.right() - 0.5)
            p.drawLine(QPointF(x, g.plot.top()), QPointF(x, g.plot.bottom()));
    }
}

// Bar series stand side by side within their slot, each its share of it wide times its
// width percentage, from zero (or the nearest end of the axis) to the value.
void paintBars(QPainter &p, const Content &c, const Geometry &g)
{
    const int barSeries = int(std::count_if(c.series.begin(), c.series.end(),
                                            [](const ChartSeries *s) { return s->kind() == ChartSeries::Kind::Bar; }));
    int barIndex = 0;
    for (const ChartSeries *s : c.series) {
        if (s->kind() != ChartSeries::Kind::Bar)
            continue;
        const ValueScale &scale = g.scaleOf(*s);
        const double share = g.slotPixels() / barSeries;
        const double w = share * s->barWidthPercent() / 100.0;
        const double offset = -g.slotPixels() / 2 + share * (barIndex + 0.5);
        const double base = g.py(scale, std::clamp(0.0, scale.lo, scale.hi));
        p.setPen(QPen(s->color().darker(140), 0.8));
        p.setBrush(s->color());
        for (const auto &pt : s->points()) {
            if (!finite(pt))
                continue;
            const QPointF q = g.at(*s, pt);
            const double x = q.x() + offset;
            p.drawRect(QRectF(QPointF(x - w / 2, std::min(q.y(), base)), QPointF(x + w / 2, std::max(q.y(), base))));
        }
        ++barIndex;
    }
}

// Line series: a path through the points in the order added, broken where a value is missing,
// with square markers where asked for.
void paintLines(QPainter &p, const Content &c, const Geometry &g)
{
    for (const ChartSeries *s : c.series) {
        if (s->kind() != ChartSeries::Kind::Line)
            continue;
        p.setPen(QPen(s->color(), s->width(), s->penStyle(), Qt::FlatCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath path;
        bool open = false;
        for (const auto &pt : s->points()) {
            if (!finite(pt)) {
                open = false;
                continue;
            }
            const QPointF q = g.at(*s, pt);
            if (open)
                path.lineTo(q);
            else
                path.moveTo(q);
            open = true;
        }
        p.drawPath(path);
        if (s->pointMarkers()) {
            const double m = std::max<qreal>(2, s->markerSize());
            p.setPen(QPen(s->color().darker(160), 0.8));
            p.setBrush(s->color());
            for (const auto &pt : s->points())
                if (finite(pt)) {
                    const QPointF q = g.at(*s, pt);
                    p.drawRect(QRectF(q.x() - m / 2, q.y() - m / 2, m, m));
                }
        }
    }
}

// Value marks: the value, to three decimals at most, in a small box above its point.
void paintMarks(QPainter &p, const Content &c, const Geometry &g)
{
    p.setFont(markFont());
    const QFontMetricsF fm(markFont());
    for (const ChartSeries *s : c.series) {
        if (!s->marksVisible())
            continue;
        for (const auto &pt : s->points()) {
            if (!finite(pt))
                continue;
            const QString text = floatToStr(std::round(pt.y * 1000) / 1000);
            const double w = fm.horizontalAdvance(text) + 6;
            const double h = fm.height() + 2;
            const QPointF q = g.at(*s, pt);
            if (!g.plot.adjusted(-1, -1, 1, 1).contains(q))
                continue;
            const QRectF box(q.x() - w / 2, q.y() - h - 6, w, h);
            p.setPen(QPen(QColor(0x80, 0x80, 0x80), 0.8));
            p.setBrush(QColor(0xFF, 0xFF, 0xE1));
            p.drawRect(box);
            p.setPen(Qt::black);
            p.drawText(box, Qt::AlignCenter, text);
        }
    }
}

// The axis lines, their ticks and labels.
void paintAxes(QPainter &p, const Geometry &g)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(g.plot.bottomLeft(), g.plot.bottomRight());
    p.drawLine(g.plot.topLeft(), g.plot.bottomLeft());
    if (g.right.shown)
        p.drawLine(g.plot.topRight(), g.plot.bottomRight());
    p.setFont(labelFont());
    const QFontMetricsF fm(labelFont());
    for (const Tick &t : g.left.scale.ticks) {
        const double y = g.py(g.left.scale, t.value);
        p.drawLine(QPointF(g.plot.left() - kTickLength, y), QPointF(g.plot.left(), y));
        p.drawText(QRectF(g.plot.left() - kLabelGap - g.left.labelWidth - 40, y - fm.height() / 2,
                          g.left.labelWidth + 40, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, t.text);
    }
    for (const Tick &t : g.right.scale.ticks) {
        const double y = g.py(g.right.scale, t.value);
        p.drawLine(QPointF(g.plot.right(), y), QPointF(g.plot.right() + kTickLength, y));
        p.drawText(QRectF(g.plot.right() + kLabelGap, y - fm.height() / 2, g.right.labelWidth + 40, fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, t.text);
    }
    for (const Tick &t : g.bottom.ticks) {
        const double x = g.px(t.value);
        p.drawLine(QPointF(x, g.plot.bottom()), QPointF(x, g.plot.bottom() + kTickLength));
        const double w = std::max(fm.horizontalAdvance(t.text) + 4, g.slotPixels());
        p.drawText(QRectF(x - w / 2, g.plot.bottom() + 5, w, fm.height()), Qt::AlignHCenter | Qt::AlignTop, t.text);
    }
}

// A vertical axis title, turned to read along the axis, centred at x.
void paintVerticalTitle(QPainter &p, const Geometry &g, double x, double angle, const QString &title)
{
    const QFontMetricsF fm(axisTitleFont());
    p.save();
    p.translate(x, g.plot.center().y());
    p.rotate(angle);
    p.drawText(QRectF(-g.plot.height() / 2 - 40, -fm.height() / 2, g.plot.height() + 80, fm.height()),
               Qt::AlignCenter, title);
    p.restore();
}

void paintAxisTitles(QPainter &p, const Content &c, const Geometry &g)
{
    p.setFont(axisTitleFont());
    const QFontMetricsF fm(labelFont());
    const QFontMetricsF tfm(axisTitleFont());
    if (!c.bottom->title.isEmpty())
        p.drawText(QRectF(g.plot.left(), g.plot.bottom() + 5 + fm.height() + 2, g.plot.width(), tfm.height()),
                   Qt::AlignHCenter | Qt::AlignTop, c.bottom->title);
    if (!c.left->title.isEmpty())
        paintVerticalTitle(p, g, g.plot.left() - kLabelGap - g.left.labelWidth - 4 - tfm.height() / 2, -90,
                           c.left->title);
    if (g.right.shown && !c.right->title.isEmpty())
        paintVerticalTitle(p, g, g.plot.right() + kLabelGap + g.right.labelWidth + 4 + tfm.height() / 2, 90,
                           c.right->title);
}

// A sample of the series' bar or line (with its marker) and its title, plain text.
void paintLegendEntry(QPainter &p, const ChartSeries &s, QPointF at)
{
    const QFontMetricsF fm(legendFont());
    const double x = at.x(), y = at.y();
    if (s.kind() == ChartSeries::Kind::Bar) {
        p.setPen(QPen(s.color().darker(140), 0.8));
        p.setBrush(s.color());
        p.drawRect(QRectF(x + kSample / 2 - 6, y - 5, 12, 10));
    } else {
        p.setPen(QPen(s.color(), std::min(s.width(), 4), s.penStyle(), Qt::FlatCap));
        p.drawLine(QPointF(x, y), QPointF(x + kSample, y));
        if (s.pointMarkers()) {
            p.setPen(QPen(s.color().darker(160), 0.8));
            p.setBrush(s.color());
            p.drawRect(QRectF(x + kSample / 2 - 3, y - 3, 6, 6));
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(Qt::black);
    p.drawText(QRectF(x + kSample + kSampleGap, y - fm.height() / 2, fm.horizontalAdvance(s.title()) + 4, fm.height()),
               Qt::AlignLeft | Qt::AlignVCenter, s.title());
}

void paintLegend(QPainter &p, const Geometry &g)
{
    if (!g.hasLegend)
        return;
    p.setFont(legendFont());
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(g.legend.frame);
    for (const LegendLayout::Entry &e : g.legend.entries)
        paintLegendEntry(p, *e.series, e.sample);
}

} // namespace

chartscale::BottomData bottomData(const Content &c)
{
    chartscale::BottomData data;
    for (const ChartSeries *s : c.series) {
        data.anyDate = data.anyDate || s->isDateTime();
        std::vector<double> xs;
        for (const auto &p : s->points()) {
            data.addPoint(p.x, p.y, p.label);
            if (finite(p))
                xs.push_back(p.x);
        }
        if (s->kind() == ChartSeries::Kind::Bar)
            data.addBarSeries(std::move(xs));
    }
    return data;
}

Geometry layOut(const Content &c, const QRectF &target)
{
    Geometry g;
    g.outer = target.adjusted(0.5, 0.5, -0.5, -0.5);
    QRectF inner = g.outer.adjusted(10, 6, -12, -6);

    // Title lines, centred above the plot.
    if (c.style.titleVisible && !c.titleLines.isEmpty()) {
        const double h = QFontMetricsF(titleFont()).height() * c.titleLines.size();
        g.titleRect = QRectF(inner.left(), inner.top(), inner.width(), h);
        inner.setTop(inner.top() + h + kGap);
    }

    if (c.style.legend != Chart::Legend::Hidden && !c.series.empty()) {
        g.legend = placeLegend(c, inner);
        g.hasLegend = true;
    }

    // The bottom axis's labels and title take a fixed height; the vertical axes need the
    // plot's height for their steps, the plot's width needs their labels.
    const QFontMetricsF fm(labelFont());
    const QFontMetricsF tfm(axisTitleFont());
    double bottomSpace = fm.height() + 6;
    if (!c.bottom->title.isEmpty())
        bottomSpace += tfm.height() + 2;
    const double top = inner.top() + fm.height() / 2;
    const double plotHeight = std::max(20.0, inner.bottom() - bottomSpace - top);

    g.left = verticalAxis(c, *c.left, ChartSeries::Axis::Left, plotHeight);
    const bool rightUsed = c.right->visible || std::any_of(c.series.begin(), c.series.end(), [](const ChartSeries *s) {
                               return s->axis() == ChartSeries::Axis::Right;
                           });
    if (rightUsed)
        g.right = verticalAxis(c, *c.right, ChartSeries::Axis::Right, plotHeight);

    double left = inner.left() + g.left.labelWidth + kLabelGap;
    if (!c.left->title.isEmpty())
        left += tfm.height() + 4;
    double right = inner.right();
    if (g.right.shown) {
        right -= g.right.labelWidth + kLabelGap;
        if (!c.right->title.isEmpty())
            right -= tfm.height() + 4;
    }
    g.plot = QRectF(QPointF(left, top), QPointF(std::max(left + 20, right), top + plotHeight));

    const QFontMetricsF bfm(labelFont());
    g.bottom = chartscale::bottomScale(*c.bottom, bottomData(c), g.plot.width(),
                                       [&bfm](const QString &text) { return bfm.horizontalAdvance(text); });
    return g;
}

void paint(QPainter &p, const Content &c, const Geometry &g)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    // White background with a single border.
    p.fillRect(g.outer.adjusted(-0.5, -0.5, 0.5, 0.5), Qt::white);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(g.outer);

    paintTitle(p, c, g);
    paintGrid(p, c, g);
    // Series, clipped to the plot: bars first, then lines over them.
    p.save();
    p.setClipRect(g.plot.adjusted(-1, -1, 1, 1));
    paintBars(p, c, g);
    paintLines(p, c, g);
    p.restore();
    paintMarks(p, c, g);
    paintAxes(p, g);
    paintAxisTitles(p, c, g);
    paintLegend(p, g);
    p.restore();
}

} // namespace verdeval::chartdrawing
