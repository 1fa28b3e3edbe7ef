// The coefficient tables of data source B, as generated into vornak_table.cpp
// by tools/gen_vornak_table.py, and the tables derived from them at build
// time (vornak_derived.cpp, written by tools/vornak_logs).
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

// The interval search starts from a bucket of the energy: its binary
// exponent and the next kBucketBits bits of its mantissa, so 2^kBucketBits
// buckets an octave from 1 keV on. kBucketRow[Z - 1][b] is the last row of
// element Z (counted from its first) at or below the lowest energy of bucket
// b; at most kBucketSteps rows lie inside any bucket.
inline constexpr int kBucketBits = 5;
inline constexpr int kBucketCount = 16 << kBucketBits;  // 1 keV .. 65 536 keV
inline constexpr int kBucketSteps = 4;

// Derived at build time with the same logl the lookup runs, so that a value
// taken from here equals the logarithm computed on the spot, bit for bit.
// kFirstRow[Z - 1] is the first row of element Z, kFirstRow[kElementCount]
// the row total; kEnergy[r] is column 1 of row r; kLogEnergy[r] its logl;
// kLogValue[(c - 2) * kRowTotal + r] is logl of column c of row r, which is
// minus infinity where the value is 0; kEdgeEnergy[Z - 1][n - 1] the energy
// of the n-th edge pair from the top, for n up to kEdgeCount[Z - 1].
extern const std::int32_t kFirstRow[kElementCount + 1];
extern const std::uint8_t kBucketRow[kElementCount][kBucketCount];
extern const float kEnergy[];
extern const long double kLogEnergy[];
extern const long double kLogValue[];
extern const std::int32_t kEdgeCount[kElementCount];
extern const float kEdgeEnergy[kElementCount][kMaxEdgeIndex];

// Bucket of an energy of at least 1 keV, read off its bits.
inline int EnergyBucket(double energy) {
  constexpr std::uint64_t kOneKeV = std::uint64_t{1023} << kBucketBits;
  return static_cast<int>((std::bit_cast<std::uint64_t>(energy) >> (52 - kBucketBits)) - kOneKeV);
}

// Lowest energy of bucket b.
inline double BucketLow(int b) {
  return std::ldexp(1.0 + (b & ((1 << kBucketBits) - 1)) / double{1 << kBucketBits}, b >> kBucketBits);
}

}  // namespace pheltra::vornak

#pragma GCC visibility pop
