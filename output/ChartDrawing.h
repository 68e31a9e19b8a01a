#pragma once

#include "output/Chart.h"
#include "output/calc/ChartScale.h"

#include <QRectF>
#include <QStringList>
#include <vector>

class QPainter;

// How a chart is laid out in a rectangle and painted there: the one drawing routine for the
// screen, the print preview, the printer, PDF files and saved images. Used by Chart only.
namespace verdeval::chartdrawing {

// The chart's looks beyond its axes and series.
struct Style {
    Chart::Legend legend = Chart::Legend::Below;
    QColor gridColor = QColor(0xC8, 0xC8, 0xC8);
    int gridWidth = 1;
    bool gridCustom = false;
    QColor titleColor = Qt::black;
    bool titleVisible = true;
};

// Everything a drawing is made from.
struct Content {
    QStringList titleLines;
    std::vector<const ChartSeries *> series;
    const ChartAxis *bottom = nullptr;
    const ChartAxis *left = nullptr;
    const ChartAxis *right = nullptr;
    Style style;
};

// The legend: a frame with one entry per series, a sample of its line or bar and its title.
struct LegendLayout {
    struct Entry {
        const ChartSeries *series;
        QPointF sample; // left end of the sample, at the middle of its row
    };
    QRectF frame;
    std::vector<Entry> entries;
};

// A vertical axis as drawn: its scale, the room its labels take, whether it shows at all.
struct VerticalAxis {
    chartscale::ValueScale scale;
    double labelWidth = 0;
    bool shown = false;
};

// Where everything goes in a drawing of one size.
struct Geometry {
    QRectF outer;
    QRectF plot;
    QRectF titleRect;
    bool hasLegend = false;
    LegendLayout legend;
    chartscale::BottomScale bottom;
    VerticalAxis left;
    VerticalAxis right;

    // The axis a series is drawn against.
    const chartscale::ValueScale &scaleOf(const ChartSeries &series) const
    {
        return series.axis() == ChartSeries::Axis::Right && right.shown ? right.scale : left.scale;
    }
    double px(double x) const { return plot.left() + bottom.fraction(x) * plot.width(); }
    double py(const chartscale::ValueScale &s, double y) const { return plot.bottom() - s.fraction(y) * plot.height(); }
    QPointF at(const ChartSeries &series, const ChartSeries::Point &p) const
    {
        return QPointF(px(p.x), py(scaleOf(series), p.y));
    }
    // The width of one slot, where bars stand side by side.
    double slotPixels() const { return bottom.slotFraction * plot.width(); }
};

// The X values of every series, for the bottom axis.
chartscale::BottomData bottomData(const Content &content);
Geometry layOut(const Content &content, const QRectF &target);
void paint(QPainter &painter, const Content &content, const Geometry &geometry);

} // namespace verdeval::chartdrawing
