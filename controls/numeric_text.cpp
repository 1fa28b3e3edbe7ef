#include "controls/numeric_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace pheltra::controls {

std::optional<long double> ParseNumericText(QStringView text, QChar decimal_separator)
{
    bool negative = false;
    std::string collected;
    collected.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            collected.push_back(static_cast<char>(c.unicode()));
        } else if (c == decimal_separator) {
            collected.push_back('.');
        } else if (c == u'-' || c == u'(') {
            negative = true;
        }
    }
    if (collected.empty()) {
        return 0.0L;
    }
    // from_chars reads "." whatever the process locale says, and fails rather
    // than rounding to infinity or to zero.
    long double value = 0.0L;
    const char *const end = collected.data() + collected.size();
    const auto [stop, error] = std::from_chars(collected.data(), end, value, std::chars_format::fixed);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    if (negative && value != 0.0L) {
        value = -value;
    }
    return value;
}

bool FitsInDouble(long double value)
{
    const auto held = static_cast<double>(value);
    return std::isfinite(held) && (held != 0.0 || value == 0.0L);
}

bool PassesExitCheck(long double value, long double minimum, long double maximum, bool entry_blank_zero)
{
    if (!FitsInDouble(value)) {
        return false;
    }
    return (minimum <= value && value <= maximum) || (entry_blank_zero && value == 0.0L);
}

} // namespace pheltra::controls
