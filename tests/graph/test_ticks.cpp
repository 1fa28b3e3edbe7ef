#include "graph/ticks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

using ::testing::DoubleNear;
using ::testing::ElementsAre;
using ::testing::Pointwise;

namespace {

TScale Linear(double min, double max, double step, double intersection, int minors)
{
    TScale s;
    s.SetMin(min);
    s.SetMax(max);
    s.SetLinStep(step);
    s.SetIntersection(intersection);
    s.SetMinorTickNumber(std::uint16_t(minors));
    return s;
}

TScale Log(double min, double max, TMajLogTicks major, TMinLogTicks minor)
{
    TScale s;
    s.SetScaleType(stLog);
    s.SetMin(min);
    s.SetMax(max);
    s.SetMajorLogPattern(major);
    s.SetMinorLogPattern(minor);
    return s;
}

} // namespace

TEST(GenerateTicks, LinearMajorsKeepThePhaseOfTheIntersection)
{
    const TTickLists t = GenerateTicks(Linear(0, 10, 2, 1, 1));
    EXPECT_THAT(t.Major, ElementsAre(1, 3, 5, 7, 9));
    EXPECT_EQ(t.Base, -1);
    EXPECT_THAT(t.Minor, ElementsAre(0, 2, 4, 6, 8, 10));
}

TEST(GenerateTicks, LinearPhaseFromFarBelowAndAbove)
{
    EXPECT_THAT(GenerateTicks(Linear(100, 110, 5, -7, 0)).Major, ElementsAre(103, 108));
    EXPECT_THAT(GenerateTicks(Linear(100, 110, 5, 1000, 0)).Major, ElementsAre(100, 105, 110));
}

TEST(GenerateTicks, LinearTickOnTheRangeEndIsKept)
{
    // 3 x 0.1 is 0.30000000000000004, above Max.
    const TTickLists t = GenerateTicks(Linear(0, 0.3, 0.1, 0, 1));
    ASSERT_EQ(t.Major.size(), 4u);
    EXPECT_NEAR(t.Major.back(), 0.3, 1e-15);
    EXPECT_EQ(t.Minor.size(), 3u);
    // And a phase that lands a hair below Min starts at Min.
    EXPECT_EQ(GenerateTicks(Linear(0.3, 1, 0.1, 0, 0)).Major.front(), 0.3);
}

TEST(GenerateTicks, ZeroTickIsExactlyZero)
{
    const TTickLists t = GenerateTicks(Linear(-1, 1, 0.1, -1, 1));
    ASSERT_EQ(t.Major.size(), 21u);
    EXPECT_EQ(t.Major[10], 0.0);
    EXPECT_NEAR(t.Major[20], 1, 1e-12);
}

TEST(GenerateTicks, FirstMajorAppendedEvenAboveMax)
{
    const TTickLists t = GenerateTicks(Linear(0, 1, 5, 3, 0));
    EXPECT_THAT(t.Major, ElementsAre(3));
}

TEST(GenerateTicks, NoListExceedsTwoHundredValues)
{
    const TTickLists t = GenerateTicks(Linear(0, 10, 1e-6, 0, 9));
    EXPECT_EQ(t.Major.size(), 200u);
    EXPECT_EQ(t.Minor.size(), 200u);
    const TTickLists l = GenerateTicks(Log(1e-300, 1e300, 0xFF, kMinLogTicksMask));
    EXPECT_EQ(l.Major.size(), 200u);
    EXPECT_EQ(l.Minor.size(), 200u);
}

TEST(GenerateTicks, TerminatesForEveryLinearStep)
{
    for (double step : {0.0, -2.0, double(NAN), 1e-300}) {
        const TTickLists t = GenerateTicks(Linear(0, 10, step, 0, 3));
        EXPECT_LE(t.Major.size(), 200u);
        EXPECT_LE(t.Minor.size(), 200u);
    }
    const TTickLists t = GenerateTicks(Linear(5, 10, 0, 0, 3));
    EXPECT_THAT(t.Major, ElementsAre(5));
    EXPECT_TRUE(t.Minor.empty());
    // A step too small to move the value at all still ends.
    EXPECT_LE(GenerateTicks(Linear(1e20, 2e20, 1, 0, 1)).Major.size(), 200u);
}

TEST(GenerateTicks, LogMajorsAtDecadesAndFives)
{
    const TTickLists t = GenerateTicks(Log(1, 1000, lt50, kSparsePattern));
    EXPECT_THAT(t.Major, Pointwise(DoubleNear(1e-12), {1.0, 5.0, 10.0, 50.0, 100.0, 500.0, 1000.0}));
    EXPECT_DOUBLE_EQ(t.Base, 0.1);
}

TEST(GenerateTicks, LogMinorsIncludeTheDecades)
{
    // Decades below 1 are exact: the top decade at Max is not lost to a
    // product of 0.1 that drifted above it.
    // The main window's y axis: minor ticks at 5 only.
    const TTickLists t = GenerateTicks(Log(0.01, 10, 0, st50));
    EXPECT_THAT(t.Major, Pointwise(DoubleNear(1e-15), {0.01, 0.1, 1.0, 10.0}));
    EXPECT_THAT(t.Minor, Pointwise(DoubleNear(1e-15), {0.01, 0.05, 0.1, 0.5, 1.0, 5.0, 10.0}));
}

TEST(GenerateTicks, LogRangeBetweenDecades)
{
    const TTickLists t = GenerateTicks(Log(3, 40, lt20 | lt50, st15));
    EXPECT_THAT(t.Major, Pointwise(DoubleNear(1e-12), {5.0, 10.0, 20.0}));
    EXPECT_THAT(t.Minor, Pointwise(DoubleNear(1e-12), {10.0, 15.0}));
    // One decade below the smallest decade at or above Min.
    EXPECT_DOUBLE_EQ(t.Base, 1);
}

TEST(GenerateTicks, LogScaleWithoutPositiveFiniteRangeHasNoTicks)
{
    EXPECT_TRUE(GenerateTicks(Log(0, 10, lt50, st50)).Major.empty());
    EXPECT_TRUE(GenerateTicks(Log(1, INFINITY, lt50, st50)).Major.empty());
    EXPECT_TRUE(GenerateTicks(Log(1e308, 1.7e308, lt50, st50)).Major.size() <= 200);
}
