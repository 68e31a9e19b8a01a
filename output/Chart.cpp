#include "output/Chart.h"

#include "platform/core/NumberText.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

namespace verdeval {

// ---------------------------------------------------------------------------------------------
// Series

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

// ---------------------------------------------------------------------------------------------
// Scales

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

// Month abbreviation from the platform's Spanish calendar names, capitalised like the column
// headings of the screens ("Jun", "Sep").
QString monthAbbreviation(int month)
{
    QString n = QLocale(QLocale::Spanish).monthName(month, QLocale::ShortFormat);
    n.remove(QLatin1Char('.'));
    n = n.trimmed().left(3);
    if (!n.isEmpty())
        n[0] = n[0].toUpper();
    return n;
}

QString monthName(int month)
{
    QString n = QLocale(QLocale::Spanish).monthName(month, QLocale::LongFormat);
    if (!n.isEmpty())
        n[0] = n[0].toUpper();
    return n;
}

// A day count from 30 December 1899 in a date format of day (d, dd), month (m, mm, mmm, mmmm)
// and year (yy, yyyy) tokens, any case; other characters stand as they are.
QString formatDate(double x, const QString &format)
{
    const QDate date = QDate(1899, 12, 30).addDays(qint64(std::floor(x)));
    const QString f = format.toLower();
    QString out;
    for (int i = 0; i < f.size();) {
        const QChar c = f.at(i);
        int run = 1;
        while (i + run < f.size() && f.at(i + run) == c)
            ++run;
        if (c == QLatin1Char('d')) {
            out += run >= 2 ? QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0')) : QString::number(date.day());
        } else if (c == QLatin1Char('m')) {
            if (run >= 4)
                out += monthName(date.month());
            else if (run == 3)
                out += monthAbbreviation(date.month());
            else
                out += run == 2 ? QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'))
                                : QString::number(date.month());
        } else if (c == QLatin1Char('y')) {
            out += run >= 4 ? QString::number(date.year()) : QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'));
        } else {
            out += format.mid(i, run);
        }
        i += run;
    }
    return out;
}

// A label of a value axis: the tick value with as many decimals as the step needs.
QString tickText(double v, double step)
{
    if (std::fabs(v) < step * 1e-9)
        v = 0;
    int decimals = 0;
    while (decimals < 6) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::fabs(scaled - std::round(scaled)) < 1e-6 * std::max(1.0, std::fabs(scaled)))
            break;
        ++decimals;
    }
    return floatToStr(QString::number(v, 'f', decimals).toDouble());
}

// The smallest of 1, 2 and 5 times a power of ten, times the base step, that is at least raw.
double niceStep(double raw, double base)
{
    if (!(raw > 0) || !std::isfinite(raw))
        return base > 0 ? base : 1;
    if (base > 0 && base >= raw)
        return base;
    const double unit = base > 0 ? base : 1;
    const double q = raw / unit;
    double magnitude = std::pow(10.0, std::floor(std::log10(q)));
    for (int guard = 0; guard < 40; ++guard) {
        for (double m : {1.0, 2.0, 5.0})
            if (m * magnitude * unit >= raw * (1 - 1e-12))
                return m * magnitude * unit;
        magnitude *= 10;
    }
    return raw;
}

struct Tick {
    double value;
    QString text;
};

// A vertical value axis resolved for one drawing.
struct ValueScale {
    double lo = 0;
    double hi = 1;
    double step = 1;
    std::vector<Tick> ticks;
    double labelWidth = 0;
    bool shown = false;
};

void endsOf(const ChartAxis &a, bool *autoMin, bool *autoMax)
{
    if (a.automatic) {
        *autoMin = *autoMax = true;
    } else if (a.automaticMinimum && a.automaticMaximum) {
        *autoMin = *autoMax = false;
    } else {
        *autoMin = a.automaticMinimum;
        *autoMax = a.automaticMaximum;
    }
}

