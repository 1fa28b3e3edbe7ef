// Series, overlays and the legend as the graph draws them.
#include "graph/plot_engine.h"

#include "tests/graph/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Kind = TDrawOp::Kind;

const QColor kRed(255, 0, 0), kBlue(0, 0, 255);

// Linear 0..100 on both axes, fixed; no grids, ticks, labels or titles, so
// what is drawn is the series, the frame and the legend.
class Graph : public TPlotEngine
{
public:
    Graph()
    {
        for (TScale *s : {&XScale(), &YScale()}) {
            s->SetAutoSizing(false);
            s->SetMax(100);
            s->SetMinRange(10);
        }
        for (TAxis *a : {&XAxis(), &YAxis()}) {
            a->SetTitleEnabled(false);
            a->SetTickLabelEnabled(false);
            a->SetMajTicksEnabled(false);
        }
        GraphTitle().SetEnabled(false);
        GridVertical().SetMajGridEnabled(false);
        GridHorizontal().SetMajGridEnabled(false);
        LegendBox().SetEnabled(false);
    }
    void AddSeries(int slot, const QColor &colour, std::initializer_list<std::pair<double, double>> points,
                   const QString &legend = " curve")
    {
        SetSeries(slot, true, false, colour, legend);
        for (auto [x, y] : points)
            AddPoint(slot, x, y, -1, -1);
        SetSeriesLine(slot, true, ltPolyline, 1, TPenStyle::psSolid);
    }
    TRecordingCanvas Render()
    {
        TRecordingCanvas c;
        RenderGraph(c, TDrawArea{0, 0, 400, 300}, 1);
        return c;
    }
};

std::vector<TDrawOp> LinesIn(const TRecordingCanvas &c, const QColor &colour)
{
    std::vector<TDrawOp> out;
    for (const TDrawOp &op : c.OfKind(Kind::Line))
        if (op.pen.Color == colour)
            out.push_back(op);
    return out;
}

std::vector<TDrawOp> DotsIn(const TRecordingCanvas &c, const QColor &colour)
{
    std::vector<TDrawOp> out;
    for (const TDrawOp &op : c.OfKind(Kind::Ellipse))
        if (op.brush.Color == colour)
            out.push_back(op);
    return out;
}

} // namespace

TEST(SeriesDrawing, PolylineClippedToTheScales)
{
    Graph g;
    g.XScale().SetMin(10);
    g.XScale().SetMax(50);
    g.YScale().SetMin(10);
    g.YScale().SetMax(50);
    g.AddSeries(1, kRed, {{1, 1}, {100, 100}});
    const TRecordingCanvas c = g.Render();
    const auto lines = LinesIn(c, kRed);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points[0], QPoint(g.XToPixel(10), g.YToPixel(10)));
    EXPECT_EQ(lines[0].points[1], QPoint(g.XToPixel(50), g.YToPixel(50)));
    EXPECT_EQ(lines[0].points[1], QPoint(g.PlotRight(), g.PlotTop()));
}

TEST(SeriesDrawing, OnlyEnabledSeriesWithPointsInSlotOrder)
{
    Graph g;
    g.AddSeries(2, kBlue, {{10, 10}, {20, 20}});
    g.AddSeries(1, kRed, {{10, 20}, {20, 10}});
    g.AddSeries(3, kColorBlack, {{30, 30}, {40, 40}});
    g.Series(3)->Enabled = false;
    g.SetSeries(4, true, false, kColorWhite, " empty");
    const TRecordingCanvas c = g.Render();
    const auto red = std::find_if(c.ops.begin(), c.ops.end(), [](const TDrawOp &o) { return o.pen.Color == kRed; });
    const auto blue = std::find_if(c.ops.begin(), c.ops.end(), [](const TDrawOp &o) { return o.pen.Color == kBlue; });
    EXPECT_LT(red, blue);
    for (const TDrawOp &op : c.OfKind(Kind::Line))
        EXPECT_NE(op.pen.Color, kColorBlack) << "a disabled series was drawn";
}

TEST(SeriesDrawing, DashPatternStartsAtEverySeriesLine)
{
    Graph g;
    g.AddSeries(1, kRed, {{0, 50}, {33, 50}});
    g.AddSeries(2, kBlue, {{0, 20}, {33, 20}});
    for (int i : {1, 2})
        g.SetSeriesLine(i, true, ltPolyline, 3, TPenStyle::psDash);
    const TRecordingCanvas c = g.Render();
    const auto red = DotsIn(c, kRed), blue = DotsIn(c, kBlue);
    ASSERT_FALSE(red.empty());
    ASSERT_EQ(red.size(), blue.size());
    // Both start with a dot on their first pixel (shifted by half the width).
    EXPECT_EQ(red[0].left, g.XToPixel(0) - 1);
    EXPECT_EQ(blue[0].left, g.XToPixel(0) - 1);
    EXPECT_EQ(red[0].right - red[0].left, 3);
}

