#include "output/Chart.h"

#include "output/ChartDrawing.h"

#include <QPainter>
#include <cmath>

namespace verdeval {

struct Chart::Impl {
    chartdrawing::Style style;
};

Chart::Chart(const QString &name, QWidget *parent) : QWidget(parent), d(std::make_unique<Impl>())
{
    setObjectName(name);
    setMinimumHeight(220);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_left.visible = true;
    m_bottom.visible = true;

}

Chart::~Chart() = default;

// ---------------------------------------------------------------------------------------------
// Settings and series

void Chart::titleClear()
{
    m_titleLines.clear();
    seriesChanged();
}

void Chart::titleAdd(const QString &line)
{
    m_titleLines << line;
    seriesChanged();
}

void Chart::setTitleVisible(bool visible)
{
    d->style.titleVisible = visible;
    seriesChanged();
}

bool Chart::titleVisible() const { return d->style.titleVisible; }

void Chart::setTitleColor(const QColor &color)
{
    d->style.titleColor = color;
    seriesChanged();
}

ChartSeries *Chart::addLine(const QString &name, const QString &title, const QColor &color, ChartSeries::Axis axis)
{
    m_series.push_back(std::make_unique<ChartSeries>(name, ChartSeries::Kind::Line, title, color, axis));
    m_series.back()->m_chart = this;
    seriesChanged();
    return m_series.back().get();
}

ChartSeries *Chart::addBars(const QString &name, const QString &title, const QColor &color, int widthPercent,
                            ChartSeries::Axis axis)
{
    m_series.push_back(std::make_unique<ChartSeries>(name, ChartSeries::Kind::Bar, title, color, axis));
    m_series.back()->m_chart = this;
    m_series.back()->setBarWidthPercent(widthPercent);
    seriesChanged();
    return m_series.back().get();
}

ChartSeries *Chart::series(const QString &name) const
{
    for (const auto &s : m_series)
        if (s->name().compare(name, Qt::CaseInsensitive) == 0)
            return s.get();
    return nullptr;
}

QList<ChartSeries *> Chart::allSeries() const
{
    QList<ChartSeries *> out;
    for (const auto &s : m_series)
        out << s.get();
    return out;
}

void Chart::setBottomAxisMonthSlots()
{
    m_bottom.setFixed(0, 11);
    m_bottom.labels = ChartAxis::Labels::Text;
    m_bottom.increment = 1;
    seriesChanged();
}

void Chart::setLegend(Legend where)
{
    d->style.legend = where;
    seriesChanged();
}

void Chart::setHorizontalGrid(const QColor &color, int width)
{
    d->style.gridColor = color;
    d->style.gridWidth = width;
    d->style.gridCustom = true;
    seriesChanged();
}

void Chart::seriesChanged() { update(); }
void Chart::refresh() { update(); }

// ---------------------------------------------------------------------------------------------
// Drawing

chartdrawing::Content Chart::content() const
{
    chartdrawing::Content c;
    c.titleLines = m_titleLines;
    for (const auto &s : m_series)
        c.series.push_back(s.get());
    c.bottom = &m_bottom;
    c.left = &m_left;
    c.right = &m_right;
    c.style = d->style;
    return c;
}

chartdrawing::Geometry Chart::layout(const QRectF &target) const
{
    return chartdrawing::layOut(content(), target);
}

void Chart::paint(QPainter &painter, const QRectF &target) const
{
    const chartdrawing::Content c = content();
    chartdrawing::paint(painter, c, chartdrawing::layOut(c, target));
}

void Chart::render(QPainter *painter, const QRectF &target)
{
    if (painter)
        paint(*painter, target);
}

void Chart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paint(p, QRectF(rect()));
}

QSizeF Chart::effectiveSize(const QSizeF &size) const
{
    if (!size.isEmpty())
        return size;
    if (width() >= 200 && height() >= 150)
        return QSizeF(this->size());
    return QSizeF(640, 360);
}

QRectF Chart::plotArea(const QSizeF &size) const
{
    return layout(QRectF(QPointF(0, 0), effectiveSize(size))).plot;
}

QStringList Chart::axisLabels(AxisId axis, const QSizeF &size) const
{
    const chartdrawing::Geometry g = layout(QRectF(QPointF(0, 0), effectiveSize(size)));
    const std::vector<chartscale::Tick> &ticks = axis == AxisId::Bottom ? g.bottom.ticks
                                               : axis == AxisId::Left   ? g.left.scale.ticks
                                                                        : g.right.scale.ticks;
    QStringList out;
    for (const chartscale::Tick &t : ticks)
        out << t.text;
    return out;
}

QList<QPointF> Chart::drawnPoints(const ChartSeries *series, const QSizeF &size) const
{
    QList<QPointF> out;
    if (!series)
        return out;
    const chartdrawing::Geometry g = layout(QRectF(QPointF(0, 0), effectiveSize(size)));
    for (const auto &p : series->points())
        if (std::isfinite(p.x) && std::isfinite(p.y))
            out << g.at(*series, p);
    return out;
}

} // namespace verdeval