ValueScale valueScale(const ChartAxis &a, const std::vector<std::unique_ptr<ChartSeries>> &series,
                      ChartSeries::Axis which, double length)
{
    ValueScale s;
    double dataLo = 0, dataHi = 0;
    bool any = false, bars = false;
    for (const auto &ser : series) {
        if (ser->axis() != which)
            continue;
        bars = bars || ser->kind() == ChartSeries::Kind::Bar;
        for (const auto &p : ser->points()) {
            if (!finite(p))
                continue;
            dataLo = any ? std::min(dataLo, p.y) : p.y;
            dataHi = any ? std::max(dataHi, p.y) : p.y;
            any = true;
        }
    }
    if (bars) {
        dataLo = any ? std::min(dataLo, 0.0) : 0;
        dataHi = any ? std::max(dataHi, 0.0) : 0;
        any = true;
    }
    bool autoMin, autoMax;
    endsOf(a, &autoMin, &autoMax);
    double lo = autoMin ? (any ? dataLo : 0) : a.minimum;
    double hi = autoMax ? (any ? dataHi : lo) : a.maximum;
    if (!std::isfinite(lo))
        lo = 0;
    if (!std::isfinite(hi))
        hi = lo;
    if (hi < lo) {
        if (autoMax)
            hi = lo;
        else if (autoMin)
            lo = hi;
        else
            std::swap(lo, hi);
    }
    if (hi == lo) {
        const double pad = std::max(1.0, std::fabs(lo) * 0.1);
        if (autoMax)
            hi = lo + pad;
        else if (autoMin)
            lo = hi - pad;
        else
            hi = lo + pad;
    }
    const double labelPitch = QFontMetricsF(labelFont()).height() * 1.6;
    const double maxLabels = std::max(2.0, std::floor(length / labelPitch));
    s.step = niceStep((hi - lo) / maxLabels, a.increment);
    if (autoMin)
        lo = std::floor(lo / s.step + 1e-9) * s.step;
    if (autoMax)
        hi = std::ceil(hi / s.step - 1e-9) * s.step;
    if (hi <= lo)
        hi = lo + s.step;
    s.lo = lo;
    s.hi = hi;
    const double first = std::ceil(lo / s.step - 1e-9) * s.step;
    const QFontMetricsF fm(labelFont());
    for (int i = 0; i < 1000; ++i) {
        const double v = first + i * s.step;
        if (v > hi + s.step * 1e-9)
            break;
        Tick t{v, tickText(v, s.step)};
        s.labelWidth = std::max(s.labelWidth, fm.horizontalAdvance(t.text));
        s.ticks.push_back(t);
    }
    return s;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Chart

struct Chart::Impl {
    Legend legend = Legend::Below;
    QColor gridColor = QColor(0xC8, 0xC8, 0xC8);
    int gridWidth = 1;
    bool gridCustom = false;
    QColor titleColor = Qt::black;
    bool titleVisible = true;
};

// Everything a drawing of one size needs, computed once and shared by painting and the
// queries the tests make.
struct Chart::Geometry {
    enum class Bottom { Slots, Dates, Values };
    QRectF outer;
    QRectF plot;
    QRectF titleRect;
    QRectF legendRect;
    Bottom bottomKind = Bottom::Values;
    double xLo = 0;
    double xHi = 1;
    std::vector<Tick> xTicks;      // Slots: one per slot (value = slot X)
    ValueScale left;
    ValueScale right;
    double slotPixels = 0;         // the width of one slot, for bars

    double px(double x) const
    {
        if (bottomKind == Bottom::Slots) {
            const double w = plot.width() / (xHi - xLo + 1);
            return plot.left() + (x - xLo + 0.5) * w;
        }
        return plot.left() + (x - xLo) / (xHi - xLo) * plot.width();
    }
    double py(const ValueScale &s, double y) const { return plot.bottom() - (y - s.lo) / (s.hi - s.lo) * plot.height(); }
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
    d->titleVisible = visible;
    seriesChanged();
}

bool Chart::titleVisible() const { return d->titleVisible; }

void Chart::setTitleColor(const QColor &color)
{
    d->titleColor = color;
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
    d->legend = where;
    seriesChanged();
}

void Chart::setHorizontalGrid(const QColor &color, int width)
{
    d->gridColor = color;
    d->gridWidth = width;
    d->gridCustom = true;
    seriesChanged();
}

void Chart::seriesChanged() { update(); }
void Chart::refresh() { update(); }

void Chart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paint(p, QRectF(rect()));
}

