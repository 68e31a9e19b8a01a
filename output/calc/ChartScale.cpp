#include "output/calc/ChartScale.h"

#include "platform/core/NumberText.h"

#include <QDate>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace verdeval::chartscale {

double niceStep(double raw, double base)
{
    if (!(raw > 0) || !std::isfinite(raw))
        return base > 0 ? base : 1;
    if (base > 0 && base >= raw)
        return base;
    const double unit = base > 0 ? base : 1;
    double magnitude = std::pow(10.0, std::floor(std::log10(raw / unit)));
    for (int guard = 0; guard < 40; ++guard) {
        for (double m : {1.0, 2.0, 5.0})
            if (m * magnitude * unit >= raw * (1 - 1e-12))
                return m * magnitude * unit;
        magnitude *= 10;
    }
    return raw;
}

QString tickText(double value, double step)
{
    if (std::fabs(value) < step * 1e-9)
        value = 0;
    int decimals = 0;
    while (decimals < 6) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::fabs(scaled - std::round(scaled)) < 1e-6 * std::max(1.0, std::fabs(scaled)))
            break;
        ++decimals;
    }
    return floatToStr(QString::number(value, 'f', decimals).toDouble());
}

namespace {

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

QString monthAbbreviation(int month)
{
    // The Spanish short names carry a full stop in some locale data and "sept" for September.
    QString n = QLocale(QLocale::Spanish).monthName(month, QLocale::ShortFormat);
    n.remove(QLatin1Char('.'));
    return capitalised(n.trimmed().left(3));
}

QString monthName(int month)
{
    return capitalised(QLocale(QLocale::Spanish).monthName(month, QLocale::LongFormat));
}

QStringList chartYearMonths()
{
    QStringList out;
    for (int k = 0; k < 12; ++k)
        out << monthAbbreviation((k + 6) % 12 + 1);
    return out;
}

QString formatDate(double day, const QString &format)
{
    const QDate date = QDate(1899, 12, 30).addDays(qint64(std::floor(day)));
    const QString f = format.toLower();
    auto twoDigits = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    QString out;
    for (int i = 0; i < f.size();) {
        const QChar c = f.at(i);
        int run = 1;
        while (i + run < f.size() && f.at(i + run) == c)
            ++run;
        if (c == QLatin1Char('d'))
            out += run >= 2 ? twoDigits(date.day()) : QString::number(date.day());
        else if (c == QLatin1Char('m'))
            out += run >= 4   ? monthName(date.month())
                   : run == 3 ? monthAbbreviation(date.month())
                   : run == 2 ? twoDigits(date.month())
                              : QString::number(date.month());
        else if (c == QLatin1Char('y'))
            out += run >= 4 ? QString::number(date.year()) : twoDigits(date.year() % 100);
        else
            out += format.mid(i, run);
        i += run;
    }
    return out;
}

Ends endsOf(const ChartAxis &axis)
{
    if (axis.automatic)
        return {true, true};
    // Clearing `automatic` alone fixes both ends.
    if (axis.automaticMinimum && axis.automaticMaximum)
        return {false, false};
    return {axis.automaticMinimum, axis.automaticMaximum};
}

void Extent::add(double v)
{
    if (!std::isfinite(v))
        return;
    lo = any ? std::min(lo, v) : v;
    hi = any ? std::max(hi, v) : v;
    any = true;
}

ValueScale valueScale(const ChartAxis &axis, const Extent &values, bool bars, double maxLabels)
{
    Extent data = values;
    if (bars)
        data.add(0);
    const Ends ends = endsOf(axis);
    double lo = ends.automaticMinimum ? (data.any ? data.lo : 0) : axis.minimum;
    double hi = ends.automaticMaximum ? (data.any ? data.hi : lo) : axis.maximum;
    if (!std::isfinite(lo))
        lo = 0;
    if (!std::isfinite(hi))
        hi = lo;
    if (hi < lo) {
        if (ends.automaticMaximum)
            hi = lo;
        else if (ends.automaticMinimum)
            lo = hi;
        else
            std::swap(lo, hi);
    }
    // Nothing to spread over: the default span from the end that stays, labelled the same
    // way on a small screen chart and a tall report chart.
    const bool flat = hi == lo;
    if (flat) {
        const double span = std::max(emptySpan, std::fabs(lo) * 0.1);
        if (ends.automaticMaximum || !ends.automaticMinimum)
            hi = lo + span;
        else
            lo = hi - span;
    }
    ValueScale s;
    s.step = niceStep((hi - lo) / std::max(2.0, maxLabels), axis.increment);
    if (flat)
        s.step = std::max(s.step, niceStep((hi - lo) / emptySteps, axis.increment));
    if (ends.automaticMinimum)
        lo = std::floor(lo / s.step + 1e-9) * s.step;
    if (ends.automaticMaximum)
        hi = std::ceil(hi / s.step - 1e-9) * s.step;
    if (hi <= lo)
        hi = lo + s.step;
    s.lo = lo;
    s.hi = hi;
    const double first = std::ceil(lo / s.step - 1e-9) * s.step;
    for (int i = 0; i < 1000; ++i) {
        const double v = first + i * s.step;
        if (v > hi + s.step * 1e-9)
            break;
        s.ticks.push_back({v, tickText(v, s.step)});
    }
    return s;
}

void BottomData::addPoint(double x, double y, const QString &label)
{
    if (!std::isfinite(x))
        return;
    const bool drawn = std::isfinite(y);
    if (drawn)
        this->x.add(x);
    // A point without a value is not drawn, but its slot still reads its text.
    if (!label.isEmpty()) {
        labels.emplace_back(x, label);
        anyLabel = anyLabel || drawn;
    }
}

void BottomData::addBarSeries(std::vector<double> xs)
{
    anyBars = true;
    std::sort(xs.begin(), xs.end());
    for (size_t i = 1; i < xs.size(); ++i)
        if (xs[i] - xs[i - 1] > 0)
            barSpacing = std::min(barSpacing, xs[i] - xs[i - 1]);
}

double BottomScale::fraction(double x) const
{
    if (kind == BottomKind::Slots)
        return (x - lo + 0.5) / (hi - lo + 1);
    return (x - lo) / (hi - lo);
}

BottomKind bottomKind(const ChartAxis &axis, const BottomData &data)
{
    if (axis.labels == ChartAxis::Labels::Text
        || (axis.labels == ChartAxis::Labels::Values && !data.anyDate && data.anyLabel))
        return BottomKind::Slots;
    if (axis.labels == ChartAxis::Labels::DateTime || data.anyDate)
        return BottomKind::Dates;
    return BottomKind::Values;
}

namespace {

// The ends of the bottom axis, before any labels.
std::pair<double, double> bottomRange(const ChartAxis &axis, const BottomData &data, BottomKind kind)
{
    const Ends ends = endsOf(axis);
    double lo = data.x.lo, hi = data.x.hi;
    bool known = data.x.any;
    if (!known && kind == BottomKind::Slots) {
        lo = 0;
        hi = 11;
        known = true;
    } else if (!known && kind == BottomKind::Dates) {
        lo = emptyDateFirst;
        hi = emptyDateLast;
        known = true;
    }
    double first = ends.automaticMinimum ? (known ? lo : 0) : axis.minimum;
    double last = ends.automaticMaximum ? (known ? hi : 1) : axis.maximum;
    if (kind == BottomKind::Slots) {
        first = std::round(first);
        last = std::max(first, std::round(last));
    } else if (last <= first) {
        last = first + 1;
    }
    // Bars on a number axis stand in slots of their own spacing: half a slot more at each end.
    if (kind == BottomKind::Values && data.anyBars && ends.automaticMinimum && ends.automaticMaximum) {
        const double half = std::isfinite(data.barSpacing) ? data.barSpacing / 2 : 0.5;
        first -= half;
        last += half;
    }
    return {first, last};
}

// The text of the slot at x: the first point there that carries one. A chart of twelve slots
// whose points carry no text at all (an empty month chart) reads the months of its year.
QString slotText(const BottomData &data, double lo, int count, double x)
{
    for (const auto &[at, label] : data.labels)
        if (at == x)
            return label;
    const int k = int(std::lround(x - lo));
    if (!data.anyLabel && count == 12 && k >= 0 && k < 12 && x == lo + k)
        return chartYearMonths().at(k);
    return QString();
}

} // namespace

BottomScale bottomScale(const ChartAxis &axis, const BottomData &data, double length, const TextWidth &width)
{
    BottomScale s;
    s.kind = bottomKind(axis, data);
    std::tie(s.lo, s.hi) = bottomRange(axis, data, s.kind);
    const double spacingShare = std::isfinite(data.barSpacing) ? data.barSpacing / (s.hi - s.lo) : 1.0 / 12;

    if (s.kind == BottomKind::Slots) {
        const int n = int(s.hi - s.lo) + 1;
        s.slotFraction = 1.0 / n;
        for (int k = 0; k < n; ++k)
            s.ticks.push_back({s.lo + k, slotText(data, s.lo, n, s.lo + k)});
    } else if (s.kind == BottomKind::Dates) {
        s.slotFraction = spacingShare;
        // Labels every increment days (30 unless set) from the first date, every second or
        // fourth... one where the labels would overlap.
        const double widest = width(formatDate(s.lo + 40, axis.dateFormat)) + 8;
        double step = axis.increment > 0 ? axis.increment : 30;
        while ((s.hi - s.lo) / step * widest > length && step < 1e6)
            step *= 2;
        for (int i = 0; i < 2000; ++i) {
            const double x = s.lo + i * step;
            if (x > s.hi + 1e-9)
                break;
            s.ticks.push_back({x, formatDate(x, axis.dateFormat)});
        }
    } else {
        s.slotFraction = spacingShare;
        double widest = 0;
        for (double v : {s.lo, s.hi})
            widest = std::max(widest, width(floatToStr(v)) + 12);
        const double maxLabels = std::max(2.0, std::floor(length / std::max(widest, 30.0)));
        const double step = niceStep((s.hi - s.lo) / maxLabels, axis.increment);
        const double first = std::ceil(s.lo / step - 1e-9) * step;
        for (int i = 0; i < 1000; ++i) {
            const double x = first + i * step;
            if (x > s.hi + step * 1e-9)
                break;
            s.ticks.push_back({x, tickText(x, step)});
        }
    }
    return s;
}

QString bottomLabel(const ChartAxis &axis, const BottomData &data, double x)
{
    const BottomKind kind = bottomKind(axis, data);
    if (kind == BottomKind::Dates)
        return formatDate(x, axis.dateFormat);
    if (kind == BottomKind::Values)
        return floatToStr(x);
    const auto [lo, hi] = bottomRange(axis, data, kind);
    return slotText(data, lo, int(hi - lo) + 1, x);
}

} // namespace verdeval::chartscale
