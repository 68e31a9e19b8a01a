#include "output/Chart.h"

#include "platform/core/NumberText.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QHash>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace verdeval {

ChartSeries::ChartSeries(const QString &name, Kind kind, const QString &title, const QColor &color, Axis axis)
    : m_name(name), m_kind(kind), m_title(title), m_color(color), m_axis(axis)
{
}

void ChartSeries::Clear()
{
    m_points.clear();
    if (m_chart)
        m_chart->seriesChanged();
}

void ChartSeries::AddXY(double x, double y, const QString &label)
{
    m_points.push_back({x, y, label});
    if (m_chart)
        m_chart->seriesChanged();
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

struct Chart::Impl {
    QChart *chart = nullptr;
    QChartView *view = nullptr;
    Legend legend = Legend::Below;
    QColor gridColor;
    int gridWidth = 0;
    QColor titleColor = Qt::black;
    bool titleVisible = true;
};

Chart::Chart(const QString &name, QWidget *parent) : QWidget(parent), d(std::make_unique<Impl>())
{
    setObjectName(name);
    d->chart = new QChart();
    d->chart->setBackgroundBrush(Qt::white);
    d->chart->setAnimationOptions(QChart::NoAnimation);
    d->view = new QChartView(d->chart, this);
    d->view->setRenderHint(QPainter::Antialiasing);
    d->view->setFrameShape(QFrame::Box);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->view);
    setMinimumHeight(220);
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

void Chart::setTitleColor(const QColor &color)
{
    d->titleColor = color;
    seriesChanged();
}

ChartSeries *Chart::addLine(const QString &name, const QString &title, const QColor &color, ChartSeries::Axis axis)
{
    m_series.push_back(std::make_unique<ChartSeries>(name, ChartSeries::Kind::Line, title, color, axis));
    m_series.back()->m_chart = this;
    if (axis == ChartSeries::Axis::Right)
        m_right.visible = true;
    seriesChanged();
    return m_series.back().get();
}

ChartSeries *Chart::addBars(const QString &name, const QString &title, const QColor &color, int widthPercent,
                            ChartSeries::Axis axis)
{
    m_series.push_back(std::make_unique<ChartSeries>(name, ChartSeries::Kind::Bar, title, color, axis));
    m_series.back()->m_chart = this;
    m_series.back()->setBarWidthPercent(widthPercent);
    if (axis == ChartSeries::Axis::Right)
        m_right.visible = true;
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
    seriesChanged();
}

void Chart::seriesChanged()
{
    m_dirty = true;
    if (isVisible())
        refresh();
}

void Chart::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_dirty)
        refresh();
}

namespace {

QString spanishMonth(const QDate &date)
{
    static const QStringList names{"Ene", "Feb", "Mar", "Abr", "May", "Jun",
                                   "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"};
    QString n = QLocale(QLocale::Spanish, QLocale::Argentina).monthName(date.month(), QLocale::ShortFormat);
    n.remove(QLatin1Char('.'));
    if (n.isEmpty())
        return names.at(date.month() - 1);
    n = n.left(3);
    n[0] = n[0].toUpper();
    return n;
}

void range(const std::vector<std::unique_ptr<ChartSeries>> &series, ChartSeries::Axis axis, double *lo, double *hi,
           bool *any)
{
    *any = false;
    for (const auto &s : series) {
        if (s->axis() != axis)
            continue;
        for (const auto &p : s->points()) {
            if (!*any) {
                *lo = *hi = p.y;
                *any = true;
            }
            *lo = std::min(*lo, p.y);
            *hi = std::max(*hi, p.y);
        }
    }
}

void applyValueAxis(QValueAxis *axis, const ChartAxis &settings, double dataLo, double dataHi, bool any)
{
    double lo = settings.automaticMinimum ? (any ? dataLo : 0) : settings.minimum;
    double hi = settings.automaticMaximum ? (any ? dataHi : 1) : settings.maximum;
    if (!settings.automatic && !settings.automaticMinimum && !settings.automaticMaximum) {
        lo = settings.minimum;
        hi = settings.maximum;
    }
    if (settings.automaticMinimum && lo > 0 && !settings.automatic)
        lo = 0;
    if (hi <= lo)
        hi = lo + 1;
    axis->setRange(lo, hi);
    if (settings.automaticMaximum || settings.automaticMinimum)
        axis->applyNiceNumbers();
    if (!settings.automaticMinimum)
        axis->setMin(settings.minimum);
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setTitleText(settings.title);
}

} // namespace

