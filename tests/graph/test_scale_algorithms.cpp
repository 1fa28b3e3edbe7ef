#include "graph/graph_errors.h"
#include "graph/scale_algorithms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

TScale LogScale(double min, double max, bool autoSizing)
{
    TScale s;
    s.SetScaleType(stLog);
    s.SetMin(min);
    s.SetMax(max);
    s.SetIntersection(min);
    s.SetAutoSizing(autoSizing);
    return s;
}

bool Adjust(TScale &x, TScale &y, std::vector<TDataExtents> extents)
{
    return AdjustScales(x, y, extents, true);
}

} // namespace

TEST(NiceStep, RoundStepsForRanges)
{
    EXPECT_DOUBLE_EQ(NiceStep(1000), 200);
    EXPECT_DOUBLE_EQ(NiceStep(500), 100);
    EXPECT_DOUBLE_EQ(NiceStep(300), 100);
    EXPECT_DOUBLE_EQ(NiceStep(150), 50);
    EXPECT_NEAR(NiceStep(0.01), 0.002, 1e-18);
    EXPECT_DOUBLE_EQ(NiceStep(7), 2);
    EXPECT_DOUBLE_EQ(NiceStep(10), 2);
    EXPECT_DOUBLE_EQ(NiceStep(1), 0.2);
}

TEST(NiceStep, RangeThatIsNoPositiveNumberGivesNoStep)
{
    EXPECT_EQ(NiceStep(0), 0);
    EXPECT_EQ(NiceStep(-5), 0);
    EXPECT_EQ(NiceStep(NAN), 0);
    EXPECT_EQ(NiceStep(INFINITY), 0);
}

TEST(MinorCountForStep, OneForLeadingOneOrTwoFourForFive)
{
    EXPECT_EQ(MinorCountForStep(200), 1);
    EXPECT_EQ(MinorCountForStep(500), 4);
    EXPECT_EQ(MinorCountForStep(1), 1);
    EXPECT_EQ(MinorCountForStep(0.2), 1);
    EXPECT_EQ(MinorCountForStep(0.05), 4);
    // Powers of ten built by repeated multiplication sit a hair off the exact
    // value; they still count as leading digit 1.
    double b = 1;
    for (int i = 0; i < 7; ++i) {
        b *= 0.1;
        EXPECT_EQ(MinorCountForStep(b), 1) << b;
    }
}

TEST(LogFactors, NextMantissaFromThePattern)
{
    EXPECT_EQ(NextMajorLogFactor(lt50, 1), 5);
    EXPECT_EQ(NextMajorLogFactor(lt50, 5), 10);
    EXPECT_EQ(NextMajorLogFactor(lt20 | lt90, 2), 9);
    EXPECT_EQ(NextMajorLogFactor(0, 1), 10);
    EXPECT_EQ(NextMinorLogFactor(kSparsePattern, 4), 6);
    EXPECT_EQ(NextMinorLogFactor(st15 | st95, 1), 1.5);
    EXPECT_EQ(NextMinorLogFactor(st15 | st95, 1.5), 9.5);
    EXPECT_EQ(NextMinorLogFactor(st50, 5), 10);
}

TEST(ScaleProperties, SettersFireOnlyOnChange)
{
    TScale s;
    int changes = 0;
    s.OnChange.Bind([&] { ++changes; });
    s.SetMin(0);
    EXPECT_EQ(changes, 0);
    s.SetMin(1);
    s.SetScaleType(stLog);
    EXPECT_EQ(changes, 2);
    s.SetMinRange(100);
    EXPECT_EQ(changes, 3);
    s.SetAutoSizing(false);
    EXPECT_EQ(changes, 4);
    // The smallest range does not concern a fixed scale: no notification.
    s.SetMinRange(1000);
    EXPECT_EQ(s.MinRange(), 1000);
    EXPECT_EQ(changes, 4);
    // Assign copies values only; the copy keeps its own (empty) binding.
    TScale copy;
    copy.Assign(s);
    EXPECT_EQ(copy.Min(), 1);
    EXPECT_EQ(copy.MinRange(), 1000);
    EXPECT_EQ(changes, 4);
}

