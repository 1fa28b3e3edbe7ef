#include "graph/scale_map.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ClampCoord, SixteenBitRange)
{
    EXPECT_EQ(ClampCoord(-40000), -32768);
    EXPECT_EQ(ClampCoord(40000), 32767);
    EXPECT_EQ(ClampCoord(123), 123);
    EXPECT_EQ(RoundToCoord(1e300), 32767);
    EXPECT_EQ(RoundToCoord(-1e300), -32768);
    EXPECT_EQ(RoundToCoord(NAN), -32768);
    // Round half to even.
    EXPECT_EQ(RoundToCoord(2.5), 2);
    EXPECT_EQ(RoundToCoord(3.5), 4);
    EXPECT_EQ(RoundToCoord(-2.5), -2);
}

TEST(AxisMapping, LinearXRunsRightFromMin)
{
    TScale x;
    x.SetMin(-2);
    x.SetMax(8);
    const double f = AxisFactor(stLin, -2, 8, 500);
    EXPECT_DOUBLE_EQ(f, 50);
    const TAxisMapping m = XAxisMapping(x, f, 40);
    EXPECT_EQ(m.Map(-2), 40);
    EXPECT_EQ(m.Map(8), 540);
    EXPECT_EQ(m.Map(0.01), 140); // 140.5 rounds to even
    EXPECT_EQ(m.Map(0.03), 142); // 141.5 rounds to even
}

TEST(AxisMapping, LogYRunsDownFromMax)
{
    TScale y;
    y.SetScaleType(stLog);
    y.SetMin(0.01);
    y.SetMax(1000);
    const double f = AxisFactor(stLog, 0.01, 1000, 500);
    const TAxisMapping m = YAxisMapping(y, f, 20);
    EXPECT_EQ(m.Map(1000), 20);
    EXPECT_EQ(m.Map(0.01), 520);
    EXPECT_EQ(m.Map(1), 320);
    EXPECT_LT(*m.Map(1e40), 20); // above the plot
    EXPECT_FALSE(m.Map(0).has_value());
    EXPECT_FALSE(m.Map(-3).has_value());
}

TEST(AxisMapping, DegenerateRangeStaysBounded)
{
    TScale x;
    x.SetMin(5);
    x.SetMax(5);
    const TAxisMapping m = XAxisMapping(x, AxisFactor(stLin, 5, 5, 300), 10);
    const int p = *m.Map(7);
    EXPECT_GE(p, -32768);
    EXPECT_LE(p, 32767);
}