void Chart::refresh()
{
    m_dirty = false;
    QChart *chart = d->chart;
    chart->removeAllSeries();
    const auto axes = chart->axes();
    for (QAbstractAxis *a : axes) {
        chart->removeAxis(a);
        delete a;
    }

    chart->setTitle(d->titleVisible ? m_titleLines.join(QLatin1Char('\n')) : QString());
    QFont tf = chart->titleFont();
    tf.setBold(true);
    tf.setPointSize(11);
    chart->setTitleFont(tf);
    chart->setTitleBrush(d->titleColor);

    chart->legend()->setVisible(d->legend != Legend::Hidden);
    chart->legend()->setAlignment(d->legend == Legend::Right ? Qt::AlignRight : Qt::AlignBottom);

    // Bottom axis.
    QAbstractAxis *bottom = nullptr;
    bool anyDate = false;
    for (const auto &s : m_series)
        anyDate = anyDate || s->isDateTime();
    if (m_bottom.labels == ChartAxis::Labels::Text) {
        auto *axis = new QBarCategoryAxis();
        QStringList categories;
        for (const auto &s : m_series)
            if (s->points().size() > size_t(categories.size())) {
                categories.clear();
                for (const auto &p : s->points())
                    categories << p.label;
            }
        if (categories.isEmpty())
            for (int k = 0; k < 12; ++k)
                categories << QString();
        axis->setCategories(categories);
        bottom = axis;
    } else if (anyDate || m_bottom.labels == ChartAxis::Labels::DateTime) {
        auto *axis = new QCategoryAxis();
        double lo = 0, hi = 0;
        bool first = true;
        for (const auto &s : m_series)
            for (const auto &p : s->points()) {
                lo = first ? p.x : std::min(lo, p.x);
                hi = first ? p.x : std::max(hi, p.x);
                first = false;
            }
        if (first) {
            lo = 166;
            hi = 531;
        }
        axis->setRange(lo, hi);
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        const double step = m_bottom.increment > 0 ? m_bottom.increment : 30;
        const QDate origin(1899, 12, 30);
        // Category labels must be unique: a month met again (June at both ends of the year)
        // gets an invisible suffix.
        QHash<QString, int> seen;
        for (double x = lo; x <= hi + 1e-9; x += step) {
            const QString month = spanishMonth(origin.addDays(qint64(std::floor(x))));
            const int n = seen[month]++;
            axis->append(month + QString(n, QChar(0x200B)), x);
        }
        bottom = axis;
    } else {
        auto *axis = new QValueAxis();
        bottom = axis;
    }
    bottom->setTitleText(m_bottom.title);
    chart->addAxis(bottom, Qt::AlignBottom);

    double lo = 0, hi = 0;
    bool any = false;
    range(m_series, ChartSeries::Axis::Left, &lo, &hi, &any);
    auto *left = new QValueAxis();
    applyValueAxis(left, m_left, lo, hi, any);
    if (m_left.increment > 0 && !m_left.automatic && !m_left.automaticMaximum) {
        left->setTickType(QValueAxis::TicksDynamic);
        left->setTickAnchor(m_left.minimum);
        left->setTickInterval(m_left.increment);
    }
    if (d->gridWidth > 0) {
        QPen pen(d->gridColor);
        pen.setWidth(d->gridWidth);
        left->setGridLinePen(pen);
    }
    chart->addAxis(left, Qt::AlignLeft);

    QValueAxis *right = nullptr;
    if (m_right.visible) {
        range(m_series, ChartSeries::Axis::Right, &lo, &hi, &any);
        right = new QValueAxis();
        applyValueAxis(right, m_right, lo, hi, any);
        chart->addAxis(right, Qt::AlignRight);
    }

    for (const auto &s : m_series) {
        QValueAxis *vertical = s->axis() == ChartSeries::Axis::Right && right ? right : left;
        if (s->kind() == ChartSeries::Kind::Bar) {
            auto *bars = new QBarSeries();
            auto *set = new QBarSet(s->title());
            set->setColor(s->color());
            set->setBorderColor(s->color());
            for (const auto &p : s->points())
                *set << p.y;
            bars->append(set);
            bars->setBarWidth(s->barWidthPercent() / 100.0);
            chart->addSeries(bars);
            bars->attachAxis(bottom);
            bars->attachAxis(vertical);
        } else {
            auto *line = new QLineSeries();
            line->setName(s->title());
            QPen pen(s->color());
            pen.setWidth(s->width());
            pen.setStyle(s->penStyle());
            line->setPen(pen);
            line->setPointsVisible(s->pointMarkers());
            for (const auto &p : s->points())
                line->append(p.x, p.y);
            chart->addSeries(line);
            line->attachAxis(bottom);
            line->attachAxis(vertical);
        }
    }
}

void Chart::render(QPainter *painter, const QRectF &target)
{
    refresh();
    d->view->resize(target.size().toSize());
    d->chart->resize(target.size());
    d->view->render(painter, target);
}

} // namespace verdeval
