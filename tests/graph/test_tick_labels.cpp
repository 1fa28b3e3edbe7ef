// A logarithmic axis readable at any range: subdivision of short ranges,
// label texts, and leaving out labels that would run into each other.
#include "graph/tick_labels.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

using ::testing::ElementsAre;

namespace {

// The energy axis of the main window: extra major at 5, the sparse minors.
TScale EnergyAxis(double min, double max)
{
    TScale s;
    s.SetScaleType(stLog);
    s.SetMin(min);
    s.SetMax(max);
    s.SetMajorLogPattern(lt50);
    s.SetMinorLogPattern(kSparsePattern);
    return s;
}

std::vector<bool> Fit(const std::vector<double> &values, const std::vector<TLabelSpan> &spans, int gap = 0)
{
    return FitLabels(values, spans, gap);
}

} // namespace

TEST(ReadableTicks, AShortRangeIsSubdividedIntoHalvesOfTheDecade)
{
    const TScale s = EnergyAxis(1000, 2000);
    // As generated, only the decade at the left end is a major tick.
    ASSERT_THAT(GenerateTicks(s).Major, ElementsAre(1000));
    const TTickLists t = ReadableTicks(s, GenerateTicks(s));
    EXPECT_THAT(t.Major, ElementsAre(1000, 1500, 2000));
    // The minors (grid lines) are the tenths of the decade.
    ASSERT_EQ(t.Minor.size(), 11u);
    EXPECT_EQ(t.Minor[1], 1100);
    EXPECT_EQ(t.Minor.back(), 2000);
}

TEST(ReadableTicks, CoarsestSubdivisionWithThreeTicks)
{
    // 1-2-5 gives only 200 and 500 in 150..600, so 1..9 it is.
    EXPECT_THAT(ReadableTicks(EnergyAxis(150, 600), GenerateTicks(EnergyAxis(150, 600))).Major,
                ElementsAre(200, 300, 400, 500, 600));
    const TScale small = EnergyAxis(0.0011, 0.0095);
    EXPECT_THAT(ReadableTicks(small, GenerateTicks(small)).Major,
                ElementsAre(0.002, 0.003, 0.004, 0.005, 0.006, 0.007, 0.008, 0.009));
    // An axis of decades only (the coefficient axis) over 0.15..6 has just
    // the decade 1 inside: 1-2-5 gives five ticks, 1..9 the minors.
    TScale y = EnergyAxis(0.15, 6);
    y.SetMajorLogPattern(0);
    const TTickLists t = ReadableTicks(y, GenerateTicks(y));
    EXPECT_THAT(t.Major, ElementsAre(0.2, 0.5, 1, 2, 5));
    EXPECT_THAT(t.Minor, ElementsAre(0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1, 2, 3, 4, 5, 6));
}

TEST(ReadableTicks, EveryRangeTheRangeDialogAcceptsHasTwoMajorsInside)
{
    // The dialog takes any range whose maximum is at least twice its minimum.
    for (double lo = 1e-3; lo < 1e6; lo *= 1.0137) {
        const TScale s = EnergyAxis(lo, 2 * lo);
        const TTickLists t = ReadableTicks(s, GenerateTicks(s));
        ASSERT_GE(t.Major.size(), 2u) << lo;
        for (double v : t.Major) {
            ASSERT_GE(v, lo * (1 - 1e-12)) << lo;
            ASSERT_LE(v, 2 * lo * (1 + 1e-12)) << lo;
        }
        ASSERT_LE(t.Minor.size(), std::size_t(kMaxTicks));
    }
}

