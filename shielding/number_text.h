// Numbers in the shielding code's own messages.
#pragma once

#include <string>

namespace pheltra {

// The value to four significant digits, without trailing zeros ("0.6617",
// "1.5e+04").
std::string MessageNumber(double value);

} // namespace pheltra