TEST(SeriesDrawing, ThinLineTypeUsesTheThinnestSolidPen)
{
    Graph g;
    g.AddSeries(1, kRed, {{10, 10}, {20, 20}});
    g.SetSeriesLine(1, true, ltThinLine, 5, TPenStyle::psDash);
    const auto lines = LinesIn(g.Render(), kRed);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen.Width, 0);
    EXPECT_EQ(lines[0].pen.Style, TPenStyle::psSolid);
}

TEST(SeriesDrawing, ImpulsesFromTheXAxis)
{
    Graph g;
    g.YScale().SetIntersection(10);
    g.AddSeries(1, kRed, {{20, 50}, {40, 5}});
    g.SetSeriesLine(1, true, ltImpulses, 1, TPenStyle::psSolid);
    const auto lines = LinesIn(g.Render(), kRed);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points[0], QPoint(g.XToPixel(20), g.YToPixel(10)));
    EXPECT_EQ(lines[0].points[1], QPoint(g.XToPixel(20), g.YToPixel(50)));
    EXPECT_EQ(lines[1].points[1], QPoint(g.XToPixel(40), g.YToPixel(5)));
}

TEST(SeriesDrawing, SymbolsAndErrorBarsOfPointsInRange)
{
    Graph g;
    g.AddSeries(1, kRed, {{20, 20}, {150, 50}});
    TSeries &s = *g.Series(1);
    s.LineOn = false;
    s.SymbolsOn = true;
    s.SymbolType = 3; // filled square
    s.SymbolSize = 6;
    s.XErrorsOn = true;
    s.ErrorBarCap = 4;
    s.ErrorBarWidth = 1;
    s.Points[0].XErr = 5;
    const TRecordingCanvas c = g.Render();
    const auto squares = c.OfKind(Kind::Rectangle);
    ASSERT_EQ(squares.size(), 1u); // the point at x = 150 is outside
    const int x = g.XToPixel(20), y = g.YToPixel(20);
    EXPECT_EQ(squares[0].left, x - 3);
    EXPECT_EQ(squares[0].brush.Color, kRed);
    const auto bars = LinesIn(c, kRed);
    ASSERT_EQ(bars.size(), 3u); // cap, bar, cap
    EXPECT_EQ(bars[0].points[0], QPoint(g.XToPixel(25), y - 2));
    EXPECT_EQ(bars[1].points[0], QPoint(g.XToPixel(25), y));
    EXPECT_EQ(bars[1].points[1], QPoint(g.XToPixel(15), y));
}

TEST(SeriesDrawing, ErrorBarsStopAtThePlotEdges)
{
    Graph g;
    g.AddSeries(1, kRed, {{95, 3}});
    TSeries &s = *g.Series(1);
    s.LineOn = false;
    s.XErrorsOn = s.YErrorsOn = true;
    s.Points[0].XErr = 10;
    s.Points[0].YErr = 5;
    const auto bars = LinesIn(g.Render(), kRed);
    // x bar from the right edge to 85 with one cap; y bar from 8 down to the
    // bottom edge with one cap.
    ASSERT_EQ(bars.size(), 4u);
    EXPECT_EQ(bars[0].points[0].x(), g.PlotRight());
    EXPECT_EQ(bars[0].points[1].x(), g.XToPixel(85));
    EXPECT_EQ(bars[3].points[1].y(), g.YToPixel(0));
}

TEST(SeriesDrawing, OverlaysUnderTheGridsAndSeries)
{
    Graph g;
    g.GridVertical().SetMajGridEnabled(true);
    g.AddSeries(1, kRed, {{10, 10}, {20, 20}});
    TOverlay &area = *g.OverlayPolygon(2);
    area.Enabled = true;
    area.Vertices = {{10, 10}, {50, 10}, {30, 40}};
    area.Brush = {kBlue, TBrushStyle::bsSolid};
    area.Pen = {kColorBlack, 1, TPenStyle::psSolid};
    TOverlay &line = *g.OverlayPolyline(1);
    line.Enabled = true;
    line.Vertices = {{0, 0}, {200, 200}}; // not clipped: the plot clips it
    line.Pen = {kBlue, 1, TPenStyle::psSolid};
    const TRecordingCanvas c = g.Render();
    const auto polygons = c.OfKind(Kind::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].pen.Style, TPenStyle::psClear);
    EXPECT_EQ(polygons[0].brush.Color, kBlue);
    // Outline back to the first vertex, then the polyline, before the grid.
    std::vector<TDrawOp> black = LinesIn(c, kColorBlack);
    ASSERT_GE(black.size(), 3u);
    EXPECT_EQ(black[2].points[1], QPoint(g.XToPixel(10), g.YToPixel(10)));
    const auto blue = LinesIn(c, kBlue);
    ASSERT_EQ(blue.size(), 1u);
    EXPECT_EQ(blue[0].points[1], QPoint(g.XToPixel(200), g.YToPixel(200)));
    const auto firstGrid =
        std::find_if(c.ops.begin(), c.ops.end(), [](const TDrawOp &o) { return o.pen.Color == kColorSilver; });
    const auto firstSeries =
        std::find_if(c.ops.begin(), c.ops.end(), [](const TDrawOp &o) { return o.pen.Color == kRed; });
    EXPECT_LT(std::find_if(c.ops.begin(), c.ops.end(), [](const TDrawOp &o) { return o.kind == Kind::Polygon; }),
              firstGrid);
    EXPECT_LT(firstGrid, firstSeries);
}

