// The shape of library H's curves: between two stored rows a curve stays
// within 5 % (in ln) of the two stored values, and energy absorption never
// exceeds attenuation. Elements whose natural spline above the K edge would
// swing far outside (chromium, molybdenum, thulium: an edge just below a
// grid energy) start their spline at the row after the edge instead.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "datalib/h/selquin.h"
#include "datalib/h/selquin_table_data.h"
#include "tests/datalib/h/selquin_reference.h"

namespace pheltra::selquin {
namespace {

TEST(SelquinCurves, OnlyChromiumMolybdenumAndThuliumNeedTheMend)
{
    EXPECT_EQ(reference::OscillatingElements(), (std::set<std::int32_t>{24, 42, 69}));
    // Far apart from the rest: no element is a borderline case.
    for (std::int32_t z = 1; z <= kElementCount; ++z) {
        const long double swing = reference::SplineSwing(z);
        EXPECT_TRUE(swing > 0.5L || swing < 0.025L) << "Z=" << z << " swings by " << static_cast<double>(swing);
    }
}

TEST(SelquinCurves, StayBetweenTheirStoredValuesAndAbsorptionBelowAttenuation)
{
    constexpr int kSteps = 64;
    const double tolerance = 0.05;
    int row = 0;
    for (std::int32_t z = 1; z <= kElementCount; ++z) {
        double worst = 0.0;
        for (int r = 0; r + 1 < kRowCounts[z - 1]; ++r) {
            const float *lo = kRows[row + r];
            const float *hi = kRows[row + r + 1];
            if (lo[0] == hi[0]) {
                continue; // an edge: nothing lies between
            }
            for (int s = 1; s < kSteps; ++s) {
                const double lnLo = std::log(static_cast<double>(lo[0]));
                const double lnHi = std::log(static_cast<double>(hi[0]));
                const double e = std::exp(lnLo + (lnHi - lnLo) * s / kSteps);
                const double mu = GetMuCoeffH(z, e, 0);
                const double muen = GetMuCoeffH(z, e, 16);
                ASSERT_LE(muen, mu) << "Z=" << z << " E=" << e;
                for (int c : {1, 2}) {
                    const double v = std::log(c == 1 ? mu : muen);
                    const double a = std::log(static_cast<double>(lo[c]));
                    const double b = std::log(static_cast<double>(hi[c]));
                    worst = std::max({worst, std::min(a, b) - v, v - std::max(a, b)});
                }
            }
        }
        EXPECT_LE(worst, tolerance) << "Z=" << z;
        row += kRowCounts[z - 1];
    }
}

TEST(SelquinCurves, MendedSplinesStartAtTheRowAfterTheEdge)
{
    // Started one row later, the spline of every mended element stays well
    // inside its brackets.
    for (std::int32_t z : reference::OscillatingElements()) {
        EXPECT_LT(reference::SplineSwing(z, 1), 0.025L) << "Z=" << z;
    }
    // The literal spline gave chromium's attenuation at 6.7 keV about 40 times
    // too large; the spline from the 6 keV row stays between the 6 and 8 keV
    // values, close to log-log there (the curve is nearly straight in ln-ln).
    const double mu6 = GetMuCoeffH(24, 6.0, 0);
    const double mu8 = GetMuCoeffH(24, 8.0, 0);
    const double logLog = std::exp(std::log(mu6) + std::log(6.7 / 6.0) * std::log(mu8 / mu6) / std::log(8.0 / 6.0));
    EXPECT_LT(GetMuCoeffH(24, 6.7, 0), mu6);
    EXPECT_GT(GetMuCoeffH(24, 6.7, 0), mu8);
    EXPECT_NEAR(GetMuCoeffH(24, 6.7, 0), logLog, 0.02 * logLog);
    // From the K edge (5.989 keV) to the 6 keV row: log-log.
    const double edge = GetAbsEdgeH(24, 1);
    const double atEdge = GetMuCoeffH(24, edge, 0);
    const double e = 5.995;
    const double expected =
        std::exp(std::log(atEdge) + std::log(e / edge) * std::log(mu6 / atEdge) / std::log(6.0 / edge));
    EXPECT_NEAR(GetMuCoeffH(24, e, 0), expected, 1e-12 * expected);
    // Molybdenum's energy absorption at 23.5 keV lies between the 20 and 30 keV values.
    const double v = GetMuCoeffH(42, 23.5, 16);
    EXPECT_LT(v, GetMuCoeffH(42, 20.0, 16));
    EXPECT_GT(v, GetMuCoeffH(42, 30.0, 16));
    // Thulium between the 60 and 80 keV rows.
    EXPECT_LT(GetMuCoeffH(69, 70.0, 0), GetMuCoeffH(69, 60.0, 0));
    EXPECT_GT(GetMuCoeffH(69, 70.0, 0), GetMuCoeffH(69, 80.0, 0));
}

} // namespace
} // namespace pheltra::selquin
