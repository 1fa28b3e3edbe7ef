#include "app/reports/number_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <utility>

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

// 10^n for n = 0 ... 27: every one exact in the 64-bit mantissa of a long
// double (5^27 < 2^64), so scaling by one of them rounds once.
constexpr int kMaxExactPowerOfTen = 27;
constexpr std::array<long double, kMaxExactPowerOfTen + 1> kPowersOfTen = [] {
    std::array<long double, kMaxExactPowerOfTen + 1> powers{};
    long double power = 1.0L;
    for (long double &p : powers) {
        p = power;
        power *= 10.0L;
    }
    return powers;
}();

// Up to this many significant digits the scaled value stays below 10^15,
// where one rounding of the scaling moves it by less than 10^-4.
constexpr int kMaxQuickDigits = 15;

// Round(Expand(value), count) without the exact expansion, for the common
// case: |value| is scaled by an exact power of ten so that its integer part
// has count digits, and that integer is rounded. The scaling rounds once, to
// nearest, and every half-way point below 10^15 is itself a long double, so
// the scaled value lies on the same side of a half-way point as the exact
// one or on the point itself; a scaled value on it (or, to be generous,
// within a few units of the last place of it) is left to the exact
// expansion (std::nullopt), as are values that no power of ten up to
// 10^27 brings to count digits.
std::optional<DecimalDigits> RoundQuickly(long double value, int count)
{
    // The powers, the rounding trick below and the margin are those of the
    // 64-bit mantissa of x86's extended precision; elsewhere the exact
    // expansion does all the work.
    if constexpr (std::numeric_limits<long double>::digits != 64)
        return std::nullopt;
    if (count < 1 || count > kMaxQuickDigits || value == 0.0L || !std::isfinite(value))
        return std::nullopt;
    const long double magnitude = std::fabs(value);
    // The binary exponent, read from the value as a double (normal ones only),
    // gives the decimal one within one: floor(e log10 2) = (e * 78913) >> 18.
    const double approximate = static_cast<double>(magnitude);
    if (!std::isnormal(approximate))
        return std::nullopt;
    const int binaryExponent = static_cast<int>((std::bit_cast<std::uint64_t>(approximate) >> 52) & 0x7FFU) - 1023;
    int shift = count - 1 - ((binaryExponent * 78913) >> 18);
    const long double low = kPowersOfTen[static_cast<std::size_t>(count - 1)];
    const long double high = kPowersOfTen[static_cast<std::size_t>(count)];
    long double scaled = 0.0L;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (std::abs(shift) > kMaxExactPowerOfTen)
            return std::nullopt;
        const long double power = kPowersOfTen[static_cast<std::size_t>(std::abs(shift))];
        scaled = shift >= 0 ? magnitude * power : magnitude / power;
        if (scaled >= high)
            --shift;
        else if (scaled < low)
            ++shift;
        else
            break;
    }
    if (scaled < low || scaled >= high)
        return std::nullopt;
    // The nearest integer, by adding and taking away 1.5 * 2^63, where the
    // 64-bit mantissa holds no fraction; scaled minus it is exact.
    constexpr long double kIntegerMagic = 0x1.8p63L;
    const long double nearest = (scaled + kIntegerMagic) - kIntegerMagic;
    const long double fraction = scaled - nearest;
    if (std::fabs(std::fabs(fraction) - 0.5L) <= high * 0x1p-62L)
        return std::nullopt;
    // Below 10^15 the integer is exact as a double, which converts quickly.
    auto rounded = static_cast<std::uint64_t>(static_cast<double>(nearest));
    DecimalDigits result;
    result.negative = std::signbit(value);
    result.exponent = count - shift;
    if (nearest == high) {
        rounded /= 10; // 9.99..5 and above became the next power of ten
        ++result.exponent;
    }
    char buffer[24];
    const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, rounded);
    char *end = written.ptr;
    while (end > buffer + 1 && end[-1] == '0')
        --end;
    result.digits.assign(buffer, static_cast<std::size_t>(end - buffer));
    return result;
}

// Keeps count significant digits of the value's exact binary value,
// rounding half away from zero, trailing zeros dropped.
DecimalDigits Rounded(long double value, int count)
{
    if (auto quick = RoundQuickly(value, count))
        return std::move(*quick);
    return Round(Expand(value), count);
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
    const DecimalDigits rounded = Rounded(value, precision);
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
    QString text;
    AppendScientific(text, value, precision, exponentDigits, locale);
    return text;
}

void AppendScientific(QString &text, long double value, int precision, int exponentDigits, const QLocale &locale)
{
    if (const auto nonFinite = NonFinite(value)) {
        text += *nonFinite;
        return;
    }
    const DecimalDigits rounded = Rounded(value, precision);
    const int exponent = rounded.IsZero() ? 0 : rounded.exponent - 1;
    char exponentText[16];
    const qsizetype exponentLength =
        std::to_chars(exponentText, exponentText + sizeof exponentText, std::abs(exponent)).ptr - exponentText;
    const QString separator = precision > 1 ? locale.decimalPoint() : QString();
    // Built in place: the reports call this millions of times for a fine grid.
    text.reserve(text.size() + precision + separator.size() + std::max<qsizetype>(exponentDigits, exponentLength) + 3);
    if (rounded.negative)
        text += QLatin1Char('-');
    text += QLatin1Char(DigitAt(rounded, 0));
    if (precision > 1) {
        text += separator;
        for (int i = 1; i < precision; ++i)
            text += QLatin1Char(DigitAt(rounded, i));
    }
    text += QLatin1Char('E');
    text += QLatin1Char(exponent < 0 ? '-' : '+');
    for (qsizetype i = exponentLength; i < exponentDigits; ++i)
        text += QLatin1Char('0');
    text += QLatin1String(exponentText, exponentLength);
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

QString FullPrecision(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString FullPrecision(long double value)
{
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return ec == std::errc() ? QString::fromLatin1(buffer.data(), end - buffer.data()) : QStringLiteral("NAN");
}
