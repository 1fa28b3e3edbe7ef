// The library's fast lookups against the published per-call algorithm
// (selquin_reference.cpp): every result must be the same double, bit for bit.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <sstream>
#include <vector>

#include "datalib/h/selquin.h"
#include "datalib/h/selquin_table_data.h"
#include "tests/datalib/h/selquin_reference.h"

namespace pheltra::selquin {
namespace {

struct Tally
{
    std::int64_t calls = 0;
    std::int64_t mismatches = 0;
    std::ostringstream first; // the first few mismatches, for the failure message

    void Check(std::int32_t z, double energy, std::int32_t kind)
    {
        ++calls;
        const double fast = GetMuCoeffH(z, energy, kind);
        const double literal = reference::GetMuCoeffH(z, energy, kind);
        if (std::bit_cast<std::uint64_t>(fast) != std::bit_cast<std::uint64_t>(literal)) {
            if (++mismatches <= 10) {
                first.precision(17);
                first << "  Z=" << z << " E=" << energy << " kind=" << kind << ": " << fast << " vs " << literal
                      << "\n";
            }
        }
    }

    void CheckBothKinds(std::int32_t z, double energy)
    {
        Check(z, energy, 0);
        Check(z, energy, 16);
    }
};

#define EXPECT_NO_MISMATCH(tally) \
    EXPECT_EQ((tally).mismatches, 0) << "of " << (tally).calls << " calls:\n" << (tally).first.str()

// 10^6 random arguments in four shards (ctest runs them side by side):
// energies log-uniform over the whole range, any element, either kind.
class SelquinRandomArguments : public ::testing::TestWithParam<int>
{ };

TEST_P(SelquinRandomArguments, MatchThePublishedAlgorithm)
{
    std::mt19937_64 rng(0x5e1c0u + static_cast<unsigned>(GetParam()));
    std::uniform_int_distribution<std::int32_t> element(1, kElementCount);
    std::uniform_real_distribution<double> lnEnergy(0.0, std::log(20000.0));
    std::bernoulli_distribution absorption(0.5);
    Tally tally;
    for (int i = 0; i < 250000; ++i) {
        const double energy = std::clamp(std::exp(lnEnergy(rng)), 1.0, 20000.0);
        tally.Check(element(rng), energy, absorption(rng) ? 16 : 0);
    }
    EXPECT_EQ(tally.calls, 250000);
    EXPECT_NO_MISMATCH(tally);
}

INSTANTIATE_TEST_SUITE_P(Shards, SelquinRandomArguments, ::testing::Range(0, 4));

TEST(SelquinDifferential, EveryStoredEnergyAndItsNeighbours)
{
    Tally tally;
    int row = 0;
    for (std::int32_t z = 1; z <= kElementCount; ++z) {
        for (int r = 0; r < kRowCounts[z - 1]; ++r, ++row) {
            const double e = kRows[row][0];
            for (double at : {e, std::nextafter(e, 0.0), std::nextafter(e, 1e9), e * (1 - 1e-9), e * (1 + 1e-9)}) {
                tally.CheckBothKinds(z, at);
            }
        }
    }
    EXPECT_EQ(row, kRowTotal);
    EXPECT_NO_MISMATCH(tally);
}

TEST(SelquinDifferential, EveryEdgeEnergyOfEveryElement)
{
    Tally tally;
    int edges = 0;
    for (std::int32_t z = 1; z <= kElementCount; ++z) {
        for (std::int32_t n = 1; n <= 12; ++n) {
            const double edge = GetAbsEdgeH(z, n);
            EXPECT_EQ(edge, reference::GetAbsEdgeH(z, n)) << "Z=" << z << " N=" << n;
            if (edge < 0) {
                continue;
            }
            ++edges;
            // On the edge, the last doubles below it, and a step of 0.001 keV down
            // (where the program samples the curve to draw the jump).
            for (double at : {edge, std::nextafter(edge, 0.0), edge - 0.001, std::nextafter(edge, 1e9)}) {
                tally.CheckBothKinds(z, at);
            }
        }
    }
    int pairs = 0; // adjacent rows of one element at one energy
    for (int r = 1, row = 0, z = 0; r < kRowTotal; ++r) {
        while (r >= row + kRowCounts[z]) {
            row += kRowCounts[z++];
        }
        pairs += r > row && kRows[r][0] == kRows[r - 1][0];
    }
    EXPECT_EQ(edges, pairs);
    EXPECT_NO_MISMATCH(tally);
}

TEST(SelquinDifferential, RangeEndsAndInvalidArguments)
{
    Tally tally;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> energies{1.0,
                                       std::nextafter(1.0, 2.0),
                                       std::nextafter(1.0, 0.0),
                                       0.9999,
                                       20000.0,
                                       std::nextafter(20000.0, 0.0),
                                       std::nextafter(20000.0, 1e9),
                                       20000.5,
                                       0.0,
                                       -1.0,
                                       nan,
                                       -nan,
                                       inf,
                                       -inf};
    const std::vector<std::int32_t> elements{std::numeric_limits<std::int32_t>::min(), -5, 0, 1, 2, 41, 92, 93, 99, 100,
                                             std::numeric_limits<std::int32_t>::max()};
    for (std::int32_t z : elements) {
        for (double e : energies) {
            for (std::int32_t kind = -2; kind <= 23; ++kind) {
                tally.Check(z, e, kind);
            }
            tally.Check(z, e, std::numeric_limits<std::int32_t>::min());
            tally.Check(z, e, std::numeric_limits<std::int32_t>::max());
        }
    }
    EXPECT_NO_MISMATCH(tally);
}

} // namespace
} // namespace pheltra::selquin