TEST(LegendDrawing, CellsWithSampleAndText)
{
    Graph g;
    g.LegendBox().SetEnabled(true);
    g.LegendBox().SetPlacement(lbxNorthEast);
    g.LegendBox().SetDistance(8);
    g.AddSeries(1, kRed, {{10, 10}, {20, 20}}, " first");
    g.AddSeries(3, kBlue, {{10, 10}, {20, 20}}, " third");
    const TRecordingCanvas c = g.Render();
    const TLegendGeometry &l = g.Legend();
    EXPECT_EQ(l.Rows, 2);
    const QPoint at = g.LegendTopLeft();
    EXPECT_EQ(at, QPoint(g.PlotRight() - 8 - l.Width, g.PlotTop() + 8));
    const auto boxes = c.OfKind(Kind::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].right - boxes[0].left, l.Width);
    EXPECT_EQ(boxes[0].pen.Color, kColorGray);
    // Second row: the sample from its left edge, 43 long; the text after it,
    // vertically centred on the row.
    const int top = at.y() + l.Gap + l.RowHeight, left = at.x() + l.Gap, mid = top + l.RowHeight / 2;
    const auto samples = LinesIn(c, kBlue);
    ASSERT_FALSE(samples.empty());
    EXPECT_EQ(samples.back().points[0], QPoint(left, mid));
    EXPECT_EQ(samples.back().points[1], QPoint(left + 43, mid));
    const TDrawOp &text = c.TextOp(" third");
    EXPECT_EQ(text.points[0].x(), left + l.TextOffset);
    EXPECT_EQ(text.points[0].y(), mid - TRecordingCanvas::CellHeight(g.LegendFont().Height) / 2);
}

TEST(LegendDrawing, EmptyBoxWithoutDataPlaceholderAtDesignTime)
{
    Graph g;
    g.LegendBox().SetEnabled(true);
    TRecordingCanvas c = g.Render();
    EXPECT_EQ(c.OfKind(Kind::Rectangle).size(), 1u);
    EXPECT_TRUE(c.OfKind(Kind::Text).empty());
    EXPECT_EQ(g.Legend().Height, 2 * g.Legend().Gap + TRecordingCanvas::CellHeight(g.LegendFont().Height));

    g.AddSeries(1, kRed, {{10, 10}, {20, 20}}, " first");
    g.SetDesigning(true);
    c = g.Render();
    EXPECT_TRUE(c.HasText("Legend Box"));
    EXPECT_FALSE(c.HasText(" first"));
    EXPECT_TRUE(LinesIn(c, kRed).empty()); // a designer shows no data
}

TEST(LegendDrawing, PlacementsOutsideThePlotTakeRoom)
{
    Graph g;
    g.AddSeries(1, kRed, {{10, 10}, {20, 20}}, " first");
    g.Render();
    const int right = g.PlotRight(), top = g.PlotTop(), bottom = g.PlotBottom();
    g.LegendBox().SetEnabled(true);
    g.LegendBox().SetDistance(8);
    g.LegendBox().SetPlacement(lbxRight);
    g.Render();
    EXPECT_EQ(g.PlotRight(), right - 8 - g.Legend().Width);
    g.LegendBox().SetPlacement(lbxTop);
    g.Render();
    EXPECT_EQ(g.PlotTop(), top + 8 + g.Legend().Height);
    EXPECT_EQ(g.LegendTopLeft().y(), top);
    g.LegendBox().SetPlacement(lbxBottom);
    g.Render();
    EXPECT_EQ(g.PlotBottom(), bottom - 8 - g.Legend().Height);
    EXPECT_EQ(g.LegendTopLeft().y() + g.Legend().Height, 300 - 10);
    g.LegendBox().SetPlacement(lbxSouthWest);
    g.Render();
    EXPECT_EQ(g.PlotBottom(), bottom);
    EXPECT_EQ(g.LegendTopLeft(), QPoint(g.PlotLeft() + 8, bottom - 8 - g.Legend().Height));
}

TEST(AutoScaling, FollowsTheDrawnSeries)
{
    Graph g;
    g.XScale().SetAutoSizing(true);
    g.AddSeries(1, kRed, {{0, 10}, {50, 20}});
    g.AddSeries(2, kBlue, {{1000, 10}});
    g.Series(2)->Enabled = false;
    g.Render();
    EXPECT_DOUBLE_EQ(g.XScale().Min(), -1);
    EXPECT_DOUBLE_EQ(g.XScale().Max(), 51);
    // An emptied series' old extents do not count.
    g.ClearSeries(1);
    g.SetSeries(1, true, false, kRed, " first");
    g.AddSeries(3, kBlue, {{10, 10}, {20, 20}});
    g.Render();
    EXPECT_DOUBLE_EQ(g.XScale().Min(), 10 - 0.2);
}
