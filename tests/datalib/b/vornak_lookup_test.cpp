// libvornak.so as its callers see it: argument checks, the interval rules,
// edges, thresholds and the kind table.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "datalib/b/vornak.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool IsStoredFloat(double v)
{
    return static_cast<double>(static_cast<float>(v)) == v;
}

TEST(VornakLookup, StoredEnergiesGiveStoredValues)
{
    EXPECT_NEAR(GetMuCoeffB(1, 1.0, 0), 7.2169, 0.002 * 7.2169);
    EXPECT_TRUE(IsStoredFloat(GetMuCoeffB(1, 1.0, 0)));
    EXPECT_TRUE(IsStoredFloat(GetMuCoeffB(1, static_cast<double>(1.4f), 0)));
    EXPECT_FALSE(IsStoredFloat(GetMuCoeffB(1, 1.5, 0)));
}

TEST(VornakLookup, InterpolatesLogLogBetweenRows)
{
    // 1.5 keV lies between the 1.4 and 1.6 keV rows of hydrogen.
    const double lo = GetMuCoeffB(1, static_cast<double>(1.4f), 0);
    const double hi = GetMuCoeffB(1, static_cast<double>(1.6f), 0);
    const double slope = std::log(hi / lo) / std::log(static_cast<double>(1.6f) / 1.4f);
    const double expected = lo * std::exp(slope * std::log(1.5 / static_cast<double>(1.4f)));
    EXPECT_NEAR(GetMuCoeffB(1, 1.5, 0), expected, 1e-12 * expected);
    EXPECT_LT(GetMuCoeffB(1, 1.5, 0), lo);
    EXPECT_GT(GetMuCoeffB(1, 1.5, 0), hi);
}

TEST(VornakLookup, LeadEdgesFromTheTop)
{
    const double expected[] = {88.29, 15.847, 15.251, 13.04, 3.8243, 3.5493, 3.0546, 2.5947, 2.489};
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(GetAbsEdgeB(82, n), static_cast<double>(static_cast<float>(expected[n - 1]))) << "N = " << n;
    }
    for (int n = 10; n <= 12; ++n) {
        EXPECT_EQ(GetAbsEdgeB(82, n), -1.0) << "N = " << n;
    }
}

TEST(VornakLookup, EdgeCountsAndBounds)
{
    for (int z = 1; z <= 10; ++z) {
        EXPECT_EQ(GetAbsEdgeB(z, 1), -1.0) << "Z = " << z;
    }
    EXPECT_GT(GetAbsEdgeB(11, 1), 1.0);
    EXPECT_EQ(GetAbsEdgeB(11, 2), -1.0);
    EXPECT_GT(GetAbsEdgeB(99, 12), 1.0);  // element 99 has 13 edges above 1 keV,
    EXPECT_EQ(GetAbsEdgeB(99, 13), -1.0); // but only twelve can be asked for
    for (const int n : {0, -1, 13}) {
        EXPECT_EQ(GetAbsEdgeB(82, n), -1.0) << "N = " << n;
    }
    for (const int z : {0, 100, -5}) {
        EXPECT_EQ(GetAbsEdgeB(z, 1), -1.0) << "Z = " << z;
    }
}

TEST(VornakLookup, EdgeEnergyGivesTheAboveEdgeValue)
{
    const double k = GetAbsEdgeB(82, 1);
    const double at_edge = GetMuCoeffB(82, k, 0);
    const double just_below = GetMuCoeffB(82, k - 0.001, 0);
    EXPECT_GT(at_edge, 3.5 * just_below); // the K jump of lead
    EXPECT_NEAR(at_edge, 7.5, 0.1);
    EXPECT_NEAR(just_below, 1.82, 0.01);
    EXPECT_GT(GetMuCoeffB(82, std::nextafter(k, 0.0), 1), 0.0);
    EXPECT_LT(GetMuCoeffB(82, std::nextafter(k, 0.0), 1), 1.6);
}

