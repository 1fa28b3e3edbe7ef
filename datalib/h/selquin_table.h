// Library H's tables: the committed NIST rows (selquin_table_data.h) and what
// the lookup derives from them once, at build time, in extended precision
// (selquin_derived.cpp, written by tools/selquin_table): the logarithms of every
// row, the spline second derivatives above each K edge (or the row after it), and the edge index.
#pragma once

#include <bit>
#include <cstdint>

#include "datalib/h/selquin_table_data.h"

namespace pheltra::selquin {

// Edges counted from the top of a table; asking for more yields no edge.
inline constexpr int kMaxEdges = 12;

struct ElementIndex
{
    std::int32_t first;     // flat index of the element's first row
    std::int32_t last;      // flat index of its last row
    std::int32_t kRow;      // above-edge row of its highest edge; `first` without edges
    std::int32_t edgeCount; // edge pairs, at most kMaxEdges
    float kEdge;            // highest edge energy, keV; -1 without edges
    // Above this energy the lookup follows the natural spline; at and below it
    // the rows are interpolated log-log. It is the K edge, except where the
    // spline from the edge swings far outside the tabulated values (an edge
    // just below a grid energy squeezes two knots together): there the spline
    // starts at the first row above the edge and only the short interval
    // from the edge to that row is log-log. Held as the bits of the widened
    // double, which order as the values do (-1, without edges, below all).
    std::int64_t splineAboveBits;
    bool splineFromNextRow; // the spline starts at the row after kRow
    float edges[kMaxEdges]; // edge energies from the top, keV
};

struct RowLogs
{
    long double lnEnergy;
    long double lnValue[2];          // ln mu/rho, ln mu_en/rho
    long double secondDerivative[2]; // of the spline above K; zero below it
    long double curvatureWeight;     // h^2/6 of the spline piece up to the next row
};

// Finding an energy's interval: the energy's bucket (its binary exponent and
// the top kBucketBits bits of its mantissa, about 4 % wide) gives the last row
// at or below the bucket's low end; counting the next kBucketSteps row
// energies that are <= the energy finishes the search. The generator checks
// that no bucket of any element holds more rows than that. Energies are
// compared as the bits of their doubles, ordered as the positive values are.
inline constexpr int kBucketBits = 4;
inline constexpr int kBucketCount = 15 << kBucketBits; // 1 keV up to 32768 keV
inline constexpr int kBucketSteps = 8;
// Row energies per element, as the bits of the widened doubles, padded with
// those of +infinity.
inline constexpr int kPaddedRows = 80;

// The bucket of an energy in [1, 32768) keV, and the lowest energy in a bucket.
inline int EnergyBucket(double energy) noexcept
{
    return static_cast<int>((std::bit_cast<std::uint64_t>(energy) >> (52 - kBucketBits)) -
                            (std::uint64_t{1023} << kBucketBits));
}
inline double BucketLow(int bucket) noexcept
{
    return std::bit_cast<double>((static_cast<std::uint64_t>(bucket) + (std::uint64_t{1023} << kBucketBits))
                                 << (52 - kBucketBits));
}

// Defined in this library, never looked up through the dynamic linker.
#define SELQUIN_INTERNAL __attribute__((visibility("hidden")))
SELQUIN_INTERNAL extern const ElementIndex kElements[kElementCount];
SELQUIN_INTERNAL extern const unsigned char kBucketStart[kElementCount][kBucketCount]; // row within the element
SELQUIN_INTERNAL extern const std::uint64_t kPaddedEnergyBits[kElementCount][kPaddedRows];
SELQUIN_INTERNAL extern const RowLogs kRowLogs[kRowTotal];
#undef SELQUIN_INTERNAL

} // namespace pheltra::selquin
