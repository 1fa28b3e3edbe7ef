#include "graph/series_geometry.h"

#include <gtest/gtest.h>

namespace {

TSeries WithPoints(std::initializer_list<std::pair<double, double>> points, std::uint8_t type)
{
    TSeries s;
    s.Enabled = true;
    s.LineType = type;
    for (auto [x, y] : points)
        s.AddPoint(x, y, -1, -1);
    return s;
}

const TDataRange k10to50{10, 50, 10, 50};

} // namespace

TEST(ClipSegment, CutsAtBothEnds)
{
    const auto s = ClipSegment({1, 1, 100, 100}, k10to50);
    ASSERT_TRUE(s);
    EXPECT_EQ(*s, (TDataSegment{10, 10, 50, 50}));
}

TEST(ClipSegment, InsideStaysAsItIs)
{
    EXPECT_EQ(*ClipSegment({12, 20, 30, 40}, k10to50), (TDataSegment{12, 20, 30, 40}));
    EXPECT_EQ(*ClipSegment({10, 10, 10, 50}, k10to50), (TDataSegment{10, 10, 10, 50}));
}

TEST(ClipSegment, OutsideIsDropped)
{
    EXPECT_FALSE(ClipSegment({1, 20, 5, 30}, k10to50));   // left
    EXPECT_FALSE(ClipSegment({60, 20, 70, 30}, k10to50)); // right
    EXPECT_FALSE(ClipSegment({20, 1, 30, 9}, k10to50));   // below
    EXPECT_FALSE(ClipSegment({20, 55, 30, 99}, k10to50)); // above
    EXPECT_FALSE(ClipSegment({5, 20, 10, 30}, k10to50));  // ends on the left edge
    EXPECT_FALSE(ClipSegment({50, 20, 60, 30}, k10to50)); // starts on the right edge
    EXPECT_FALSE(ClipSegment({1, 40, 20, 100}, k10to50)); // passes above the corner
}

TEST(ClipSegment, CutsInYAlongTheLine)
{
    // From below the range to above it: x at y = 10 and y = 50.
    const auto s = ClipSegment({20, 0, 30, 100}, k10to50);
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(s->X1, 21);
    EXPECT_DOUBLE_EQ(s->Y1, 10);
    EXPECT_DOUBLE_EQ(s->X2, 25);
    EXPECT_DOUBLE_EQ(s->Y2, 50);
    // Falling: from above into the range.
    const auto f = ClipSegment({20, 90, 40, 30}, k10to50);
    ASSERT_TRUE(f);
    EXPECT_NEAR(f->X1, 20 + 20.0 * 40 / 60, 1e-12);
    EXPECT_DOUBLE_EQ(f->Y1, 50);
    EXPECT_EQ(f->X2, 40);
}

TEST(ClipSegment, LinearInDataUnits)
{
    // The cut point is on the straight line in data units, whatever the axes.
    const auto s = ClipSegment({1, 1, 100, 10000}, {10, 50, 1, 1e6});
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(s->Y1, 1 + 9.0 / 99 * 9999);
}

TEST(SeriesSegments, PolylineJoinsNeighbours)
{
    const TSeries s = WithPoints({{1, 2}, {2, 3}, {3, 1}}, ltPolyline);
    const auto segments = SeriesSegments(s, 0);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[1], (TDataSegment{2, 3, 3, 1}));
    EXPECT_TRUE(SeriesSegments(WithPoints({{1, 2}}, ltPolyline), 0).empty());
    EXPECT_EQ(SeriesSegments(WithPoints({{1, 2}, {2, 3}}, ltThinLine), 0).size(), 1u);
}

TEST(SeriesSegments, StepsRiseFromAndDropToTheBaseline)
{
    const TSeries s = WithPoints({{1, 2}, {2, 3}, {3, 1}}, ltSteps);
    const auto seg = SeriesSegments(s, 0);
    ASSERT_EQ(seg.size(), 7u);
    EXPECT_EQ(seg.front(), (TDataSegment{0.5, 0, 0.5, 2}));
    EXPECT_EQ(seg[1], (TDataSegment{0.5, 2, 1.5, 2}));
    EXPECT_EQ(seg[2], (TDataSegment{1.5, 2, 1.5, 3}));
    EXPECT_EQ(seg[4], (TDataSegment{2.5, 3, 2.5, 1}));
    EXPECT_EQ(seg[5], (TDataSegment{2.5, 1, 3.5, 1}));
    EXPECT_EQ(seg.back(), (TDataSegment{3.5, 1, 3.5, 0}));
    EXPECT_TRUE(SeriesSegments(WithPoints({{1, 2}}, ltSteps), 0).empty());
}

TEST(SeriesSegments, ImpulsesEachStartTheirPattern)
{
    const auto seg = SeriesSegments(WithPoints({{1, 2}, {4, 5}}, ltImpulses), 0.5);
    ASSERT_EQ(seg.size(), 2u);
    EXPECT_EQ(seg[1], (TDataSegment{4, 0.5, 4, 5, true}));
    EXPECT_TRUE(seg[0].RestartPattern);
}

TEST(SymbolShape, OddSizesCentreOnThePoint)
{
    using Kind = TSymbolShape::Kind;
    TSymbolShape s = SymbolShape(0, 100, 50, 5); // h = 2, h2 = 3
    EXPECT_EQ(s.kind, Kind::Lines);
    EXPECT_EQ(s.points, (std::vector<QPoint>{{98, 50}, {103, 50}, {100, 48}, {100, 53}}));
    EXPECT_FALSE(s.filled);
    EXPECT_EQ(s.outlineWidth, 1);
    s = SymbolShape(3, 100, 50, 5);
    EXPECT_EQ(s.kind, Kind::Rectangle);
    EXPECT_TRUE(s.filled);
    EXPECT_EQ(s.points, (std::vector<QPoint>{{98, 48}, {103, 53}}));
    EXPECT_EQ(SymbolShape(6, 100, 50, 5).kind, Kind::Ellipse);
    s = SymbolShape(5, 100, 50, 6); // h = h2 = 3
    EXPECT_EQ(s.points, (std::vector<QPoint>{{100, 47}, {103, 50}, {100, 53}, {97, 50}}));
    s = SymbolShape(10, 0, 0, 10);
    EXPECT_EQ(s.points, (std::vector<QPoint>{{0, 5}, {5, -5}, {-5, -5}}));
    EXPECT_EQ(s.outlineWidth, 2);
    EXPECT_EQ(SymbolShape(12, 0, 0, 5).kind, Kind::None);
}
