// Fixed facts of the source-B lookup: the coefficient kind index, the energy
// range it answers for, and the pair and triplet thresholds.
#pragma once

#include <array>
#include <cstdint>

namespace pheltra::vornak {

// Column (1-based, as in a table row) of each coefficient kind 0..21: three
// groups starting at 0 (attenuation), 8 (energy transfer) and 16 (energy
// absorption). 0 marks a kind that is not offered; kZeroColumn is the
// Rayleigh slot of the transfer and absorption groups, which is zero.
inline constexpr int kInvalidColumn = 0;
inline constexpr int kZeroColumn = 16;
inline constexpr std::array<int, 22> kKindColumn = {2,
                                                    3,
                                                    4,
                                                    5,
                                                    6,
                                                    7,
                                                    kInvalidColumn,
                                                    kInvalidColumn, // attenuation
                                                    8,
                                                    9,
                                                    kZeroColumn,
                                                    10,
                                                    11,
                                                    kInvalidColumn,
                                                    kInvalidColumn,
                                                    kInvalidColumn, // transfer
                                                    12,
                                                    13,
                                                    kZeroColumn,
                                                    14,
                                                    15,
                                                    kInvalidColumn}; // absorption

inline constexpr int ColumnOfKind(std::int32_t kind)
{
    return kind >= 0 && kind < static_cast<std::int32_t>(kKindColumn.size())
        ? kKindColumn[static_cast<std::size_t>(kind)]
        : kInvalidColumn;
}

inline constexpr double kLowestEnergy = 1.0;      // keV
inline constexpr double kHighestEnergy = 50000.0; // keV

// Pair production (columns 6, 11, 15) opens at 2 m c^2, triplet production
// (column 7) at 4 m c^2. Between the threshold and the first tabulated
// energy above it the value rises along a spline from a stand-in for zero.
inline constexpr double kPairThreshold = 1022.0068;    // keV
inline constexpr double kTripletThreshold = 2044.0136; // keV
inline constexpr long double kZeroStandIn = 1e-99L;

inline constexpr bool IsPairColumn(int column)
{
    return column == 6 || column == 11 || column == 15;
}
inline constexpr bool IsTripletColumn(int column)
{
    return column == 7;
}

// The largest knot set of a threshold spline: every row of an element.
inline constexpr int kSplineCapacity = 240;

inline constexpr char kVersion[] = "1.02 / 1998-03-01";

} // namespace pheltra::vornak
