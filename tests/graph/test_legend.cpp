#include "graph/legend.h"

#include <gtest/gtest.h>

namespace {

TLegendEntryMetrics Line(int textWidth, int textHeight)
{
    TLegendEntryMetrics e;
    e.LineOn = true;
    e.LineWidth = 2;
    e.HasText = true;
    e.TextWidth = textWidth;
    e.TextHeight = textHeight;
    return e;
}

TLegendMetricsInput ThreeLines(TPlacement placement)
{
    TLegendMetricsInput in;
    in.ShowEntries = true;
    in.Entries = {Line(65, 20), Line(40, 20), Line(50, 18)};
    in.SampleLength = 43;
    in.Placement = placement;
    in.PlotWidth = 300;
    return in;
}

} // namespace

TEST(LegendMetrics, CellsAboveThePlotFillRows)
{
    // Gap 20 x 0.33 = 6; cell 6 + 43 + 65 + 6 = 120: two columns of 120 fit 300.
    const TLegendGeometry g = CalcLegendMetrics(ThreeLines(lbxTop));
    EXPECT_EQ(g.Gap, 6);
    EXPECT_EQ(g.CellWidth, 120);
    EXPECT_EQ(g.Columns, 2);
    EXPECT_EQ(g.Rows, 2);
    EXPECT_EQ(g.Width, 2 * 120 + 6);
    EXPECT_EQ(g.Height, 2 * 6 + 2 * 20);
    EXPECT_EQ(g.TextOffset, 6 + 43);
}

TEST(LegendMetrics, OneColumnBesideOrInsideThePlot)
{
    const TLegendGeometry g = CalcLegendMetrics(ThreeLines(lbxNorthWest));
    EXPECT_EQ(g.Columns, 1);
    EXPECT_EQ(g.Rows, 3);
    EXPECT_EQ(g.Height, 2 * 6 + 3 * 20);
}

TEST(LegendMetrics, ColumnsNeverBelowOne)
{
    TLegendMetricsInput in = ThreeLines(lbxBottom);
    in.PlotWidth = 50;
    EXPECT_EQ(CalcLegendMetrics(in).Columns, 1);
    in.PlotWidth = -40;
    EXPECT_EQ(CalcLegendMetrics(in).Columns, 1);
    in.PlotWidth = 5000; // at most one column per entry
    EXPECT_EQ(CalcLegendMetrics(in).Columns, 3);
    in.Entries.clear(); // points, but no enabled series with any
    const TLegendGeometry g = CalcLegendMetrics(in);
    EXPECT_EQ(g.Rows, 0);
    EXPECT_EQ(g.Height, 0);
}

TEST(LegendMetrics, SymbolsWidenTheSample)
{
    TLegendMetricsInput in = ThreeLines(lbxRight);
    in.Entries[1].SymbolsOn = true;
    in.Entries[1].SymbolSize = 50;
    const TLegendGeometry g = CalcLegendMetrics(in);
    EXPECT_EQ(g.RowHeight, 50);
    EXPECT_EQ(g.SymbolColumn, 50);
    EXPECT_EQ(g.TextOffset, g.Gap + 50);
}

TEST(LegendMetrics, PlaceholderWithoutData)
{
    TLegendMetricsInput in;
    in.PlaceholderHeight = 24;
    in.PlaceholderWidth = 100;
    const TLegendGeometry g = CalcLegendMetrics(in);
    EXPECT_EQ(g.Rows, 1);
    EXPECT_EQ(g.Gap, 7);
    EXPECT_EQ(g.TextOffset, 0);
    EXPECT_EQ(g.Height, 2 * 7 + 24); // one text line high
    EXPECT_EQ(g.Width, 7 + 100 + 7);
}

TEST(LegendPosition, EveryPlacement)
{
    TLegendGeometry g;
    g.Width = 100;
    g.Height = 40;
    // Plot 50..450 across, 30..330 down; distance 8; bottom legend 60 below.
    auto at = [&](TPlacement p) { return LegendPosition(p, g, 50, 30, 450, 330, 8, 60); };
    EXPECT_EQ(at(lbxTop), QPoint(200, 30 - 8 - 40));
    EXPECT_EQ(at(lbxRight), QPoint(458, 30 + 130));
    EXPECT_EQ(at(lbxBottom), QPoint(200, 390));
    EXPECT_EQ(at(lbxNorthEast), QPoint(342, 38));
    EXPECT_EQ(at(lbxNorthWest), QPoint(58, 38));
    EXPECT_EQ(at(lbxSouthEast), QPoint(342, 282));
    EXPECT_EQ(at(lbxSouthWest), QPoint(58, 282));
}
