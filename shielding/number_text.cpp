#include "shielding/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace pheltra {

std::string MessageNumber(double value)
{
    constexpr int kDigits = 4;
    // Whole numbers of five digits and more as they are ("15000", not "1.5e+04").
    constexpr double kWholeFrom = 1e4;
    constexpr double kWholeBelow = 1e15;
    std::array<char, 32> buffer{};
    char *const first = buffer.data();
    char *const last = buffer.data() + buffer.size();
    const double size = std::abs(value);
    const auto result = size >= kWholeFrom && size < kWholeBelow
        ? std::to_chars(first, last, value, std::chars_format::fixed, 0)
        : std::to_chars(first, last, value, std::chars_format::general, kDigits);
    return {first, result.ptr};
}

} // namespace pheltra
