#include "app/reports/number_format.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// A finite value as decimal digits: |value| = 0.d1 d2 d3 ... x 10^exponent,
// with d1 != 0. Zero has no digits.
struct DecimalDigits
{
    bool negative = false;
    std::string digits;
    int exponent = 0;
    bool IsZero() const { return digits.empty(); }
};

// More digits than an extended-precision value carries, so that rounding at
// any precision the formats ask for sees the value itself, not a rounded one.
constexpr int kExpansionDigits = 40;

DecimalDigits Expand(long double value)
{
    DecimalDigits result;
    result.negative = std::signbit(value);
    if (value == 0.0L)
        return result;
    // to_chars writes "." whatever locale the C library was given (printf
    // would write the process locale's separator, which Qt sets from the
    // user's); the user's separator goes in when the digits are shown.
    char buffer[kExpansionDigits + 16];
    const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                                       std::chars_format::scientific, kExpansionDigits);
    const std::string text(buffer, written.ptr); // d.ddd...e+XX
    const std::size_t e = text.find('e');
    result.digits = text.substr(0, 1) + text.substr(2, e - 2);
    result.exponent = std::atoi(text.c_str() + e + 1) + 1;
    return result;
}

// Keeps count significant digits, rounding half away from zero; trailing
// zeros are dropped. A value that rounds away entirely becomes zero.
DecimalDigits Round(DecimalDigits value, int count)
{
    if (count < 0) {
        value.digits.clear();
    } else if (count < static_cast<int>(value.digits.size())) {
        const bool up = value.digits[static_cast<std::size_t>(count)] >= '5';
        value.digits.resize(static_cast<std::size_t>(count));
        if (up) {
            int i = count - 1;
            while (i >= 0 && value.digits[static_cast<std::size_t>(i)] == '9')
                value.digits[static_cast<std::size_t>(i--)] = '0';
            if (i >= 0) {
                ++value.digits[static_cast<std::size_t>(i)];
            } else {
                value.digits.insert(value.digits.begin(), '1');
                ++value.exponent;
            }
        }
    }
    while (!value.digits.empty() && value.digits.back() == '0')
        value.digits.pop_back();
    if (value.IsZero()) {
        value.negative = false; // never "-0"
        value.exponent = 0;
    }
    return value;
}

std::optional<QString> NonFinite(long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    return std::nullopt;
}

QString Sign(const DecimalDigits &value)
{
    return value.negative ? QStringLiteral("-") : QString();
}

// Digit i of the value, 0 beyond the significant ones.
char DigitAt(const DecimalDigits &value, int i)
{
    return i >= 0 && i < static_cast<int>(value.digits.size()) ? value.digits[static_cast<std::size_t>(i)] : '0';
}

// The digits from position first to last (exclusive) as text.
QString DigitRange(const DecimalDigits &value, int first, int last)
{
    QString text;
    for (int i = first; i < last; ++i)
        text += QLatin1Char(DigitAt(value, i));
    return text;
}

} // namespace

QString FormatGeneral(long double value, int precision, const QLocale &locale, int minFixedExponent)
{
    if (const auto text = NonFinite(value))
        return *text;
    const DecimalDigits rounded = Round(Expand(value), precision);
    if (rounded.IsZero())
        return QStringLiteral("0");
    const int x = rounded.exponent;
    const int length = static_cast<int>(rounded.digits.size());
    const QString separator = locale.decimalPoint();
    if (x > precision || x <= minFixedExponent) {
        QString text = Sign(rounded) + QLatin1Char(rounded.digits[0]);
        if (length > 1)
            text += separator + DigitRange(rounded, 1, length);
        const int exponent = x - 1;
        return text + QLatin1Char('E') + (exponent < 0 ? QStringLiteral("-") : QString()) +
            QString::number(std::abs(exponent));
    }
    if (x <= 0)
        return Sign(rounded) + QLatin1Char('0') + separator + QString(-x, QLatin1Char('0')) +
            DigitRange(rounded, 0, length);
    QString text = Sign(rounded) + DigitRange(rounded, 0, x);
    if (length > x)
        text += separator + DigitRange(rounded, x, length);
    return text;
}

QString FormatScientific(long double value, int precision, int exponentDigits, const QLocale &locale)
{
    if (const auto text = NonFinite(value))
        return *text;
    const DecimalDigits rounded = Round(Expand(value), precision);
    QString text = Sign(rounded) + QLatin1Char(DigitAt(rounded, 0));
    if (precision > 1)
        text += locale.decimalPoint() + DigitRange(rounded, 1, precision);
    const int exponent = rounded.IsZero() ? 0 : rounded.exponent - 1;
    return text + QLatin1Char('E') + QLatin1Char(exponent < 0 ? '-' : '+') +
        QStringLiteral("%1").arg(std::abs(exponent), exponentDigits, 10, QLatin1Char('0'));
}

QString FormatFixed(long double value, int precision, int decimals, const QLocale &locale)
{
    if (const auto text = NonFinite(value))
        return *text;
    const DecimalDigits expanded = Expand(value);
    const DecimalDigits rounded = Round(expanded, std::min(precision, expanded.exponent + decimals));
    const int x = rounded.exponent;
    if (x > precision)
        return FormatGeneral(value, precision, locale);
    QString text = Sign(rounded) + (x <= 0 ? QStringLiteral("0") : DigitRange(rounded, 0, x));
    if (decimals > 0)
        text += locale.decimalPoint() + DigitRange(rounded, x, x + decimals);
    return text;
}

QString FormatDecimals(long double value, int decimals, const QLocale &locale)
{
    constexpr int kExtendedDigits = 18;
    return FormatFixed(value, kExtendedDigits, decimals, locale);
}
