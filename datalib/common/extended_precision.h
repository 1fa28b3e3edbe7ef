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
// result's load the argument's earlier store and replay the call. Every
// value is exactly what the plain conversions give.
#pragma once

#include <bit>
#include <cfloat>
#include <cstdint>

namespace pheltra::datalib {

// The bits of a double; for energies (positive), ordered as the values.
inline std::uint64_t EnergyBits(double energy) noexcept
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

#else

inline long double WidenPositive(std::uint64_t bits) noexcept
{
    return static_cast<long double>(std::bit_cast<double>(bits));
}

inline double RoundToDouble(long double value) noexcept
{
    return static_cast<double>(value);
}

#endif

} // namespace pheltra::datalib