TEST(ReadableTicks, RangesWithTwoMajorsAndLinearScalesStayExactly)
{
    for (const TScale &s : {EnergyAxis(1, 50000), EnergyAxis(0.01, 1e9), EnergyAxis(1, 10)}) {
        const TTickLists before = GenerateTicks(s);
        const TTickLists after = ReadableTicks(s, before);
        EXPECT_EQ(after.Major, before.Major);
        EXPECT_EQ(after.Minor, before.Minor);
        EXPECT_EQ(after.Base, before.Base);
    }
    TScale y; // the coefficient axis: decades only, minors at 5
    y.SetScaleType(stLog);
    y.SetMin(1e-2);
    y.SetMax(1e4);
    y.SetMajorLogPattern(0);
    y.SetMinorLogPattern(st50);
    EXPECT_EQ(ReadableTicks(y, GenerateTicks(y)).Major, GenerateTicks(y).Major);
    TScale lin;
    lin.SetMin(0);
    lin.SetMax(10);
    lin.SetLinStep(20);
    EXPECT_EQ(ReadableTicks(lin, GenerateTicks(lin)).Major, GenerateTicks(lin).Major);
}

TEST(TickLabelText, DecadesMantissasAndFullLabels)
{
    EXPECT_TRUE(IsDecade(1000));
    EXPECT_TRUE(IsDecade(0.001));
    EXPECT_TRUE(IsDecade(1e-300));
    EXPECT_FALSE(IsDecade(2000));
    EXPECT_FALSE(IsDecade(0));
    EXPECT_FALSE(IsDecade(-10));

    // Without a decade among the majors the labels name their power.
    const TScale s = EnergyAxis(1100, 2400);
    EXPECT_TRUE(FullLogLabels(s, {1500, 2000}));
    EXPECT_FALSE(FullLogLabels(s, {1000, 1500}));

    EXPECT_EQ(TrimMantissaZeros("2.0E+003"), "2E+003");
    EXPECT_EQ(TrimMantissaZeros("1,50E-002"), "1,5E-002");
    EXPECT_EQ(TrimMantissaZeros("1.5E+003"), "1.5E+003");
    EXPECT_EQ(TrimMantissaZeros("10E+003"), "10E+003");
    EXPECT_EQ(TrimMantissaZeros("100.00"), "100.00");

    // A tick between two whole mantissas is labelled in full: its leading
    // digit alone would read 1.5 x 10^3 as 2.
    EXPECT_TRUE(WholeMantissa(2000));
    EXPECT_TRUE(WholeMantissa(0.005));
    EXPECT_TRUE(WholeMantissa(1e-2));
    EXPECT_FALSE(WholeMantissa(1500));
    EXPECT_FALSE(WholeMantissa(0.0011));
    EXPECT_FALSE(WholeMantissa(0));
}

TEST(FitLabels, DecadesFirstThenTwoAndFiveThenTheRest)
{
    // 10, 15, 20, 50, 100 with labels 20 wide at 12 px apart: the decades
    // stay, 50 fits between them, 15 and 20 run into 10.
    const std::vector<double> v{10, 15, 20, 50, 100};
    const std::vector<TLabelSpan> spans{{0, 20}, {12, 20}, {24, 20}, {60, 20}, {100, 20}};
    EXPECT_THAT(Fit(v, spans), ElementsAre(true, false, true, true, true));
    // With a gap of 5 the 20 no longer fits beside the 10.
    EXPECT_THAT(Fit(v, spans, 5), ElementsAre(true, false, false, true, true));
    // Labels that just touch are both shown; a 2 wins over a 1.5 between,
    // a 1.5 over a 1.1.
    EXPECT_THAT(Fit({1.1, 1.5}, {{0, 10}, {5, 10}}), ElementsAre(false, true));
    EXPECT_THAT(Fit({1, 1.5, 2}, {{0, 10}, {10, 10}, {20, 10}}), ElementsAre(true, true, true));
    EXPECT_THAT(Fit({1, 1.5, 2}, {{0, 10}, {9, 10}, {18, 10}}), ElementsAre(true, false, true));
}

TEST(FitLabels, DecadesThatCollideAreThinnedInAxisOrder)
{
    EXPECT_THAT(Fit({1, 10, 100, 1000}, {{0, 30}, {20, 30}, {40, 30}, {60, 30}}),
                ElementsAre(true, false, true, false));
    EXPECT_TRUE(Fit({}, {}).empty());
}
