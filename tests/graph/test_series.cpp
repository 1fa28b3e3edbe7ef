#include "graph/plot_engine.h"
#include "graph/series.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TSeries Enabled()
{
    TSeries s;
    s.Enabled = true;
    return s;
}

std::vector<double> Xs(const TSeries &s)
{
    std::vector<double> x;
    for (const TSeriesPoint &p : s.Points)
        x.push_back(p.X);
    return x;
}

} // namespace

TEST(SeriesPoints, SortedByXWithReplacement)
{
    TSeries s = Enabled();
    EXPECT_TRUE(s.AddPoint(3, 30, -1, -1));
    EXPECT_TRUE(s.AddPoint(1, 10, -1, -1));
    EXPECT_TRUE(s.AddPoint(2, 20, -1, -1));
    EXPECT_EQ(Xs(s), (std::vector<double>{1, 2, 3}));
    EXPECT_TRUE(s.AddPoint(2, 25, 0.5, 0.25));
    ASSERT_EQ(s.Count(), 3);
    EXPECT_EQ(s.Points[1].Y, 25);
    EXPECT_EQ(s.Points[1].XErr, 0.5);
    EXPECT_EQ(s.Points[1].YErr, 0.25);
}

TEST(SeriesPoints, FindPointGivesTheLastPointNotAbove)
{
    TSeries s = Enabled();
    int position = -1;
    EXPECT_FALSE(s.FindPoint(5, position));
    EXPECT_EQ(position, 0);
    for (double x : {10.0, 20.0, 30.0})
        s.AddPoint(x, 1, -1, -1);
    EXPECT_FALSE(s.FindPoint(5, position));
    EXPECT_EQ(position, 0);
    EXPECT_TRUE(s.FindPoint(20, position));
    EXPECT_EQ(position, 2);
    EXPECT_FALSE(s.FindPoint(25, position));
    EXPECT_EQ(position, 2);
    EXPECT_FALSE(s.FindPoint(99, position));
    EXPECT_EQ(position, 3);
}

TEST(SeriesPoints, SixHundredPointsAtMost)
{
    TSeries s = Enabled();
    for (int i = 0; i < kMaxSeriesPoints; ++i)
        ASSERT_TRUE(s.AddPoint(i, i, -1, -1));
    EXPECT_FALSE(s.AddPoint(1000, 1, -1, -1));
    // A full series refuses even a replacement.
    EXPECT_FALSE(s.AddPoint(5, 99, -1, -1));
    EXPECT_EQ(s.Points[5].Y, 5);
    EXPECT_EQ(s.Count(), kMaxSeriesPoints);
}

TEST(SeriesPoints, RefusedWhenDisabledOrNotANumber)
{
    TSeries s;
    EXPECT_FALSE(s.AddPoint(1, 1, -1, -1));
    s.Enabled = true;
    EXPECT_FALSE(s.AddPoint(NAN, 1, -1, -1));
    EXPECT_FALSE(s.AddPoint(1, INFINITY, -1, -1));
    EXPECT_EQ(s.Count(), 0);
    // Error values that are not positive just mean no bar.
    EXPECT_TRUE(s.AddPoint(1, 1, NAN, -1));
}

TEST(SeriesPoints, ExtentsWidenAndRecompute)
{
    TSeries s = Enabled();
    s.ExtentsStale = false;
    s.AddPoint(20, 50, -1, -1);
    EXPECT_TRUE(s.ExtentsStale); // the first point makes the old extents stale
    EXPECT_EQ(s.XMaxExt, 20);
    EXPECT_EQ(s.YMaxExt, 50);
    EXPECT_EQ(s.XMinExt, 0); // widened only
    s.AddPoint(-5, 12, -1, -1);
    EXPECT_EQ(s.XMinExt, -5);
    s.RecalcExtents();
    EXPECT_FALSE(s.ExtentsStale);
    EXPECT_EQ(s.XMinExt, -5);
    EXPECT_EQ(s.XMaxExt, 20);
    EXPECT_EQ(s.YMinExt, 12);
    EXPECT_EQ(s.YMaxExt, 50);
}

TEST(SeriesSlots, IndexOutsideOneToSixDoesNothing)
{
    TPlotEngine g;
    int position = 0;
    for (int bad : {-1, 0, 7}) {
        EXPECT_FALSE(g.SetSeries(bad, true, false, kColorBlack, " x"));
        EXPECT_FALSE(g.SetSeriesLine(bad, true, 0, 1, TPenStyle::psSolid));
        EXPECT_FALSE(g.AddPoint(bad, 1, 1, -1, -1));
        EXPECT_FALSE(g.FindPoint(bad, 1, position));
        EXPECT_FALSE(g.RecalcExtents(bad));
        EXPECT_EQ(g.Series(bad), nullptr);
    }
    EXPECT_FALSE(g.ClearSeries(7));
    EXPECT_FALSE(g.ClearSeries(-1));
    EXPECT_FALSE(g.HasData());
}

TEST(SeriesSlots, FillAndClear)
{
    TPlotEngine g;
    EXPECT_FALSE(g.AddPoint(2, 1, 1, -1, -1)); // not enabled yet
    for (int i = 1; i <= kSeriesCount; ++i) {
        ASSERT_TRUE(g.SetSeries(i, true, false, kColorBlack, " curve"));
        ASSERT_TRUE(g.AddPoint(i, 1, 1, -1, -1));
    }
    EXPECT_TRUE(g.HasData());
    EXPECT_TRUE(g.ClearSeries(3));
    EXPECT_FALSE(g.Series(3)->Enabled);
    EXPECT_EQ(g.Series(3)->Count(), 0);
    EXPECT_TRUE(g.Series(3)->ExtentsStale);
    EXPECT_EQ(g.Series(4)->Count(), 1);
    // A disabled series still counts as data.
    g.Series(4)->Enabled = false;
    EXPECT_TRUE(g.HasData());
    EXPECT_TRUE(g.SetSeries(5, true, true, kColorWhite, QString(300, QLatin1Char('l'))));
    EXPECT_EQ(g.Series(5)->Count(), 0);
    EXPECT_EQ(g.Series(5)->Legend.size(), 255);
    EXPECT_TRUE(g.ClearSeries(0));
    EXPECT_FALSE(g.HasData());
    for (int i = 1; i <= kSeriesCount; ++i)
        EXPECT_FALSE(g.Series(i)->Enabled);
}

TEST(SeriesSlots, LineSettings)
{
    TPlotEngine g;
    ASSERT_TRUE(g.SetSeriesLine(6, true, ltSteps, 3, TPenStyle::psDashDot));
    const TSeries &s = *g.Series(6);
    EXPECT_TRUE(s.LineOn);
    EXPECT_EQ(s.LineType, ltSteps);
    EXPECT_EQ(s.LineWidth, 3);
    EXPECT_EQ(s.PenStyle, TPenStyle::psDashDot);
    // Initial extents span the scales' smallest range.
    EXPECT_EQ(s.XMaxExt, g.XScale().MinRange());
}
