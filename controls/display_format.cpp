#include "controls/display_format.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

namespace pheltra::controls {
namespace {

// Where the digits go in one section of a picture.
struct SectionLayout
{
    QStringView text;
    qsizetype point = -1; // index of the first ".", -1 without one
    int integer_places = 0;
    int decimal_places = 0;
};

SectionLayout LayoutOf(QStringView section)
{
    SectionLayout layout{section};
    for (qsizetype i = 0; i < section.size(); ++i) {
        if (section[i] == u'.' && layout.point < 0) {
            layout.point = i;
        } else if (section[i] == u'0') {
            ++(layout.point < 0 ? layout.integer_places : layout.decimal_places);
        }
    }
    return layout;
}

// A magnitude rounded to a number of decimals: the integer digits without
// leading zeros ("" for zero) and exactly that many fraction digits.
struct RoundedDigits
{
    std::string integer;
    std::string fraction;

    bool IsZero() const { return integer.empty() && fraction.find_first_not_of('0') == std::string::npos; }
};

// Exact decimal expansion of a finite, non-negative long double: the
// integer digits, then `fraction` digits. The last binary digit is worth
// 2^(exponent - digits), and 2^-k has exactly k decimals, so printing that
// many decimals rounds nothing. nullopt for a bit pattern that the C library
// does not print as a number.
std::optional<std::string> ExactExpansion(long double magnitude, std::size_t *fraction)
{
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    const int precision = std::max(0, std::numeric_limits<long double>::digits - exponent);
    const int size = std::snprintf(nullptr, 0, "%.*Lf", precision, magnitude);
    if (size <= 0) {
        return std::nullopt;
    }
    std::string printed(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(printed.data(), printed.size(), "%.*Lf", precision, magnitude);
    printed.pop_back();
    // Whatever radix character the C library's locale prints sits between the
    // integer digits and the fraction digits.
    *fraction = static_cast<std::size_t>(precision);
    const std::size_t integer = printed.find_first_not_of("0123456789");
    const std::size_t fraction_start = printed.size() - std::min(*fraction, printed.size());
    const bool shaped = integer > 0 && (precision == 0 ? integer == std::string::npos : integer < fraction_start);
    if (!shaped || printed.find_first_not_of("0123456789", fraction_start) != std::string::npos) {
        return std::nullopt;
    }
    if (precision > 0) {
        printed.erase(integer, fraction_start - integer);
    }
    return printed;
}

// Adds one unit in the last place of a string of decimal digits.
void IncrementDigits(std::string &digits)
{
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') {
        digits[--i] = '0';
    }
    if (i == 0) {
        digits.insert(digits.begin(), '1');
    } else {
        ++digits[i - 1];
    }
}

std::optional<RoundedDigits> RoundMagnitude(long double magnitude, int decimals)
{
    const auto places = static_cast<std::size_t>(decimals);
    RoundedDigits rounded{std::string(), std::string(places, '0')};
    // Far below half a unit of the last place the result is zero; this also
    // spares printing the thousands of decimals of tiny values.
    if (magnitude == 0.0L || magnitude * std::pow(10.0L, decimals) < 0.4L) {
        return rounded;
    }
    std::size_t fraction_digits = 0;
    std::optional<std::string> digits = ExactExpansion(magnitude, &fraction_digits);
    if (!digits) {
        return std::nullopt;
    }
    // Bring the fraction to exactly places + 1 digits; the exact expansion
    // makes a digit of 5 or more there mean "half a unit or more".
    if (fraction_digits < places + 1) {
        digits->append(places + 1 - fraction_digits, '0');
    } else {
        digits->resize(digits->size() - (fraction_digits - places - 1));
    }
    const bool round_up = digits->back() >= '5';
    digits->pop_back();
    if (round_up) {
        IncrementDigits(*digits);
    }
    const std::size_t integer_size = digits->size() - places;
    rounded.fraction = digits->substr(integer_size);
    rounded.integer = digits->substr(0, integer_size);
    rounded.integer.erase(0, rounded.integer.find_first_not_of('0'));
    return rounded;
}

QString Render(const SectionLayout &layout, const RoundedDigits &rounded, QChar decimal_separator)
{
    std::string integer = rounded.integer;
    const auto places = static_cast<std::size_t>(layout.integer_places);
    if (integer.size() < places) {
        integer.insert(0, places - integer.size(), '0');
    }
    const std::size_t overflow = integer.size() - places;
    const auto digits_of = [](const std::string &s, std::size_t from, std::size_t count) {
        return QLatin1StringView(s.data() + from, static_cast<qsizetype>(count));
    };
    std::size_t next_integer = 0;
    std::size_t next_fraction = 0;
    QString out;
    for (qsizetype i = 0; i < layout.text.size(); ++i) {
        const QChar c = layout.text[i];
        if (i == layout.point) {
            if (places == 0) {
                out += digits_of(integer, 0, integer.size());
            }
            if (layout.decimal_places > 0) {
                out += decimal_separator;
            }
        } else if (c != u'0') {
            out += c;
        } else if (layout.point < 0 || i < layout.point) {
            const std::size_t count = next_integer == 0 ? overflow + 1 : 1;
            out += digits_of(integer, next_integer, count);
            next_integer += count;
        } else {
            out += digits_of(rounded.fraction, next_fraction++, 1);
        }
    }
    if (layout.point < 0 && places == 0) {
        out += digits_of(integer, 0, integer.size());
    }
    return out;
}

} // namespace

QString FormatDisplayValue(long double value, QStringView picture, QChar decimal_separator)
{
    if (std::isnan(value)) {
        return QStringLiteral("NAN");
    }
    if (std::isinf(value)) {
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    }
    const QList<QStringView> sections = picture.split(u';');
    const SectionLayout first = LayoutOf(sections.front());
    const bool negative = value < 0;
    const bool own_negative_section = sections.size() > 1 && !sections[1].isEmpty();
    const SectionLayout layout = negative && own_negative_section ? LayoutOf(sections[1]) : first;
    const std::optional<RoundedDigits> rounded = RoundMagnitude(std::fabs(value), layout.decimal_places);
    if (!rounded) {
        return QStringLiteral("NAN");
    }
    if (negative && rounded->IsZero()) {
        return Render(first, *RoundMagnitude(0.0L, first.decimal_places), decimal_separator);
    }
    const QString shown = Render(layout, *rounded, decimal_separator);
    return negative && !own_negative_section ? u'-' + shown : shown;
}

} // namespace pheltra::controls
