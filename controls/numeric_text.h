// Reading a number out of whatever text a numeric entry field holds, and the
// bound check a field applies when the user leaves it.
#pragma once

#include <QChar>
#include <QStringView>

#include <optional>

namespace pheltra::controls {

// Lenient reading: the number is negative when the text holds "-" or "("
// anywhere; of the rest only the digits 0-9 and `decimal_separator` count, in
// their order, so "(5)" reads -5, "1E3" reads 13 and "1-2" reads -12. A text
// without digits or separator reads 0. nullopt when the collected characters
// do not form a decimal number (a lone separator, two separators) or the
// number lies beyond the extended range, so that the caller keeps its value.
// A negative zero comes back as 0.
std::optional<long double> ParseNumericText(QStringView text, QChar decimal_separator);

// True when the number keeps its meaning held in 64 bits, as every use of a
// field's value holds it: finite (not beyond about 1.8E308) and, unless it is
// zero, not so small that it would become zero.
bool FitsInDouble(long double value);

// The exit check: inside [minimum, maximum] inclusive, or zero when an empty
// or zero entry is always accepted. A number that does not fit in 64 bits
// is refused whatever the bounds say: 1E400 would become infinite.
bool PassesExitCheck(long double value, long double minimum, long double maximum, bool entry_blank_zero);

} // namespace pheltra::controls
