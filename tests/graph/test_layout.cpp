#include "graph/layout.h"

#include <gtest/gtest.h>

namespace {

THorizontalLayoutInput Horizontal()
{
    THorizontalLayoutInput in;
    in.Area = {0, 0, 600, 400};
    in.MarginLeft = 10;
    in.MarginRight = 20;
    return in;
}

TVerticalLayoutInput Vertical()
{
    TVerticalLayoutInput in;
    in.Area = {0, 0, 600, 400};
    in.MarginTop = 20;
    in.MarginBottom = 10;
    return in;
}

} // namespace

TEST(LayoutHorizontal, MarginTitleLabelsTicksThenPlot)
{
    THorizontalLayoutInput in = Horizontal();
    in.YTicksOutside = true;
    in.YTickPosition = tpOut;
    in.YMajorTickLen = 12;
    in.YLabels = true;
    in.YLabelExtent = 30;
    in.YLabelDistance = 6;
    in.YTitle = true;
    in.YTitleExtent = 24;
    in.YTitleDist = 4;
    const THorizontalLayout out = LayoutHorizontal(in);
    EXPECT_EQ(out.PlotLeft, 10 + 12 + 30 + 6 + 24 + 4);
    EXPECT_EQ(out.PlotRight, 580);
    // Title flush with the margin, labels right-aligned after the title.
    EXPECT_EQ(out.PlotLeft - out.YTitleOffset, 10);
    EXPECT_EQ(out.PlotLeft - out.YLabelOffset, 10 + 24 + 4 + 30);
    EXPECT_EQ(out.BoxLeft, out.PlotLeft);
    EXPECT_EQ(out.BoxRight, 580);
}

TEST(LayoutHorizontal, TickMarksTakeRoomByPosition)
{
    THorizontalLayoutInput in = Horizontal();
    in.YMajorTickLen = 12;
    in.YTicksOutside = true;
    in.YTickPosition = tpOut;
    EXPECT_EQ(LayoutHorizontal(in).PlotLeft, 22);
    in.YTickPosition = tpCenter;
    EXPECT_EQ(LayoutHorizontal(in).PlotLeft, 16);
    in.YTickPosition = tpIn;
    EXPECT_EQ(LayoutHorizontal(in).PlotLeft, 10);
    // With the y axis elsewhere the marks do not touch the margin.
    in.YTickPosition = tpOut;
    in.YTicksOutside = false;
    EXPECT_EQ(LayoutHorizontal(in).PlotLeft, 10);
    EXPECT_EQ(OuterTickSpace(tpCenter, 9), 4);
}

TEST(LayoutVertical, FromTheBottomUp)
{
    TVerticalLayoutInput in = Vertical();
    in.XTitle = true;
    in.XTitleExtent = 24;
    in.XTitleDist = 4;
    in.XLabels = true;
    in.XLabelExtent = 28;
    in.XLabelDistance = 4;
    in.XTicksOutside = true;
    in.XTickPosition = tpCenter;
    in.XMajorTickLen = 12;
    const TVerticalLayout out = LayoutVertical(in);
    EXPECT_EQ(out.PlotTop, 20);
    EXPECT_EQ(out.PlotBottom, 390 - 24 - 4 - 28 - 4 - 6);
    EXPECT_EQ(out.PlotBottom + out.XTitleOffset, 390 - 24);
    EXPECT_EQ(out.PlotBottom + out.XLabelOffset, 390 - 24 - 4);
    EXPECT_EQ(out.BoxBottom, out.PlotBottom);
}

TEST(LayoutVertical, FixedVerticalPositionKeepsTextDistances)
{
    TVerticalLayoutInput in = Vertical();
    in.Area = {0, 30, 600, 400};
    in.GraphTitle = true;
    in.GraphTitleHeight = 30;
    in.GraphTitleDistance = 12;
    in.XLabels = true;
    in.XLabelExtent = 20;
    in.XLabelDistance = 5;
    in.FixedVerPos = true;
    in.BoxTop = 15;
    in.BoxBottom = 300;
    const TVerticalLayout out = LayoutVertical(in);
    EXPECT_EQ(out.PlotTop, 45);
    EXPECT_EQ(out.PlotBottom, 330);
    EXPECT_EQ(out.XLabelOffset, 25);
    EXPECT_EQ(out.TitleOffset, 42);
}