TEST(AdjustScales, LinearAxisFollowsDataWithTwoPercentMargins)
{
    TScale x, y;
    EXPECT_TRUE(Adjust(x, y, {{0, 100, 0, 100}}));
    EXPECT_DOUBLE_EQ(x.Min(), -2);
    EXPECT_DOUBLE_EQ(x.Max(), 102);
    EXPECT_DOUBLE_EQ(x.Intersection(), -2);
    // Auto stepping after the rescale: 104 wide, steps of 50 with 4 minors.
    EXPECT_DOUBLE_EQ(x.LinStep(), 50);
    EXPECT_EQ(x.MinorTickNumber(), 4);
    // The same data again: nothing changes.
    EXPECT_FALSE(Adjust(x, y, {{0, 100, 0, 100}}));
}

TEST(AdjustScales, NarrowLinearDataGetsTheSmallestRange)
{
    TScale x, y;
    Adjust(x, y, {{5, 5, 1, 2}});
    EXPECT_DOUBLE_EQ(x.Min(), 5);
    EXPECT_DOUBLE_EQ(x.Max(), 15);
}

TEST(AdjustScales, RangeSpansEveryEnabledSeries)
{
    TScale x, y;
    Adjust(x, y, {{10, 20, 1, 2}, {0, 15, -3, 1}});
    EXPECT_DOUBLE_EQ(x.Min(), 0 - 0.4);
    EXPECT_DOUBLE_EQ(x.Max(), 20 + 0.4);
    EXPECT_DOUBLE_EQ(y.Min(), -3 - 0.1);
}

TEST(AdjustScales, WideLogAxesShowDecadesOnly)
{
    TScale x = LogScale(1, 10, true), y = LogScale(1, 10, true);
    Adjust(x, y, {{1, 10000, 1, 10000}});
    EXPECT_NEAR(x.Max() / x.Min(), std::pow(10000.0, 1.04), 1e-6);
    EXPECT_EQ(x.MajorLogPattern(), 0);
    EXPECT_EQ(x.MinorLogPattern(), kDensePattern);
    EXPECT_EQ(y.MajorLogPattern(), 0);
    EXPECT_EQ(y.MinorLogPattern(), kDensePattern);
    EXPECT_DOUBLE_EQ(x.Intersection(), x.Min());
}

TEST(AdjustScales, TwoDecadesKeepFivesOnXButNotOnY)
{
    TScale x = LogScale(1, 10, true), y = LogScale(1, 10, true);
    Adjust(x, y, {{1, 100, 1, 100}});
    EXPECT_EQ(x.MajorLogPattern(), lt50);
    EXPECT_EQ(x.MinorLogPattern(), kSparsePattern);
    EXPECT_EQ(y.MajorLogPattern(), 0);
    EXPECT_EQ(y.MinorLogPattern(), kDensePattern);
}

TEST(AdjustScales, LogAxisWithNonPositiveDataStartsAtOne)
{
    TScale x = LogScale(1, 10, true), y = LogScale(1, 10, true);
    Adjust(x, y, {{-5, 0, 2, 2}});
    // lo = 1, hi = lo x MinRange.
    EXPECT_NEAR(x.Min(), 1 / std::pow(10.0, 0.02), 1e-12);
    EXPECT_NEAR(x.Max(), 10 * std::pow(10.0, 0.02), 1e-12);
    // A single value gets the smallest range above its lower end.
    EXPECT_NEAR(y.Max() / y.Min(), 10, 1e-12);
}

TEST(AdjustScales, FixedLogScaleWithoutPositiveMinIsAnError)
{
    TScale x = LogScale(0, 10, false), y = LogScale(1, 10, false);
    try {
        Adjust(x, y, {{1, 2, 1, 2}});
        FAIL() << "no error";
    } catch (const ELogScaleError &e) {
        EXPECT_STREQ(e.what(), "Non-positive scale on X-axis");
    }
    x = LogScale(1, 10, false);
    y = LogScale(-1, 10, false);
    try {
        Adjust(x, y, {{1, 2, 1, 2}});
        FAIL() << "no error";
    } catch (const ELogScaleError &e) {
        EXPECT_STREQ(e.what(), "Non-positive scale on Y-axis");
    }
}

