#include "output/Chart.h"

#include "platform/core/NumberText.h"

#include <QStringList>
#include <algorithm>

namespace verdeval {

ChartSeries::ChartSeries(const QString &name, Kind kind, const QString &title, const QColor &color, Axis axis)
    : m_name(name), m_kind(kind), m_title(title), m_color(color), m_axis(axis)
{
}

void ChartSeries::changed()
{
    if (m_chart)
        m_chart->seriesChanged();
}

void ChartSeries::setTitle(const QString &title) { m_title = title; changed(); }
void ChartSeries::setColor(const QColor &color) { m_color = color; changed(); }
void ChartSeries::setMarksVisible(bool visible) { m_marksVisible = visible; changed(); }
void ChartSeries::setDateTime(bool dateTime) { m_dateTime = dateTime; changed(); }

void ChartSeries::setPen(int width, Qt::PenStyle style)
{
    m_width = width;
    m_penStyle = style;
    changed();
}

void ChartSeries::setPointMarkers(bool on, qreal size)
{
    m_markers = on;
    m_markerSize = size;
    changed();
}

void ChartSeries::setBarWidthPercent(int percent)
{
    m_barPercent = std::clamp(percent, 1, 100);
    changed();
}

void ChartSeries::Clear()
{
    m_points.clear();
    changed();
}

void ChartSeries::AddXY(double x, double y, const QString &label)
{
    m_points.push_back({x, y, label});
    changed();
}

void ChartSeries::Add(double y, const QString &label)
{
    AddXY(double(m_points.size()), y, label);
}

QList<double> ChartSeries::yValues() const
{
    QList<double> out;
    for (const Point &p : m_points)
        out << p.y;
    return out;
}

QString ChartSeries::describe() const
{
    QStringList parts;
    for (const Point &p : m_points)
        parts << floatToStr(p.x) + QLatin1Char(':') + floatToStr(p.y);
    return parts.join(QLatin1Char(' '));
}

} // namespace verdeval
