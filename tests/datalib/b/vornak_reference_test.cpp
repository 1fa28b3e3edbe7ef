// The library's lookup (binary search, logarithms from build-time tables)
// against the algorithm as written (scan of every interval, logarithms on
// the spot): the results must be the same doubles, bit for bit.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "datalib/b/vornak.h"
#include "datalib/b/vornak_constants.h"
#include "datalib/b/vornak_table.h"
#include "tests/datalib/b/vornak_reference.h"

namespace pheltra::vornak {
namespace {

struct Tally
{
    long calls = 0;
    long mismatches = 0;
};

void Compare(std::int32_t z, double energy, std::int32_t kind, Tally &tally)
{
    const double fast = GetMuCoeffB(z, energy, kind);
    const double literal = reference::MuCoeff(z, energy, kind);
    ++tally.calls;
    if (std::bit_cast<std::uint64_t>(fast) != std::bit_cast<std::uint64_t>(literal)) {
        if (++tally.mismatches <= 10) {
            ADD_FAILURE() << "Z = " << z << ", E = " << energy << " keV, kind " << kind << ": " << fast << " vs "
                          << literal;
        }
    }
}

void CompareAllKinds(std::int32_t z, double energy, Tally &tally)
{
    for (std::int32_t kind = -1; kind <= 22; ++kind) {
        Compare(z, energy, kind, tally);
    }
}

// A few doubles on either side of e, and e itself.
std::vector<double> Around(double e)
{
    std::vector<double> out{e};
    double down = e;
    double up = e;
    for (int i = 0; i < 3; ++i) {
        down = std::nextafter(down, 0.0);
        up = std::nextafter(up, 1e9);
        out.push_back(down);
        out.push_back(up);
    }
    out.push_back(e * (1 - 1e-9));
    out.push_back(e * (1 + 1e-9));
    return out;
}

TEST(VornakReference, RandomArguments)
{
    std::mt19937_64 random(20240917);
    std::uniform_int_distribution<std::int32_t> element(0, 100);
    std::uniform_int_distribution<std::int32_t> kind(-1, 22);
    std::uniform_real_distribution<double> ln_energy(std::log(0.9), std::log(55000.0));
    Tally tally;
    for (int i = 0; i < 1'000'000; ++i) {
        Compare(element(random), std::exp(ln_energy(random)), kind(random), tally);
    }
    std::printf("random arguments: %ld calls, %ld differ\n", tally.calls, tally.mismatches);
    EXPECT_EQ(tally.mismatches, 0);
}

TEST(VornakReference, EveryStoredEnergyAndItsNeighbours)
{
    Tally tally;
    int first = 0;
    for (int z = 1; z <= kElementCount; ++z) {
        for (int r = first; r < first + kRowCounts[z - 1]; ++r) {
            for (const double e : Around(kRows[r][0])) {
                CompareAllKinds(z, e, tally);
            }
        }
        first += kRowCounts[z - 1];
    }
    std::printf("stored energies and neighbours: %ld calls, %ld differ\n", tally.calls, tally.mismatches);
    EXPECT_EQ(tally.mismatches, 0);
}

TEST(VornakReference, EdgesThresholdsAndRangeEnds)
{
    Tally tally;
    for (int z = 0; z <= 100; ++z) {
        for (std::int32_t n = -1; n <= 14; ++n) {
            ++tally.calls;
            const double fast = GetAbsEdgeB(z, n);
            const double literal = reference::AbsEdge(z, n);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(fast), std::bit_cast<std::uint64_t>(literal))
                << "Z = " << z << ", N = " << n;
            if (fast > 0) {
                for (const double e : Around(fast)) {
                    CompareAllKinds(z, e, tally);
                }
            }
        }
        std::vector<double> special = {1.0, 50000.0, 0.0, -1.0, 1e300, std::nan("")};
        for (const double t : {1022.0, kPairThreshold, 2044.0, kTripletThreshold}) {
            for (const double e : Around(t)) {
                special.push_back(e);
            }
        }
        // Across the threshold intervals, where the spline rises.
        for (double e = 1022.0; e <= 1100.0; e += 0.37) {
            special.push_back(e);
        }
        for (double e = 2044.0; e <= 2200.0; e += 0.71) {
            special.push_back(e);
        }
        for (const double e : special) {
            CompareAllKinds(z, e, tally);
        }
    }
    std::printf("edges, thresholds and range ends: %ld calls, %ld differ\n", tally.calls, tally.mismatches);
    EXPECT_EQ(tally.mismatches, 0);
}

} // namespace
} // namespace pheltra::vornak
