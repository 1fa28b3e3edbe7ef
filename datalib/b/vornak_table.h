// The coefficient tables of data source B, as generated into vornak_table.cpp
// by tools/gen_vornak_table.py, and the tables derived from them at build
// time (vornak_derived.cpp, written by tools/vornak_derived).
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

// The tables stay inside the library, which lets the lookup address them
// directly rather than through the global offset table.
#pragma GCC visibility push(hidden)

namespace pheltra::vornak {

inline constexpr int kElementCount = 99;
inline constexpr int kColumnCount = 15;
// Edges GetAbsEdgeB can be asked for, counted from the highest down.
inline constexpr int kMaxEdgeIndex = 12;

// Rows of all elements in order of Z, kRowCounts[Z - 1] rows for element Z;
// a row is the energy (keV) and 14 coefficients (cm2/g), column 1..15.
extern const std::int32_t kRowTotal;
extern const std::int32_t kRowCounts[kElementCount];
extern const float kRows[][kColumnCount];

// Every element's rows are one row below 1 keV, the shared grid, its edge
// pairs and its own points, in order of energy, at most kMaxRows of them.
// The last row at or below an energy is found from the energy's bucket (its
// binary exponent and the next kBucketBits bits of its mantissa, 2^kBucketBits
// buckets an octave from 1 keV on): kRowBucket gives the last row at or below
// the bucket's lowest energy, and counting the next kBucketSteps row energies
// that are <= the energy finishes the search without branches. The build
// checks that no bucket of any element holds more rows than that. Energies
// are compared as the bits of their doubles, which for positive values are
// ordered as the values.
inline constexpr int kMaxRows = 240;
inline constexpr int kMaxEdges = 13;
inline constexpr int kBucketBits = 6;
inline constexpr int kBucketCount = 16 << kBucketBits; // 1 keV .. 65 536 keV
inline constexpr int kBucketSteps = 8;
// Row energies per element, as the bits of the widened doubles, padded with
// those of +infinity.
inline constexpr int kPaddedRows = kMaxRows + kBucketSteps;

// Derived at build time with the same logl the lookup runs, so that a value
// taken from here equals the logarithm computed on the spot, bit for bit.
// kFirstRow/kLastRow[Z - 1] are the first and last row of element Z;
// kRowBucket[Z - 1][b] the last row of element Z (counted from its first) at
// or below the lowest energy of bucket b; kPaddedEnergyBits[Z - 1] the bits
// of its row energies, widened, then of +infinity;
// kEdges[Z - 1] its kEdgeCount[Z - 1] edge energies from the lowest up,
// widened, then infinity; kLogEnergy[r] is logl of the energy of row r;
// kLogValue[(c - 2) * kRowTotal + r] is logl of column c of row r, which is
// minus infinity where the value is 0; kFirstPositiveRow[Z - 1][c - 2] is the
// first row of element Z (a flat index) where column c is above 0: the
// column is 0 before it and positive from it on.
extern const std::uint8_t kRowBucket[kElementCount][kBucketCount];
extern const std::uint64_t kPaddedEnergyBits[kElementCount][kPaddedRows];
extern const std::int32_t kFirstRow[kElementCount];
extern const std::int32_t kLastRow[kElementCount];
extern const std::int32_t kFirstPositiveRow[kElementCount][kColumnCount - 1];
extern const std::int32_t kEdgeCount[kElementCount];
extern const double kEdges[kElementCount][kMaxEdges];
extern const long double kLogEnergy[];
extern const long double kLogValue[];

// Bucket of an energy of at least 1 keV, read off its bits.
inline int EnergyBucket(double energy)
{
    constexpr std::uint64_t kOneKeV = std::uint64_t{1023} << kBucketBits;
    return static_cast<int>((std::bit_cast<std::uint64_t>(energy) >> (52 - kBucketBits)) - kOneKeV);
}

// Lowest energy of bucket b.
inline double BucketLow(int b)
{
    return std::ldexp(1.0 + (b & ((1 << kBucketBits) - 1)) / double{1 << kBucketBits}, b >> kBucketBits);
}

} // namespace pheltra::vornak

#pragma GCC visibility pop
