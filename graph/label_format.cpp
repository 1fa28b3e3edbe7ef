#include "graph/label_format.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <cstdlib>

namespace {

struct Conversion
{
    bool leftAlign = false;
    int width = 0;
    int precision = -1;
    char type = 'g';
};

// The digits of a value with '.' as the separator, exactly rounded and
// whatever locale the C library was given: the user's decimal separator is
// put in afterwards, in one place. (printf would write the separator of the
// process locale, which Qt sets from the user's.)
QString CharsOf(double v, std::chars_format format, int precision)
{
    char buf[400];
    const std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, v, format, precision);
    return r.ec == std::errc() ? QString::fromLatin1(buf, r.ptr - buf) : QString();
}

// "%.*e" split into its digits and its decimal exponent.
struct Scientific
{
    QString mantissa; // digits with '.' as the separator
    int exponent = 0;
};

Scientific ToScientific(double v, int digitsAfterPoint)
{
    const QString s = CharsOf(v, std::chars_format::scientific, digitsAfterPoint);
    const qsizetype e = s.indexOf(QLatin1Char('e'));
    return {s.left(e), s.mid(e + 1).toInt()};
}

QString ExponentText(int exponent)
{
    const QString digits = QString::number(std::abs(exponent)).rightJustified(3, QLatin1Char('0'));
    return QStringLiteral("E") + (exponent < 0 ? QLatin1Char('-') : QLatin1Char('+')) + digits;
}

QString TrimFractionZeros(QString s)
{
    if (!s.contains(QLatin1Char('.')))
        return s;
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s;
}

QString Fixed(double v, int decimals)
{
    return CharsOf(v, std::chars_format::fixed, decimals);
}

QString GroupDigits(const QString &fixed, const QString &group)
{
    const bool negative = fixed.startsWith(QLatin1Char('-'));
    const qsizetype point = fixed.indexOf(QLatin1Char('.'));
    QString intPart = fixed.mid(negative ? 1 : 0, (point < 0 ? fixed.size() : point) - (negative ? 1 : 0));
    for (qsizetype i = intPart.size() - 3; i > 0; i -= 3)
        intPart.insert(i, group);
    return (negative ? QStringLiteral("-") : QString()) + intPart + (point < 0 ? QString() : fixed.mid(point));
}

QString Convert(double v, const Conversion &c, const QLocale &locale)
{
    if (std::isnan(v))
        return QStringLiteral("NAN");
    if (std::isinf(v))
        return v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    QString text;
    switch (c.type) {
    case 'e': {
        const int p = c.precision < 0 ? 15 : std::clamp(c.precision, 1, 17);
        const Scientific sci = ToScientific(v, p - 1);
        text = sci.mantissa + ExponentText(sci.exponent);
        break;
    }
    case 'f':
    case 'n':
        text = Fixed(v, c.precision < 0 ? 2 : std::min(c.precision, 18));
        if (c.type == 'n')
            text = GroupDigits(text, QStringLiteral("\x01"));
        break;
    default: {
        const int p = c.precision < 0 ? 15 : std::clamp(c.precision, 1, 17);
        if (v == 0) {
            text = QStringLiteral("0");
            break;
        }
        const Scientific sci = ToScientific(v, p - 1);
        if (sci.exponent < p && std::fabs(v) >= 0.00001)
            text = TrimFractionZeros(Fixed(v, std::max(0, p - 1 - sci.exponent)));
        else
            text = TrimFractionZeros(sci.mantissa) + ExponentText(sci.exponent);
        break;
    }
    }
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    text.replace(QLatin1Char('\x01'), locale.groupSeparator());
    if (text.size() < c.width)
        text = c.leftAlign ? text.leftJustified(c.width) : text.rightJustified(c.width);
    return text;
}

// Reads "[-][width][.precision]type" at `pos` (just after '%'). Returns the
// index after the type letter, or -1 when no conversion stands there.
qsizetype ReadConversion(const QString &f, qsizetype pos, Conversion &c)
{
    auto digitsAt = [&](qsizetype &i) {
        int n = 0;
        bool any = false;
        while (i < f.size() && f[i].isDigit()) {
            n = std::min(n * 10 + f[i].digitValue(), 999);
            any = true;
            ++i;
        }
        return any ? n : -1;
    };
    qsizetype i = pos;
    if (i < f.size() && f[i] == QLatin1Char('-')) {
        c.leftAlign = true;
        ++i;
    }
    c.width = std::max(0, digitsAt(i));
    if (i < f.size() && f[i] == QLatin1Char('.')) {
        ++i;
        c.precision = std::max(0, digitsAt(i));
    }
    if (i >= f.size())
        return -1;
    const char t = char(f[i].toLower().toLatin1());
    c.type = (t == 'e' || t == 'f' || t == 'n' || t == 'g') ? t : 'g';
    if (t != c.type)
        c.precision = -1;
    return i + 1;
}

} // namespace

QString FormatLabelNumber(double value, const QString &format, const QLocale &locale)
{
    QString out;
    bool converted = false;
    for (qsizetype i = 0; i < format.size();) {
        if (format[i] != QLatin1Char('%')) {
            out += format[i++];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == QLatin1Char('%')) {
            out += QLatin1Char('%');
            i += 2;
            continue;
        }
        Conversion c;
        const qsizetype next = converted ? -1 : ReadConversion(format, i + 1, c);
        if (next < 0) {
            out += format[i++];
            continue;
        }
        out += Convert(value, c, locale);
        converted = true;
        i = next;
    }
    return out;
}
