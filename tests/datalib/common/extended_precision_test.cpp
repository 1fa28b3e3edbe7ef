#include "datalib/common/extended_precision.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

namespace pheltra::datalib {
namespace {

// The 80 significant bits of a long double, for a bit-for-bit comparison.
bool SameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

void ExpectLoglOf(double x)
{
    const long double widened = static_cast<long double>(x);
    EXPECT_TRUE(SameBits(WidenPositive(EnergyBits(x)), widened)) << x;
    EXPECT_TRUE(SameBits(LogWidened(EnergyBits(x)), std::log(widened))) << x;
}

TEST(ExtendedPrecision, TheInlineLogarithmIsTheLibrarysLogl)
{
    // 1, the doubles around 1.29 (where logl turns to FYL2XP1), powers of two
    // and the ends of both data sources' ranges.
    for (const double x : {1.0, 1.29, 1.2899999999999998, 1.2900000000000003, 2.0, 1024.0, 20000.0, 50000.0}) {
        for (double y = x, i = 0; i < 4; ++i, y = std::nextafter(y, 1e300)) {
            ExpectLoglOf(y);
        }
    }
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> ln_x(0.0, std::log(1e5));
    for (int i = 0; i < 200000; ++i) {
        ExpectLoglOf(std::exp(ln_x(random)));
    }
}

} // namespace
} // namespace pheltra::datalib