TEST(AdjustScales, FixedScalesAreValidatedAndCountAsRescaled)
{
    TScale x, y = LogScale(5, 2, false);
    x.SetAutoSizing(false);
    x.SetAutoStepping(false);
    x.SetMin(3);
    x.SetMax(3);
    x.SetLinStep(-1);
    x.SetMinorTickNumber(50);
    y.SetIntersection(-4);
    EXPECT_TRUE(Adjust(x, y, {{0, 1, 0, 1}}));
    EXPECT_DOUBLE_EQ(x.Max(), 13);
    EXPECT_DOUBLE_EQ(x.LinStep(), 2); // 0.2 x MinRange
    EXPECT_EQ(x.MinorTickNumber(), 10);
    EXPECT_DOUBLE_EQ(y.Max(), 50);
    EXPECT_DOUBLE_EQ(y.Intersection(), 5);
}

TEST(AdjustScales, WithoutDataScalesShowTheirEmptyRange)
{
    TScale x = LogScale(7, 9, true), y;
    y.SetMin(40);
    y.SetMax(90);
    EXPECT_TRUE(AdjustScales(x, y, {}, false));
    EXPECT_DOUBLE_EQ(x.Min(), 1);
    EXPECT_DOUBLE_EQ(x.Max(), 10);
    EXPECT_EQ(x.MinorLogPattern(), kSparsePattern);
    EXPECT_DOUBLE_EQ(y.Min(), 0);
    EXPECT_DOUBLE_EQ(y.Max(), 10);
    EXPECT_DOUBLE_EQ(y.LinStep(), 2);
}

TEST(AdjustScales, PointsInDisabledSeriesOnlyGiveTheEmptyRange)
{
    TScale x, y;
    x.SetMin(40);
    x.SetMax(90);
    EXPECT_TRUE(AdjustScales(x, y, {}, true));
    EXPECT_DOUBLE_EQ(x.Min(), 0);
    EXPECT_DOUBLE_EQ(x.Max(), 10);
}

TEST(CheckScale, KeepsItsOwnLimits)
{
    TScale lin;
    lin.SetMin(0);
    lin.SetMax(4); // narrower than MinRange 10
    lin.SetLinStep(0.5);
    lin.SetMinorTickNumber(10);
    CheckScale(lin);
    EXPECT_DOUBLE_EQ(lin.Max(), 10);
    EXPECT_DOUBLE_EQ(lin.LinStep(), 2); // below a tenth of the range: NiceStep
    EXPECT_EQ(lin.MinorTickNumber(), 9);

    TScale log = LogScale(-3, 5, false);
    log.SetMinRange(1);
    CheckScale(log);
    EXPECT_DOUBLE_EQ(log.MinRange(), 10);
    EXPECT_DOUBLE_EQ(log.Min(), 1);
    EXPECT_DOUBLE_EQ(log.Max(), 10);
    EXPECT_DOUBLE_EQ(log.Intersection(), 1);
}

TEST(ApplyAutoStepping, OnlyLinearAutoSteppingScales)
{
    TScale x, y = LogScale(1, 100, false);
    x.SetMin(0);
    x.SetMax(1000);
    y.SetLinStep(3);
    ApplyAutoStepping(x, y);
    EXPECT_DOUBLE_EQ(x.LinStep(), 200);
    EXPECT_EQ(x.MinorTickNumber(), 1);
    EXPECT_DOUBLE_EQ(y.LinStep(), 3);
    x.SetAutoStepping(false);
    x.SetMax(500);
    ApplyAutoStepping(x, y);
    EXPECT_DOUBLE_EQ(x.LinStep(), 200);
}
