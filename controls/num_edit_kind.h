// The kinds of number a numeric entry field takes, and the settings that
// choosing a kind installs.
#pragma once

#include <QString>

#include <limits>

namespace pheltra::controls {

// The order is part of the interface: dialogs store and compare the kind as
// its number.
enum class TNumEditType : unsigned char {
    integervalue = 0,
    longintvalue = 1,
    floatingpointvalue = 2,
    wordvalue = 3,
};

// ±1.1E4932, just inside the range of the 80-bit extended type, stands for
// "no bound".
inline constexpr long double kNoLowerBound = -1.1E4932L;
inline constexpr long double kNoUpperBound = 1.1E4932L;
static_assert(std::numeric_limits<long double>::max_exponent10 >= 4932,
              "bounds of the numeric field need the extended range");

struct NumEditKindDefaults
{
    QString display_format;
    long double minimum;
    long double maximum;
};

// DisplayFormat, Minimum and Maximum that setting EntryRequired installs.
NumEditKindDefaults KindDefaults(TNumEditType kind);

} // namespace pheltra::controls
