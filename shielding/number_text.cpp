#include "shielding/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace pheltra {

std::string MessageNumber(double value)
{
    constexpr int kDigits = 4;
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, kDigits);
    return {buffer.data(), result.ptr};
}

} // namespace pheltra
