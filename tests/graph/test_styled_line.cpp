#include "graph/styled_line.h"

#include "tests/graph/recording_canvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> OnPositions(const TDashPattern &p)
{
    std::vector<int> on;
    for (int i = 0; i < TDashPattern::kPositions; ++i)
        if (p.On[i])
            on.push_back(i);
    return on;
}

const auto kUnscaled = [](int v) { return v; };

} // namespace

TEST(DashPattern, EveryStyle)
{
    // D = 3: b = round(4.5) = 4.
    TDashPattern p = MakeDashPattern(TPenStyle::psDash, 3, 15, 9);
    EXPECT_EQ(OnPositions(p).size(), 16u);
    EXPECT_EQ(p.Period, 4 + 15 + 1);
    p = MakeDashPattern(TPenStyle::psDot, 3, 15, 9);
    EXPECT_EQ(OnPositions(p), (std::vector<int>{0, 1}));
    EXPECT_EQ(p.Period, 5);
    p = MakeDashPattern(TPenStyle::psDashDot, 3, 15, 9);
    EXPECT_EQ(OnPositions(p), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 15}));
    EXPECT_EQ(p.Period, 9 + 8 + 2);
    p = MakeDashPattern(TPenStyle::psDashDotDot, 3, 15, 9);
    EXPECT_EQ(OnPositions(p), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 15, 19, 20}));
    EXPECT_EQ(p.Period, 9 + 12 + 3);
    p = MakeDashPattern(TPenStyle::psClear, 3, 15, 9);
    EXPECT_TRUE(OnPositions(p).empty());
    EXPECT_EQ(p.Period, 43);
}

TEST(DashPattern, LongPatternsAreCut)
{
    const TDashPattern p = MakeDashPattern(TPenStyle::psDash, 100, 400, 9);
    EXPECT_EQ(p.Period, 300);
    EXPECT_TRUE(p.On[300]);
}

TEST(WalkDigitalLine, EveryPixelButTheLast)
{
    std::vector<QPoint> pixels;
    WalkDigitalLine(0, 0, 5, 2, [&](int x, int y) { pixels.emplace_back(x, y); });
    ASSERT_EQ(pixels.size(), 5u);
    EXPECT_EQ(pixels.front(), QPoint(0, 0));
    EXPECT_EQ(pixels.back().x(), 4);
    pixels.clear();
    WalkDigitalLine(3, 9, 3, 1, [&](int x, int y) { pixels.emplace_back(x, y); });
    ASSERT_EQ(pixels.size(), 8u);
    EXPECT_EQ(pixels.back(), QPoint(3, 2));
    pixels.clear();
    WalkDigitalLine(7, 7, 7, 7, [&](int x, int y) { pixels.emplace_back(x, y); });
    EXPECT_TRUE(pixels.empty());
}

TEST(StyledLineTo, ThinOrSolidLinesUseTheSurfacePen)
{
    TRecordingCanvas c;
    int position = 0;
    c.SetPen({kColorBlack, 1, TPenStyle::psDot});
    c.MoveTo(0, 0);
    StyledLineTo(c, 50, 0, kUnscaled, position);
    c.SetPen({kColorBlack, 4, TPenStyle::psSolid});
    StyledLineTo(c, 50, 50, kUnscaled, position);
    const auto lines = c.OfKind(TDrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].pen.Style, TPenStyle::psDot);
    EXPECT_EQ(lines[1].pen.Width, 4);
    EXPECT_EQ(lines[1].points, (std::vector<QPoint>{{50, 0}, {50, 50}}));
    EXPECT_TRUE(c.OfKind(TDrawOp::Kind::Ellipse).empty());
}

TEST(StyledLineTo, WideDottedLineIsAChainOfDots)
{
    TRecordingCanvas c;
    int position = 0;
    const TGraphBrush brush{kColorWhite, TBrushStyle::bsClear};
    c.SetBrush(brush);
    c.SetPen({QColor(255, 0, 0), 3, TPenStyle::psDot});
    c.MoveTo(10, 10);
    StyledLineTo(c, 22, 10, kUnscaled, position);
    // Positions 0 and 1 of every 6 (period 5) are on; the walk starts at
    // (9, 9), shifted by half the diameter.
    const auto dots = c.OfKind(TDrawOp::Kind::Ellipse);
    ASSERT_EQ(dots.size(), 4u);
    EXPECT_EQ(dots[0].left, 9);
    EXPECT_EQ(dots[1].left, 10);
    EXPECT_EQ(dots[2].left, 15);
    EXPECT_EQ(dots[3].left, 16);
    EXPECT_EQ(dots[0].right - dots[0].left, 3);
    EXPECT_EQ(dots[0].top, 9);
    EXPECT_EQ(dots[0].brush.Color, QColor(255, 0, 0));
    EXPECT_EQ(dots[0].pen.Width, 0);
    EXPECT_EQ(position, 0); // 12 pixels walked: two whole periods
    EXPECT_EQ(c.PenPos(), QPoint(22, 10));
    EXPECT_EQ(c.Pen().Width, 3);
    EXPECT_EQ(c.Brush(), brush);
    EXPECT_TRUE(c.OfKind(TDrawOp::Kind::Line).empty());
}

