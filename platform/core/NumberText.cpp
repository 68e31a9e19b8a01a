#include "platform/core/NumberText.h"

#include "platform/core/Errors.h"
#include "platform/core/Messages.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace verdeval {

QString msg::notAValidFloat(const QString &text)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

namespace {

// Accepts blanks or tabs around one number: an optional sign, digits with an optional
// fraction (or a fraction alone), an optional exponent; "." is the only decimal separator.
// A scan by hand rather than a regular expression: every box of every calculation goes
// through here.
bool parse(const QString &text, double *out)
{
    const QChar *p = text.constData();
    const QChar *end = p + text.size();
    auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    auto digit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    while (p < end && blank(*p))
        ++p;
    while (end > p && blank(end[-1]))
        --end;
    char buf[64];
    int n = 0;
    auto take = [&](QChar c) {
        if (n >= int(sizeof buf) - 1)
            return false;
        buf[n++] = char(c.unicode());
        return true;
    };
    if (p < end && (*p == QLatin1Char('+') || *p == QLatin1Char('-'))) {
        if (*p == QLatin1Char('-') && !take(*p))
            return false;
        ++p;
    }
    int digits = 0;
    while (p < end && digit(*p)) {
        if (!take(*p++))
            return false;
        ++digits;
    }
    if (p < end && *p == QLatin1Char('.')) {
        if (!take(*p++))
            return false;
        while (p < end && digit(*p)) {
            if (!take(*p++))
                return false;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (p < end && (*p == QLatin1Char('e') || *p == QLatin1Char('E'))) {
        if (!take(QLatin1Char('e')))
            return false;
        ++p;
        if (p < end && (*p == QLatin1Char('+') || *p == QLatin1Char('-')))
            if (!take(*p++))
                return false;
        int exponentDigits = 0;
        while (p < end && digit(*p)) {
            if (!take(*p++))
                return false;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    if (p != end)
        return false;
    buf[n] = '\0';
    // from_chars reads "." whatever the locale of the process.
    double value = 0;
    const auto [last, error] = std::from_chars(buf, buf + n, value);
    if (error != std::errc() || last != buf + n || !std::isfinite(value))
        return false;
    *out = value;
    return true;
}

// The decimal digits of |value| rounded to 15 significant digits, and the decimal exponent
// of the first digit: value = 0.d1d2...d15 x 10^exp10.
void decimalDigits(double value, QByteArray *digits, int *exp10)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    // buf: d.dddddddddddddde[+-]XX
    QByteArray s(buf);
    const int e = s.indexOf('e');
    QByteArray mant = s.left(e);
    mant.remove(1, 1); // drop the point
    *digits = mant;
    *exp10 = s.mid(e + 1).toInt() + 1;
}

// Fixed notation without the decimal digits of the number: for magnitudes below a million
// (after scaling by the decimals) and away from a half, rounding the number itself gives the
// same digits as rounding its 15-digit decimal form, which differs from it by far less than
// the margin kept here. False when the long way must decide.
bool fixedQuick(double value, int decimals, QString *out)
{
    static constexpr double scales[] = {1, 10, 100, 1000};
    if (decimals > 3)
        return false;
    const double scaled = std::fabs(value) * scales[decimals];
    if (!(scaled < 1e6))
        return false;
    const double fraction = scaled - std::floor(scaled);
    if (std::fabs(fraction - 0.5) <= 1e-8)
        return false;
    const long long n = static_cast<long long>(std::floor(scaled + 0.5));
    // Written straight into a small buffer: sign, integer digits, point, decimals.
    char digits[24];
    const auto [last, error] = std::to_chars(digits, digits + sizeof digits, n);
    if (error != std::errc())
        return false;
    int count = int(last - digits);
    char buf[32];
    int k = 0;
    if (value < 0 && n != 0)
        buf[k++] = '-';
    const int intDigits = count > decimals ? count - decimals : 0;
    if (intDigits == 0)
        buf[k++] = '0';
    for (int i = 0; i < intDigits; ++i)
        buf[k++] = digits[i];
    if (decimals > 0) {
        buf[k++] = '.';
        for (int i = count; i < decimals; ++i)
            buf[k++] = '0';
        for (int i = intDigits; i < count; ++i)
            buf[k++] = digits[i];
    }
    *out = QString::fromLatin1(buf, k);
    return true;
}

} // namespace

double strToFloat(const QString &text) { return strToFloat(text, QString()); }

double strToFloat(const QString &text, const QString &field)
{
    double value = 0;
    if (!parse(text, &value))
        throw CalcError(msg::notAValidFloat(text), field);
    return value;
}

bool isFloatText(const QString &text)
{
    double value = 0;
    return parse(text, &value);
}

QString floatToStr(double value)
{
    if (!std::isfinite(value))
        return QString(); // never shown: the checked arithmetic rejects such values first
    if (value == 0)
        return QStringLiteral("0");
    {
        // The common case, at a fraction of the cost: 15 significant digits without trailing
        // zeros in plain notation, exactly as the digit expansion below writes it.
        char buf[32];
        const auto [last, error] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
        if (error == std::errc() && std::find(buf, last, 'e') == last)
            return QString::fromLatin1(buf, int(last - buf));
    }
    QByteArray digits;
    int exp10 = 0;
    decimalDigits(value, &digits, &exp10);
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    const int n = digits.size();
    if (exp10 > 15 || exp10 < -4) {
        // Scientific: d.ddE+x
        QString mant = QString::fromLatin1(digits.left(1));
        if (n > 1)
            mant += QLatin1Char('.') + QString::fromLatin1(digits.mid(1));
        const int e = exp10 - 1;
        return sign + mant + QLatin1Char('E') + (e < 0 ? QStringLiteral("-") : QString()) + QString::number(std::abs(e));
    }
    QString out;
    if (exp10 <= 0) {
        out = QStringLiteral("0.") + QString(-exp10, QLatin1Char('0')) + QString::fromLatin1(digits);
    } else if (exp10 >= n) {
        out = QString::fromLatin1(digits) + QString(exp10 - n, QLatin1Char('0'));
    } else {
        out = QString::fromLatin1(digits.left(exp10)) + QLatin1Char('.') + QString::fromLatin1(digits.mid(exp10));
    }
    return sign + out;
}

QString floatToStrF(double value, int decimals)
{
    if (!std::isfinite(value))
        return QString();
    if (decimals < 0)
        decimals = 0;
    QString quick;
    if (fixedQuick(value, decimals, &quick))
        return quick;
    QByteArray digits;
    int exp10 = 0;
    if (value == 0) {
        digits = "0";
        exp10 = 1;
    } else {
        decimalDigits(value, &digits, &exp10);
    }
    // Work on the integer made of the digits up to the wanted decimal: keep = exp10 + decimals.
    const int keep = exp10 + decimals;
    QByteArray kept;
    bool roundUp = false;
    if (keep < 0) {
        kept = "";
    } else if (keep >= digits.size()) {
        kept = digits + QByteArray(keep - digits.size(), '0');
    } else {
        kept = digits.left(keep);
        roundUp = digits.at(keep) >= '5';
    }
    // kept holds the digits of |value| x 10^decimals (possibly empty = 0).
    if (kept.isEmpty())
        kept = "0";
    if (roundUp) {
        int i = kept.size() - 1;
        while (i >= 0) {
            if (kept[i] == '9') {
                kept[i] = '0';
                --i;
            } else {
                kept[i] = char(kept[i] + 1);
                break;
            }
        }
        if (i < 0)
            kept.prepend('1');
    }
    // Left-pad so that there is at least one integer digit.
    if (kept.size() < decimals + 1)
        kept.prepend(QByteArray(decimals + 1 - kept.size(), '0'));
    QByteArray intPart = kept.left(kept.size() - decimals);
    while (intPart.size() > 1 && intPart.startsWith('0'))
        intPart.remove(0, 1);
    const QByteArray frac = kept.right(decimals);
    const QByteArray all = intPart + frac;
    const bool allZero = all.count('0') == all.size();
    QString out = QString::fromLatin1(intPart);
    if (decimals > 0)
        out += QLatin1Char('.') + QString::fromLatin1(frac);
    if (value < 0 && !allZero)
        out.prepend(QLatin1Char('-'));
    return out;
}

double roundHalfEven(double value)
{
    const double r = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return r;
}

} // namespace verdeval
