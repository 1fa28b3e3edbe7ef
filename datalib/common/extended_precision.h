// How the attenuation lookups move their energy into extended precision and
// their result back, with as little work for the x87 unit as possible.
//
// A lookup costs little more than its one logl and one expl, which the x87
// unit runs as long microcoded sequences; calls overlap only as far as the
// rest of the work stays out of that unit's queue. So the lookups check and
// search their energy as an integer (the bits of positive doubles are
// ordered as their values), widen it to long double with integer stores,
// and round the result into a variable of its own: left to itself the
// compiler sends the argument in and the result out through the same stack
// slot, and processors that rename stack memory (AMD Zen 3) then hand the
// result's load the argument's earlier store and replay the call. The
// logarithm of the energy runs inline: the C library's logl is the x87
// FYL2X (or FYL2XP1 near 1) behind a wrapper whose checks and trip of the
// argument through memory cost about as much as the rest of the lookup.
// Every value is exactly what the plain conversions and logl give.
#pragma once

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>

namespace pheltra::datalib {

// The bits of a double; for energies (positive), ordered as the values.
constexpr std::uint64_t EnergyBits(double energy) noexcept
{
    return std::bit_cast<std::uint64_t>(energy);
}

// Whether the double with these bits lies in [low, high], both positive;
// false for NaN, negative numbers and zero.
inline bool InRange(std::uint64_t bits, double low, double high) noexcept
{
    return bits - EnergyBits(low) <= EnergyBits(high) - EnergyBits(low);
}

#if defined(__x86_64__) && LDBL_MANT_DIG == 64

// The normal positive double with these bits, widened exactly.
inline long double WidenPositive(std::uint64_t bits) noexcept
{
    constexpr std::uint64_t kFraction = (std::uint64_t{1} << 52) - 1;
    constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
    constexpr std::uint64_t kBiasChange = 16383 - 1023;
    // x87 extended: 64-bit significand with its integer bit, then the sign
    // and a 15-bit exponent; written as two whole words.
    struct Extended
    {
        std::uint64_t significand;
        std::uint64_t exponent;
    };
    return std::bit_cast<long double>(Extended{kIntegerBit | (bits & kFraction) << 11, (bits >> 52) + kBiasChange});
}

inline double RoundToDouble(long double value) noexcept
{
    double rounded;
    __asm__("fstpl %0" : "=m"(rounded) : "t"(value) : "st");
    return rounded;
}

// logl of the widened double with these bits, for doubles of at least 1,
// bit for bit: ln 2 times log2 x, from FYL2X, or from FYL2XP1 on x - 1 where
// that is at most 0.29 (the double). That is the C library's x87 logl
// without the call, its checks and the argument's trip through memory.
inline long double LogWidened(std::uint64_t bits) noexcept
{
    // Below 2, x - 1 is exact, so x - 1 > 0.29 holds from the first double
    // above the exact 1 + 0.29 on, and the bits tell it without the x87 unit.
    constexpr double kNearOne = 0.29;
    constexpr double kSum = 1.0 + kNearOne;
    constexpr std::uint64_t kFirstFar = EnergyBits(kSum) + (kSum - 1.0 > kNearOne ? 0 : 1);
    const long double x = WidenPositive(bits);
    long double ln2;
    __asm__("fldln2" : "=t"(ln2));
    long double log;
    if (bits >= kFirstFar) {
        __asm__("fyl2x" : "=t"(log) : "0"(x), "u"(ln2) : "st(1)");
    } else {
        __asm__("fyl2xp1" : "=t"(log) : "0"(x - 1.0L), "u"(ln2) : "st(1)");
    }
    return log;
}

#else

inline long double WidenPositive(std::uint64_t bits) noexcept
{
    return static_cast<long double>(std::bit_cast<double>(bits));
}

inline double RoundToDouble(long double value) noexcept
{
    return static_cast<double>(value);
}

inline long double LogWidened(std::uint64_t bits) noexcept
{
    return std::log(WidenPositive(bits));
}

#endif

} // namespace pheltra::datalib
