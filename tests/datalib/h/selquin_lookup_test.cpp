// What a caller of library H sees: stored values, edges, interpolation on
// either side of the K edge, and the -1.0 answer to every invalid request.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "datalib/h/selquin.h"
#include "datalib/h/selquin_table_data.h"

namespace pheltra::selquin {
namespace {

constexpr std::int32_t kMu = 0;
constexpr std::int32_t kMuEn = 16;

double Stored(float v)
{
    return static_cast<double>(v);
}

TEST(SelquinLookup, HydrogenFollowsTheSplineThroughAllItsRows)
{
    EXPECT_EQ(GetMuCoeffH(1, 1.0, kMu), Stored(7.217f));
    EXPECT_EQ(GetMuCoeffH(1, 1.5, kMu), Stored(2.148f));
    EXPECT_NEAR(GetMuCoeffH(1, 1.2, kMu), 4.115, 0.0005);
    EXPECT_EQ(GetMuCoeffH(1, 20000.0, kMu), Stored(0.02153f));
    EXPECT_EQ(GetMuCoeffH(1, 20000.0, kMuEn), Stored(0.01606f));
    EXPECT_EQ(GetMuCoeffH(1, 1.0, kMuEn), Stored(6.82f));
}

TEST(SelquinLookup, LeadAroundItsKEdge)
{
    const double k = GetAbsEdgeH(82, 1);
    EXPECT_EQ(k, Stored(88.0045f));
    EXPECT_EQ(GetMuCoeffH(82, k, kMu), Stored(7.683f)); // the above-edge value
    EXPECT_EQ(GetMuCoeffH(82, k, kMuEn), Stored(2.16f));
    // Just below the edge the curve runs into the below-edge value.
    EXPECT_NEAR(GetMuCoeffH(82, std::nextafter(k, 0.0), kMu), 1.91, 1e-6);
    EXPECT_NEAR(GetMuCoeffH(82, k - 0.001, kMuEn), 1.482, 1e-4);
    EXPECT_EQ(GetMuCoeffH(82, 100.0, kMu), Stored(5.549f));
    // Below K: log-log between the stored 60 and 80 keV rows.
    const double mu60 = GetMuCoeffH(82, 60.0, kMu);
    const double mu80 = GetMuCoeffH(82, 80.0, kMu);
    const double loglog =
        std::exp(std::log(mu60) + std::log(70.0 / 60.0) * std::log(mu80 / mu60) / std::log(80.0 / 60.0));
    EXPECT_NEAR(GetMuCoeffH(82, 70.0, kMu), loglog, 1e-13 * loglog);
    // Above K the spline bends: it is not the straight log-log line.
    const double mu150 = GetMuCoeffH(82, 150.0, kMu);
    const double chord = std::exp(0.5 * (std::log(GetMuCoeffH(82, 100.0, kMu)) + std::log(mu150)));
    EXPECT_GT(std::fabs(GetMuCoeffH(82, std::sqrt(100.0 * 150.0), kMu) / chord - 1), 1e-4);
}

TEST(SelquinLookup, LeadM5EdgeGivesTheAboveEdgeValue)
{
    EXPECT_EQ(GetMuCoeffH(82, Stored(2.484f), kMu), Stored(1397.0f));
    EXPECT_EQ(GetMuCoeffH(82, Stored(2.484f), kMuEn), Stored(1366.0f));
    EXPECT_NEAR(GetMuCoeffH(82, std::nextafter(Stored(2.484f), 0.0), kMu), 800.6, 1e-4);
}

TEST(SelquinLookup, EdgesCountedFromTheTop)
{
    const float lead[] = {88.0045f, 15.8608f, 15.2f, 13.0352f, 3.8507f, 3.5542f, 3.0664f, 2.5856f, 2.484f};
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(GetAbsEdgeH(82, n), Stored(lead[n - 1])) << "N=" << n;
    }
    for (int n : {10, 11, 12, 13, 0, -1}) {
        EXPECT_EQ(GetAbsEdgeH(82, n), -1.0) << "N=" << n;
    }
    EXPECT_EQ(GetAbsEdgeH(26, 1), Stored(7.112f));
    EXPECT_EQ(GetAbsEdgeH(26, 2), -1.0); // iron's L edges lie below 1 keV
    EXPECT_EQ(GetAbsEdgeH(10, 1), -1.0);
    EXPECT_EQ(GetAbsEdgeH(11, 1), Stored(1.0721f));
    // Platinum has nine edges, its M5 edge at 2.1216 keV the lowest. Between
    // 2 keV and that edge the curve falls towards the below-edge value.
    EXPECT_EQ(GetAbsEdgeH(78, 8), Stored(2.2019f));
    EXPECT_EQ(GetAbsEdgeH(78, 9), Stored(2.1216f));
    EXPECT_EQ(GetAbsEdgeH(78, 10), -1.0);
    EXPECT_EQ(GetMuCoeffH(78, Stored(2.1216f), 0), Stored(1034.0f));
    EXPECT_LT(GetMuCoeffH(78, 2.1215, 0), 1.001 * 950.6);
    EXPECT_GT(GetMuCoeffH(78, 2.1215, 0), 950.6);
    EXPECT_EQ(GetAbsEdgeH(92, 12), Stored(1.0449f));
    for (int z : {0, 93, 99, -3}) {
        EXPECT_EQ(GetAbsEdgeH(z, 1), -1.0) << "Z=" << z;
    }
}

TEST(SelquinLookup, EveryStoredEnergyGivesItsStoredValue)
{
    // At an edge that is the value above it (the last row at that energy).
    int row = 0;
    for (std::int32_t z = 1; z <= kElementCount; ++z) {
        const int n = kRowCounts[z - 1];
        for (int r = 0; r < n; ++r) {
            const int last = r + 1 < n && kRows[row + r + 1][0] == kRows[row + r][0] ? r + 1 : r;
            const double e = kRows[row + r][0];
            EXPECT_EQ(GetMuCoeffH(z, e, kMu), Stored(kRows[row + last][1])) << "Z=" << z << " E=" << e;
            EXPECT_EQ(GetMuCoeffH(z, e, kMuEn), Stored(kRows[row + last][2])) << "Z=" << z << " E=" << e;
        }
        row += n;
    }
}

TEST(SelquinLookup, RefusesEveryInvalidRequest)
{
    for (std::int32_t kind = -1; kind <= 22; ++kind) {
        if (kind != kMu && kind != kMuEn) {
            EXPECT_EQ(GetMuCoeffH(26, 10.0, kind), -1.0) << "kind " << kind;
        }
    }
    for (std::int32_t z : {0, 93, 95, 99, 100, -5}) {
        EXPECT_EQ(GetMuCoeffH(z, 10.0, kMu), -1.0) << "Z=" << z;
    }
    EXPECT_GT(GetMuCoeffH(92, 10.0, kMu), 0.0);
    EXPECT_GT(GetMuCoeffH(26, 20000.0, kMu), 0.0);
    EXPECT_GT(GetMuCoeffH(26, 1.0, kMuEn), 0.0);
    for (double e : {20000.5, std::nextafter(20000.0, 1e9), 0.9999, std::nextafter(1.0, 0.0), 0.0, -1.0,
                     std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(GetMuCoeffH(26, e, kMu), -1.0) << "E=" << e;
    }
}

TEST(SelquinLookup, NamesItsVersion)
{
    EXPECT_STREQ(GetSelquinVersion(), "1.06 / 1998-04-16");
}

} // namespace
} // namespace pheltra::selquin