TEST(StyledLineTo, PatternRunsOnAcrossSegments)
{
    TRecordingCanvas c;
    int position = 0;
    c.SetPen({kColorBlack, 3, TPenStyle::psDot});
    c.MoveTo(0, 0);
    StyledLineTo(c, 4, 0, kUnscaled, position);
    EXPECT_EQ(position, 4);
    StyledLineTo(c, 8, 0, kUnscaled, position);
    const auto dots = c.OfKind(TDrawOp::Kind::Ellipse);
    // Positions 0,1 in the first segment; the second starts at position 4,
    // so its pixels 2 and 3 (positions 0, 1 again) get the next dots.
    ASSERT_EQ(dots.size(), 4u);
    EXPECT_EQ(dots[2].left, 4 + 2 - 1);
    EXPECT_EQ(dots[3].left, 4 + 3 - 1);
}

TEST(StyledLineTo, WidthAndDashLengthsScale)
{
    TRecordingCanvas c;
    int position = 0;
    c.SetPen({kColorBlack, 2, TPenStyle::psDash});
    c.MoveTo(0, 0);
    // Width 2 scaled by 2 gives dots of 4; dash 15 scaled gives 30 positions.
    StyledLineTo(
        c, 100, 0, [](int v) { return 2 * v; }, position);
    const auto dots = c.OfKind(TDrawOp::Kind::Ellipse);
    ASSERT_FALSE(dots.empty());
    EXPECT_EQ(dots[0].right - dots[0].left, 4);
    // Period 6 + 30 + 1 = 37: 100 pixels hold two periods and 24 positions.
    EXPECT_EQ(dots.size(), 31u + 31u + 24u);
}

// On a printed page one pixel of the settings spans several device pixels:
// thin lines grow to that width with the surface's own dotted and dashed
// pens (whose dots are multiples of the width), hairlines included, and
// only wider lines are emulated.
TEST(StyledLineTo, ThinLinesOnAPrintedPageKeepTheirScreenProportions)
{
    const auto printed = [](int v) { return 8 * v; };
    EXPECT_EQ(ThinLineWidth(printed), 8);
    EXPECT_EQ(ThinLineWidth(kUnscaled), 1);
    EXPECT_EQ(ThinLineWidth([](int v) { return v / 3; }), 1);

    TRecordingCanvas c;
    int position = 0;
    c.MoveTo(0, 0);
    for (const TGraphPen &pen :
         {TGraphPen{kColorBlack, 0, TPenStyle::psDot}, TGraphPen{kColorBlack, 1, TPenStyle::psDash},
          TGraphPen{kColorBlack, 0, TPenStyle::psSolid}}) {
        c.SetPen(pen);
        StyledLineTo(c, c.PenPos().x() + 100, 0, printed, position);
        EXPECT_EQ(c.Pen(), pen); // restored
    }
    const auto lines = c.OfKind(TDrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].pen, (TGraphPen{kColorBlack, 8, TPenStyle::psDot}));
    EXPECT_EQ(lines[1].pen, (TGraphPen{kColorBlack, 8, TPenStyle::psDash}));
    EXPECT_EQ(lines[2].pen, (TGraphPen{kColorBlack, 8, TPenStyle::psSolid}));
    EXPECT_TRUE(c.OfKind(TDrawOp::Kind::Ellipse).empty());

    // Twice as wide as a thin line: dots of 16 along the pattern.
    c.SetPen({kColorBlack, 2, TPenStyle::psDot});
    StyledLineTo(c, c.PenPos().x() + 100, 0, printed, position);
    const auto dots = c.OfKind(TDrawOp::Kind::Ellipse);
    ASSERT_FALSE(dots.empty());
    EXPECT_EQ(dots[0].right - dots[0].left, 16);

    // On the screen a hairline stays the surface's own thinnest line.
    TRecordingCanvas screen;
    screen.SetPen({kColorBlack, 0, TPenStyle::psDot});
    StyledLineTo(screen, 50, 0, kUnscaled, position);
    ASSERT_EQ(screen.OfKind(TDrawOp::Kind::Line).size(), 1u);
    EXPECT_EQ(screen.OfKind(TDrawOp::Kind::Line)[0].pen.Width, 0);
}