TEST(VornakLookup, KindTable)
{
    const double energy = 3200.0; // a stored energy, where totals are exact sums
    for (const int kind : {0, 1, 2, 3, 4, 5, 8, 9, 11, 12, 16, 17, 19, 20}) {
        EXPECT_GT(GetMuCoeffB(26, energy, kind), 0.0) << "kind " << kind;
    }
    for (const int kind : {6, 7, 13, 14, 15, 21, -1, 22, 1000}) {
        EXPECT_EQ(GetMuCoeffB(26, energy, kind), -1.0) << "kind " << kind;
    }
    for (const double e : {1.0, 88.29, 1022.5, 50000.0}) {
        EXPECT_EQ(GetMuCoeffB(82, e, 10), 0.0) << e;
        EXPECT_EQ(GetMuCoeffB(82, e, 18), 0.0) << e;
    }
    // Each group keeps its process order: total, p.e., (Rayleigh), Compton, pair.
    EXPECT_EQ(GetMuCoeffB(26, energy, 8),
              static_cast<double>(static_cast<float>(GetMuCoeffB(26, energy, 9) + GetMuCoeffB(26, energy, 11) +
                                                     GetMuCoeffB(26, energy, 12))));
    EXPECT_LT(GetMuCoeffB(26, energy, 19), GetMuCoeffB(26, energy, 11));
    EXPECT_LT(GetMuCoeffB(26, energy, 11), GetMuCoeffB(26, energy, 3));
}

TEST(VornakLookup, EnergyAndElementBounds)
{
    EXPECT_GT(GetMuCoeffB(26, 1.0, 0), 0.0);
    EXPECT_GT(GetMuCoeffB(26, 50000.0, 0), 0.0);
    for (const double e : {0.9999, 50000.01, 0.0, -1.0, kNaN, std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(GetMuCoeffB(26, e, 0), -1.0) << e;
    }
    for (const int z : {0, 100, -5}) {
        for (int kind = -1; kind <= 22; ++kind) {
            EXPECT_EQ(GetMuCoeffB(z, 100.0, kind), -1.0) << "Z = " << z << ", kind " << kind;
        }
    }
}

TEST(VornakLookup, PairRisesFromItsThreshold)
{
    for (const int kind : {4, 12, 20}) {
        SCOPED_TRACE("kind " + std::to_string(kind));
        EXPECT_EQ(GetMuCoeffB(6, 1022.0, kind), 0.0);
        EXPECT_EQ(GetMuCoeffB(6, 1022.005, kind), 0.0);
        EXPECT_EQ(GetMuCoeffB(6, 1022.0068, kind), 0.0);
        const double just_above = GetMuCoeffB(6, std::nextafter(1022.0068, 2000.0), kind);
        EXPECT_GT(just_above, 0.0);
        EXPECT_LT(just_above, 1e-90);
        double previous = just_above;
        for (double e = 1023.0; e < 1100.0; e += 1.0) {
            const double v = GetMuCoeffB(6, e, kind);
            EXPECT_GT(v, previous) << e;
            previous = v;
        }
        const double stored = GetMuCoeffB(6, 1100.0, kind);
        EXPECT_GT(stored, previous);
        // Past the first 2 % above the threshold the rows carry the rise itself:
        // about 4e-8 cm2/g for carbon at 1050 keV (the threshold rule across the
        // whole interval up to 1100 keV gave about 1e-59).
        EXPECT_GT(GetMuCoeffB(6, 1050.0, kind), 1e-10);
    }
}

TEST(VornakLookup, TripletRisesFromItsThreshold)
{
    EXPECT_EQ(GetMuCoeffB(6, 2044.0, 5), 0.0);
    EXPECT_EQ(GetMuCoeffB(6, 2044.0136, 5), 0.0);
    EXPECT_GT(GetMuCoeffB(6, std::nextafter(2044.0136, 3000.0), 5), 0.0);
    EXPECT_LT(GetMuCoeffB(6, 2100.0, 5), GetMuCoeffB(6, 2200.0, 5));
    EXPECT_GT(GetMuCoeffB(6, 2200.0, 5), 0.0);
    EXPECT_GT(GetMuCoeffB(6, 2100.0, 4), 0.0); // pair is open there
}

TEST(VornakLookup, VersionText)
{
    EXPECT_STREQ(GetVornakVersion(), "1.02 / 1998-03-01");
    EXPECT_EQ(GetVornakVersion(), GetVornakVersion());
}

} // namespace