void Chart::render(QPainter *painter, const QRectF &target)
{
    if (painter)
        paint(*painter, target);
}

QSizeF Chart::effectiveSize(const QSizeF &size) const
{
    if (!size.isEmpty())
        return size;
    if (width() >= 200 && height() >= 150)
        return QSizeF(this->size());
    return QSizeF(640, 360);
}

namespace {

struct LegendEntry {
    const ChartSeries *series;
    double width;
};

constexpr double kSample = 32;   // legend sample line length
constexpr double kGap = 6;

} // namespace

Chart::Geometry Chart::layout(const QRectF &target) const
{
    Geometry g;
    g.outer = target.adjusted(0.5, 0.5, -0.5, -0.5);
    QRectF inner = g.outer.adjusted(10, 6, -12, -6);

    // Title lines, centred above the plot.
    if (d->titleVisible && !m_titleLines.isEmpty()) {
        const double h = QFontMetricsF(titleFont()).height() * m_titleLines.size();
        g.titleRect = QRectF(inner.left(), inner.top(), inner.width(), h);
        inner.setTop(inner.top() + h + kGap);
    }

    // Legend.
    const QFontMetricsF lfm(legendFont());
    std::vector<LegendEntry> entries;
    for (const auto &s : m_series)
        entries.push_back({s.get(), kSample + 5 + lfm.horizontalAdvance(s->title())});
    if (d->legend != Legend::Hidden && !entries.empty()) {
        const double rowHeight = lfm.height() + 4;
        if (d->legend == Legend::Below) {
            int rows = 1;
            double line = 0;
            for (const auto &e : entries) {
                if (line > 0 && line + 18 + e.width > inner.width() - 12) {
                    ++rows;
                    line = 0;
                }
                line += (line > 0 ? 18 : 0) + e.width;
            }
            const double h = rows * rowHeight + 6;
            g.legendRect = QRectF(inner.left(), inner.bottom() - h, inner.width(), h);
            inner.setBottom(inner.bottom() - h - kGap);
        } else {
            double w = 0;
            for (const auto &e : entries)
                w = std::max(w, e.width);
            w += 14;
            g.legendRect = QRectF(inner.right() - w, inner.top(), w, entries.size() * rowHeight + 8);
            inner.setRight(inner.right() - w - kGap * 2);
        }
    }

    // Bottom axis: its labels and title take a fixed height.
    const QFontMetricsF fm(labelFont());
    const QFontMetricsF tfm(axisTitleFont());
    double bottomSpace = fm.height() + 6;
    if (!m_bottom.title.isEmpty())
        bottomSpace += tfm.height() + 2;
    double top = inner.top() + fm.height() / 2;
    const double plotBottom = inner.bottom() - bottomSpace;
    const double plotHeight = std::max(20.0, plotBottom - top);

    // Vertical axes, now that the plot's height is known.
    g.left = valueScale(m_left, m_series, ChartSeries::Axis::Left, plotHeight);
    g.left.shown = true;
    bool rightUsed = m_right.visible;
    for (const auto &s : m_series)
        rightUsed = rightUsed || s->axis() == ChartSeries::Axis::Right;
    if (rightUsed) {
        g.right = valueScale(m_right, m_series, ChartSeries::Axis::Right, plotHeight);
        g.right.shown = true;
    }
    double left = inner.left() + g.left.labelWidth + 8;
    if (!m_left.title.isEmpty())
        left += tfm.height() + 4;
    double right = inner.right();
    if (g.right.shown) {
        right -= g.right.labelWidth + 8;
        if (!m_right.title.isEmpty())
            right -= tfm.height() + 4;
    }
    g.plot = QRectF(QPointF(left, top), QPointF(std::max(left + 20, right), top + plotHeight));

    // Bottom axis kind and range.
    bool anyDate = false, anyLabel = false, anyPoint = false;
    double lo = 0, hi = 0;
    for (const auto &s : m_series) {
        anyDate = anyDate || s->isDateTime();
        for (const auto &p : s->points()) {
            if (!finite(p))
                continue;
            anyLabel = anyLabel || !p.label.isEmpty();
            lo = anyPoint ? std::min(lo, p.x) : p.x;
            hi = anyPoint ? std::max(hi, p.x) : p.x;
            anyPoint = true;
        }
    }
    if (m_bottom.labels == ChartAxis::Labels::Text
        || (m_bottom.labels == ChartAxis::Labels::Values && !anyDate && anyLabel))
        g.bottomKind = Geometry::Bottom::Slots;
    else if (m_bottom.labels == ChartAxis::Labels::DateTime || anyDate)
        g.bottomKind = Geometry::Bottom::Dates;
    else
        g.bottomKind = Geometry::Bottom::Values;

    bool autoMin, autoMax;
    endsOf(m_bottom, &autoMin, &autoMax);
    if (g.bottomKind == Geometry::Bottom::Slots && !anyPoint) {
        lo = 0;
        hi = 11;
    }
    g.xLo = autoMin ? (anyPoint || g.bottomKind == Geometry::Bottom::Slots ? lo : 0) : m_bottom.minimum;
    g.xHi = autoMax ? (anyPoint || g.bottomKind == Geometry::Bottom::Slots ? hi : 1) : m_bottom.maximum;
    if (g.bottomKind == Geometry::Bottom::Slots) {
        g.xLo = std::round(g.xLo);
        g.xHi = std::max(g.xLo, std::round(g.xHi));
    } else if (g.xHi <= g.xLo) {
        g.xHi = g.xLo + 1;
    }

    // Bars stand in slots: the width of one slot is the closest spacing of their points.
    bool anyBars = false;
    double spacing = std::numeric_limits<double>::infinity();
    for (const auto &s : m_series) {
        if (s->kind() != ChartSeries::Kind::Bar)
            continue;
        anyBars = true;
        std::vector<double> xs;
        for (const auto &p : s->points())
            if (finite(p))
                xs.push_back(p.x);
        std::sort(xs.begin(), xs.end());
        for (size_t i = 1; i < xs.size(); ++i)
            if (xs[i] - xs[i - 1] > 0)
                spacing = std::min(spacing, xs[i] - xs[i - 1]);
    }
    if (g.bottomKind == Geometry::Bottom::Values && anyBars && autoMin && autoMax) {
        const double half = std::isfinite(spacing) ? spacing / 2 : 0.5;
        g.xLo -= half;
        g.xHi += half;
    }

    // Bottom ticks.
    const QFontMetricsF bfm(labelFont());
    if (g.bottomKind == Geometry::Bottom::Slots) {
        const int n = int(g.xHi - g.xLo) + 1;
        g.slotPixels = g.plot.width() / n;
        for (int k = 0; k < n; ++k) {
            const double x = g.xLo + k;
            QString text;
            for (const auto &s : m_series) {
                for (const auto &p : s->points())
                    if (p.x == x && !p.label.isEmpty()) {
                        text = p.label;
                        break;
                    }
                if (!text.isEmpty())
                    break;
            }
            g.xTicks.push_back({x, text});
        }
    } else if (g.bottomKind == Geometry::Bottom::Dates) {
        g.slotPixels = std::isfinite(spacing) ? spacing / (g.xHi - g.xLo) * g.plot.width() : g.plot.width() / 12;
        if (anyPoint || !autoMin || !autoMax) {
            const double widest = bfm.horizontalAdvance(formatDate(g.xLo + 40, m_bottom.dateFormat)) + 8;
            double step = m_bottom.increment > 0 ? m_bottom.increment : 30;
            while ((g.xHi - g.xLo) / step * widest > g.plot.width() && step < 1e6)
                step *= 2;
            for (int i = 0; i < 2000; ++i) {
                const double x = g.xLo + i * step;
                if (x > g.xHi + 1e-9)
                    break;
                g.xTicks.push_back({x, formatDate(x, m_bottom.dateFormat)});
            }
        }
    } else {
        g.slotPixels = std::isfinite(spacing) ? spacing / (g.xHi - g.xLo) * g.plot.width() : g.plot.width() / 12;
        double widest = 0;
        for (double v : {g.xLo, g.xHi})
            widest = std::max(widest, bfm.horizontalAdvance(floatToStr(v)) + 12);
        const double maxLabels = std::max(2.0, std::floor(g.plot.width() / std::max(widest, 30.0)));
        const double step = niceStep((g.xHi - g.xLo) / maxLabels, m_bottom.increment);
        const double first = std::ceil(g.xLo / step - 1e-9) * step;
        for (int i = 0; i < 1000; ++i) {
            const double x = first + i * step;
            if (x > g.xHi + step * 1e-9)
                break;
            g.xTicks.push_back({x, tickText(x, step)});
        }
    }
    return g;
}

