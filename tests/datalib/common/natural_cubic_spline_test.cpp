#include "datalib/common/natural_cubic_spline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace pheltra::datalib {
namespace {

struct Knots
{
    std::vector<long double> x;
    std::vector<long double> y;
};

std::vector<long double> SecondDerivativesOf(const Knots &k)
{
    std::vector<long double> y2(k.x.size());
    std::vector<long double> work(k.x.size());
    EXPECT_TRUE(SplineSecondDerivatives(k.x, k.y, y2, work));
    return y2;
}

Knots RandomKnots(std::mt19937_64 &rng, std::size_t m)
{
    std::uniform_real_distribution<double> step(0.05, 2.0);
    std::uniform_real_distribution<double> value(-5.0, 5.0);
    Knots k;
    long double x = value(rng);
    for (std::size_t i = 0; i < m; ++i) {
        k.x.push_back(x);
        k.y.push_back(value(rng));
        x += step(rng);
    }
    return k;
}

TEST(NaturalCubicSpline, SolvesThreeKnotsByHand)
{
    // Through (0,0), (1,1), (2,0) the curvature at the middle knot is -3, and
    // the left piece is 1.5 x - 0.5 x^3.
    const Knots k{{0, 1, 2}, {0, 1, 0}};
    const auto y2 = SecondDerivativesOf(k);
    EXPECT_DOUBLE_EQ(static_cast<double>(y2[1]), -3.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(SplineEvaluate(k.x, k.y, y2, 0.5L)), 0.6875);
    EXPECT_DOUBLE_EQ(static_cast<double>(SplineEvaluate(k.x, k.y, y2, 1.5L)), 0.6875);
}

TEST(NaturalCubicSpline, PassesThroughEveryKnotOfACubic)
{
    // Knots on p(x) = x^3 - 2x^2 + x + 1: the spline meets every sample, and
    // away from the ends (where the natural end conditions differ from p'')
    // it follows the cubic closely.
    const auto p = [](long double x) { return ((x - 2) * x + 1) * x + 1; };
    Knots k;
    for (int i = 0; i <= 40; ++i) {
        k.x.push_back(i * 0.25L);
        k.y.push_back(p(i * 0.25L));
    }
    const auto y2 = SecondDerivativesOf(k);
    for (std::size_t i = 0; i < k.x.size(); ++i) {
        EXPECT_NEAR(static_cast<double>(SplineEvaluate(k.x, k.y, y2, k.x[i])), static_cast<double>(k.y[i]),
                    1e-15 * std::fabs(static_cast<double>(k.y[i])));
    }
    for (long double x = 4.0L; x <= 6.0L; x += 0.01L) {
        EXPECT_NEAR(static_cast<double>(SplineEvaluate(k.x, k.y, y2, x)), static_cast<double>(p(x)),
                    1e-6 * static_cast<double>(p(x)));
    }
    // The interior curvature follows p'' = 6x - 4.
    EXPECT_NEAR(static_cast<double>(y2[20]), 6 * 5.0 - 4, 1e-6);
}

TEST(NaturalCubicSpline, IsTwiceContinuousWithFreeEnds)
{
    std::mt19937_64 rng(7);
    for (int trial = 0; trial < 50; ++trial) {
        const Knots k = RandomKnots(rng, 3 + trial % 30);
        const auto y2 = SecondDerivativesOf(k);
        const std::size_t m = k.x.size();
        EXPECT_EQ(y2.front(), 0.0L);
        EXPECT_EQ(y2.back(), 0.0L);
        // Slope and curvature of piece i at its ends, from the piece's own formula.
        const auto slope = [&](std::size_t i, bool atHigh) {
            const long double h = k.x[i + 1] - k.x[i];
            const long double dy = (k.y[i + 1] - k.y[i]) / h;
            return atHigh ? dy + h * (y2[i] + 2 * y2[i + 1]) / 6 : dy - h * (2 * y2[i] + y2[i + 1]) / 6;
        };
        for (std::size_t i = 1; i + 1 < m; ++i) {
            EXPECT_NEAR(static_cast<double>(slope(i - 1, true)), static_cast<double>(slope(i, false)), 1e-12);
        }
        // Numerically: the curve meets each knot, and its curvature just inside
        // the ends is close to zero.
        for (std::size_t i = 0; i < m; ++i) {
            EXPECT_NEAR(static_cast<double>(SplineEvaluate(k.x, k.y, y2, k.x[i])), static_cast<double>(k.y[i]), 1e-15);
        }
        const long double d = 1e-4L;
        const auto at = [&](long double x) { return SplineEvaluate(k.x, k.y, y2, x); };
        const long double left = (at(k.x[0] + 2 * d) - 2 * at(k.x[0] + d) + at(k.x[0])) / (d * d);
        const long double right = (at(k.x[m - 1]) - 2 * at(k.x[m - 1] - d) + at(k.x[m - 1] - 2 * d)) / (d * d);
        const long double bound = 1e-2L * (1 + std::fabs(y2[1]) + std::fabs(y2[m - 2]));
        EXPECT_LT(std::fabs(left), bound);
        EXPECT_LT(std::fabs(right), bound);
    }
}

TEST(NaturalCubicSpline, ExtrapolatesTheEndPieces)
{
    std::mt19937_64 rng(11);
    const Knots k = RandomKnots(rng, 8);
    const auto y2 = SecondDerivativesOf(k);
    const long double below = k.x.front() - 1.5L;
    const long double above = k.x.back() + 2.5L;
    EXPECT_EQ(SplineEvaluate(k.x, k.y, y2, below),
              SplinePieceValue(k.x[0], k.x[1], k.y[0], k.y[1], y2[0], y2[1], below));
    EXPECT_EQ(SplineEvaluate(k.x, k.y, y2, above),
              SplinePieceValue(k.x[6], k.x[7], k.y[6], k.y[7], y2[6], y2[7], above));
    // Collinear knots give a straight line, beyond the ends too.
    const Knots line{{1, 2, 4, 7}, {3, 5, 9, 15}};
    const auto flat = SecondDerivativesOf(line);
    for (long double x : {-3.0L, 0.0L, 1.5L, 5.0L, 10.0L}) {
        EXPECT_NEAR(static_cast<double>(SplineEvaluate(line.x, line.y, flat, x)), static_cast<double>(2 * x + 1),
                    1e-15 * (1 + std::fabs(static_cast<double>(x))));
    }
}

TEST(NaturalCubicSpline, BracketsLikeBisection)
{
    const std::vector<long double> x{0, 1, 2, 3, 4};
    EXPECT_EQ(SplineBracket(x, -1.0L), 0u);
    EXPECT_EQ(SplineBracket(x, 0.0L), 0u);
    EXPECT_EQ(SplineBracket(x, 0.999L), 0u);
    EXPECT_EQ(SplineBracket(x, 1.0L), 1u);
    EXPECT_EQ(SplineBracket(x, 3.5L), 3u);
    EXPECT_EQ(SplineBracket(x, 4.0L), 3u); // the top knot stays on the last piece
    EXPECT_EQ(SplineBracket(x, 9.0L), 3u);
    const std::vector<long double> two{0, 1};
    EXPECT_EQ(SplineBracket(two, 0.5L), 0u);
}

TEST(NaturalCubicSpline, PerCallSolveEqualsPrecomputedBitForBit)
{
    std::mt19937_64 rng(3);
    std::uniform_real_distribution<double> where(-6.0, 40.0);
    for (int trial = 0; trial < 40; ++trial) {
        const Knots k = RandomKnots(rng, 2 + trial);
        NaturalCubicSpline<66> spline;
        for (std::size_t i = 0; i < k.x.size(); ++i) {
            ASSERT_TRUE(spline.AddKnot(k.x[i], k.y[i]));
        }
        std::vector<long double> kept(k.x.size());
        ASSERT_TRUE(spline.SecondDerivatives(kept));
        EXPECT_EQ(kept, SecondDerivativesOf(k));
        for (int i = 0; i < 20; ++i) {
            const long double at = where(rng);
            EXPECT_EQ(spline.Evaluate(at), SplineEvaluate(k.x, k.y, kept, at));
        }
    }
}

TEST(NaturalCubicSpline, RefusesWhatItCannotSolve)
{
    NaturalCubicSpline<3> spline;
    EXPECT_TRUE(std::isnan(spline.Evaluate(1.0L)));
    ASSERT_TRUE(spline.AddKnot(0, 1));
    EXPECT_TRUE(std::isnan(spline.Evaluate(1.0L))); // one knot is no curve
    ASSERT_TRUE(spline.AddKnot(1, 2));
    ASSERT_TRUE(spline.AddKnot(2, 4));
    EXPECT_FALSE(spline.AddKnot(3, 8)); // over capacity: refused, set unchanged
    EXPECT_EQ(spline.Count(), 3u);
    EXPECT_FALSE(std::isnan(spline.Evaluate(1.5L)));
    std::vector<long double> wrongSize(2);
    EXPECT_FALSE(spline.SecondDerivatives(wrongSize));
    spline.Clear();
    EXPECT_EQ(spline.Count(), 0u);

    const std::vector<long double> x{0, 1, 2};
    const std::vector<long double> y{0, 1};
    std::vector<long double> y2(3, 42.0L);
    std::vector<long double> work(3);
    EXPECT_FALSE(SplineSecondDerivatives(x, y, y2, work));
    EXPECT_EQ(y2[0], 42.0L);
    EXPECT_TRUE(std::isnan(SplineEvaluate(x, y, y2, 0.5L)));
}

} // namespace
} // namespace pheltra::datalib
