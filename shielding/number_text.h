// Numbers in the shielding code's own messages.
#pragma once

#include <string>

namespace pheltra {

// The value to four significant digits without trailing zeros ("0.6617",
// "11.33", "1e-60"); from 10000 on the whole number ("15000").
std::string MessageNumber(double value);

} // namespace pheltra