QRectF Chart::plotArea(const QSizeF &size) const
{
    return layout(QRectF(QPointF(0, 0), effectiveSize(size))).plot;
}

QStringList Chart::axisLabels(AxisId axis, const QSizeF &size) const
{
    const Geometry g = layout(QRectF(QPointF(0, 0), effectiveSize(size)));
    QStringList out;
    const std::vector<Tick> *ticks = axis == AxisId::Bottom ? &g.xTicks
                                   : axis == AxisId::Left ? &g.left.ticks : &g.right.ticks;
    for (const Tick &t : *ticks)
        out << t.text;
    return out;
}

QList<QPointF> Chart::drawnPoints(const ChartSeries *series, const QSizeF &size) const
{
    QList<QPointF> out;
    if (!series)
        return out;
    const Geometry g = layout(QRectF(QPointF(0, 0), effectiveSize(size)));
    const ValueScale &scale = series->axis() == ChartSeries::Axis::Right && g.right.shown ? g.right : g.left;
    for (const auto &p : series->points())
        if (finite(p))
            out << QPointF(g.px(p.x), g.py(scale, p.y));
    return out;
}

void Chart::paint(QPainter &p, const QRectF &target) const
{
    const Geometry g = layout(target);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    // White background with a single border.
    p.fillRect(target, Qt::white);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(g.outer);

    // Title.
    if (!g.titleRect.isEmpty()) {
        p.setFont(titleFont());
        p.setPen(d->titleColor);
        p.drawText(g.titleRect, Qt::AlignHCenter | Qt::AlignTop, m_titleLines.join(QLatin1Char('\n')));
    }

    // Grid: horizontal through the left axis labels, vertical through the bottom labels (or
    // between the slots).
    QPen grid(d->gridColor, d->gridWidth, d->gridCustom ? Qt::SolidLine : Qt::DotLine);
    grid.setCosmetic(false);
    p.setPen(grid);
    for (const Tick &t : g.left.ticks) {
        const double y = g.py(g.left, t.value);
        p.drawLine(QPointF(g.plot.left(), y), QPointF(g.plot.right(), y));
    }
    p.setPen(QPen(QColor(0xC8, 0xC8, 0xC8), 1, Qt::DotLine));
    for (const Tick &t : g.xTicks) {
        double x = g.px(t.value);
        if (g.bottomKind == Geometry::Bottom::Slots && m_bottom.gridBetweenLabels)
            x += g.slotPixels / 2;
        if (x > g.plot.left() + 0.5 && x < g.plot.right() - 0.5)
            p.drawLine(QPointF(x, g.plot.top()), QPointF(x, g.plot.bottom()));
    }

    // Series, clipped to the plot: bars first, side by side within their slot, then lines.
    p.save();
    p.setClipRect(g.plot.adjusted(-1, -1, 1, 1));
    int barSeries = 0;
    for (const auto &s : m_series)
        barSeries += s->kind() == ChartSeries::Kind::Bar ? 1 : 0;
    int barIndex = 0;
    for (const auto &s : m_series) {
        if (s->kind() != ChartSeries::Kind::Bar)
            continue;
        const ValueScale &scale = s->axis() == ChartSeries::Axis::Right && g.right.shown ? g.right : g.left;
        const double share = g.slotPixels / barSeries;
        const double w = share * s->barWidthPercent() / 100.0;
        const double offset = -g.slotPixels / 2 + share * (barIndex + 0.5);
        const double base = g.py(scale, std::clamp(0.0, scale.lo, scale.hi));
        p.setPen(QPen(s->color().darker(140), 0.8));
        p.setBrush(s->color());
        for (const auto &pt : s->points()) {
            if (!finite(pt))
                continue;
            const double x = g.px(pt.x) + offset;
            const double y = g.py(scale, pt.y);
            p.drawRect(QRectF(QPointF(x - w / 2, std::min(y, base)), QPointF(x + w / 2, std::max(y, base))));
        }
        ++barIndex;
    }
    for (const auto &s : m_series) {
        if (s->kind() != ChartSeries::Kind::Line)
            continue;
        const ValueScale &scale = s->axis() == ChartSeries::Axis::Right && g.right.shown ? g.right : g.left;
        QPen pen(s->color(), s->width(), s->penStyle(), Qt::FlatCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        QPainterPath path;
        bool open = false;
        for (const auto &pt : s->points()) {
            if (!finite(pt)) {
                open = false;
                continue;
            }
            const QPointF q(g.px(pt.x), g.py(scale, pt.y));
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
                if (finite(pt))
                    p.drawRect(QRectF(g.px(pt.x) - m / 2, g.py(scale, pt.y) - m / 2, m, m));
        }
    }
    p.restore();

    // Value marks, in small boxes above their points.
    p.setFont(markFont());
    const QFontMetricsF mfm(markFont());
    for (const auto &s : m_series) {
        if (!s->marksVisible())
            continue;
        const ValueScale &scale = s->axis() == ChartSeries::Axis::Right && g.right.shown ? g.right : g.left;
        for (const auto &pt : s->points()) {
            if (!finite(pt))
                continue;
            const QString text = floatToStr(std::round(pt.y * 1000) / 1000);
            const double w = mfm.horizontalAdvance(text) + 6;
            const double h = mfm.height() + 2;
            const QPointF q(g.px(pt.x), g.py(scale, pt.y));
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

    // Axes and their labels.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(g.plot.bottomLeft(), g.plot.bottomRight());
    p.drawLine(g.plot.topLeft(), g.plot.bottomLeft());
    if (g.right.shown)
        p.drawLine(g.plot.topRight(), g.plot.bottomRight());
    p.setFont(labelFont());
    const QFontMetricsF fm(labelFont());
    for (const Tick &t : g.left.ticks) {
        const double y = g.py(g.left, t.value);
        p.drawLine(QPointF(g.plot.left() - 4, y), QPointF(g.plot.left(), y));
        p.drawText(QRectF(g.plot.left() - 8 - g.left.labelWidth - 40, y - fm.height() / 2, g.left.labelWidth + 40,
                          fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, t.text);
    }
    for (const Tick &t : g.right.ticks) {
        const double y = g.py(g.right, t.value);
        p.drawLine(QPointF(g.plot.right(), y), QPointF(g.plot.right() + 4, y));
        p.drawText(QRectF(g.plot.right() + 8, y - fm.height() / 2, g.right.labelWidth + 40, fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, t.text);
    }
    for (const Tick &t : g.xTicks) {
        const double x = g.px(t.value);
        p.drawLine(QPointF(x, g.plot.bottom()), QPointF(x, g.plot.bottom() + 4));
        const double w = std::max(fm.horizontalAdvance(t.text) + 4, g.slotPixels);
        p.drawText(QRectF(x - w / 2, g.plot.bottom() + 5, w, fm.height()), Qt::AlignHCenter | Qt::AlignTop, t.text);
    }

    // Axis titles.
    p.setFont(axisTitleFont());
    const QFontMetricsF tfm(axisTitleFont());
    if (!m_bottom.title.isEmpty())
        p.drawText(QRectF(g.plot.left(), g.plot.bottom() + 5 + fm.height() + 2, g.plot.width(), tfm.height()),
                   Qt::AlignHCenter | Qt::AlignTop, m_bottom.title);
    if (!m_left.title.isEmpty()) {
        p.save();
        p.translate(g.plot.left() - 8 - g.left.labelWidth - 4 - tfm.height() / 2, g.plot.center().y());
        p.rotate(-90);
        p.drawText(QRectF(-g.plot.height() / 2 - 40, -tfm.height() / 2, g.plot.height() + 80, tfm.height()),
                   Qt::AlignCenter, m_left.title);
        p.restore();
    }
    if (g.right.shown && !m_right.title.isEmpty()) {
        p.save();
        p.translate(g.plot.right() + 8 + g.right.labelWidth + 4 + tfm.height() / 2, g.plot.center().y());
        p.rotate(90);
        p.drawText(QRectF(-g.plot.height() / 2 - 40, -tfm.height() / 2, g.plot.height() + 80, tfm.height()),
                   Qt::AlignCenter, m_right.title);
        p.restore();
    }

    // Legend: a sample of each series' line or bar and its title, plain text.
    if (!g.legendRect.isEmpty()) {
        p.setFont(legendFont());
        const QFontMetricsF lfm(legendFont());
        const double rowHeight = lfm.height() + 4;
        std::vector<std::vector<const ChartSeries *>> rows(1);
        if (d->legend == Legend::Below) {
            double line = 0;
            for (const auto &s : m_series) {
                const double w = kSample + 5 + lfm.horizontalAdvance(s->title());
                if (line > 0 && line + 18 + w > g.legendRect.width() - 12) {
                    rows.emplace_back();
                    line = 0;
                }
                line += (line > 0 ? 18 : 0) + w;
                rows.back().push_back(s.get());
            }
        }
        auto drawEntry = [&](const ChartSeries *s, double x, double yMid) {
            if (s->kind() == ChartSeries::Kind::Bar) {
                p.setPen(QPen(s->color().darker(140), 0.8));
                p.setBrush(s->color());
                p.drawRect(QRectF(x + kSample / 2 - 6, yMid - 5, 12, 10));
            } else {
                p.setPen(QPen(s->color(), std::min(s->width(), 4), s->penStyle(), Qt::FlatCap));
                p.drawLine(QPointF(x, yMid), QPointF(x + kSample, yMid));
                if (s->pointMarkers()) {
                    p.setPen(QPen(s->color().darker(160), 0.8));
                    p.setBrush(s->color());
                    p.drawRect(QRectF(x + kSample / 2 - 3, yMid - 3, 6, 6));
                }
            }
            p.setBrush(Qt::NoBrush);
            p.setPen(Qt::black);
            p.drawText(QRectF(x + kSample + 5, yMid - lfm.height() / 2, lfm.horizontalAdvance(s->title()) + 4,
                              lfm.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, s->title());
        };
        if (d->legend == Legend::Below) {
            double widest = 0;
            for (const auto &row : rows) {
                double w = 0;
                for (const ChartSeries *s : row)
                    w += (w > 0 ? 18 : 0) + kSample + 5 + lfm.horizontalAdvance(s->title());
                widest = std::max(widest, w);
            }
            const QRectF frame(g.legendRect.center().x() - widest / 2 - 8, g.legendRect.top(), widest + 16,
                               g.legendRect.height());
            p.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawRect(frame);
            double y = frame.top() + 3 + rowHeight / 2;
            for (const auto &row : rows) {
                double w = 0;
                for (const ChartSeries *s : row)
                    w += (w > 0 ? 18 : 0) + kSample + 5 + lfm.horizontalAdvance(s->title());
                double x = frame.center().x() - w / 2;
                for (const ChartSeries *s : row) {
                    drawEntry(s, x, y);
                    x += kSample + 5 + lfm.horizontalAdvance(s->title()) + 18;
                }
                y += rowHeight;
            }
        } else {
            p.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawRect(g.legendRect);
            double y = g.legendRect.top() + 4 + rowHeight / 2;
            for (const auto &s : m_series) {
                drawEntry(s.get(), g.legendRect.left() + 7, y);
                y += rowHeight;
            }
        }
    }
    p.restore();
}

} // namespace verdeval
