// The main window's graph as the recording canvas draws it: its captions,
// frame and drawing order, and its energy axis at the default range, over a
// range shorter than a decade and over eleven decades: labelled ticks inside
// every range, no label running into another, and the default axis as before.
#include "graph/metric_factor.h"
#include "graph/plot_engine.h"

#include "app/mainwindow/main_window_graph.h"
#include "tests/graph/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

class MainGraph : public TPlotEngine
{
public:
    MainGraph(double xMin, double xMax, double yMin = 1e-2, double yMax = 1e4)
    {
        ConfigureMainWindowGraph(*this);
        XScale().SetMin(xMin);
        XScale().SetMax(xMax);
        XScale().SetIntersection(xMin);
        YScale().SetMin(yMin);
        YScale().SetMax(yMax);
        YScale().SetIntersection(yMin);
        // A curve, as after a plot: a fixed scale with data keeps its range.
        SetSeries(1, true, false, kColorBlack, QStringLiteral(" curve"));
        AddPoint(1, std::sqrt(xMin * xMax), std::sqrt(yMin * yMax), -1, -1);
        SetSeriesLine(1, true, 0, 1, TPenStyle::psSolid);
        RenderGraph(canvas, TDrawArea{0, 0, 677, 493}, ScreenMetricFactor(1024, 768, 677, 493));
    }
    // The text calls below the plot box and above the axis title: the x
    // tick labels, digits and exponents alike.
    std::vector<TDrawOp> XLabelOps() const
    {
        std::vector<TDrawOp> out;
        for (const TDrawOp &op : canvas.OfKind(TDrawOp::Kind::Text))
            if (op.points.front().y() > PlotBottom() && op.text != "photon energy, keV")
                out.push_back(op);
        std::sort(out.begin(), out.end(),
                  [](const TDrawOp &a, const TDrawOp &b) { return a.points.front().x() < b.points.front().x(); });
        return out;
    }
    TRecordingCanvas canvas;
};

// No two text calls of the x labels share a pixel column.
void ExpectNoOverlap(const std::vector<TDrawOp> &ops)
{
    for (std::size_t i = 1; i < ops.size(); ++i) {
        const TDrawOp &a = ops[i - 1], &b = ops[i];
        const int aRight = a.points.front().x() + TRecordingCanvas::CharsWidth(int(a.text.size()), a.font.Height);
        EXPECT_LE(aRight, b.points.front().x()) << a.text.toStdString() << " runs into " << b.text.toStdString();
    }
}

// The main window's graph on its own, rendered on the recording canvas.
class ConfiguredGraph : public TPlotEngine
{
public:
    ConfiguredGraph() { ConfigureMainWindowGraph(*this); }
    TRecordingCanvas Render(int w, int h, float mf)
    {
        TRecordingCanvas c;
        RenderGraph(c, TDrawArea{0, 0, w, h}, mf);
        return c;
    }
};

std::size_t IndexOf(const TRecordingCanvas &c, TDrawOp::Kind kind)
{
    const auto it = std::find_if(c.ops.begin(), c.ops.end(), [&](const TDrawOp &op) { return op.kind == kind; });
    return std::size_t(it - c.ops.begin());
}

} // namespace

TEST(MainWindowGraph, MainWindowGraphOnAFourByThreeScreen)
{
    ConfiguredGraph g;
    const TRecordingCanvas c = g.Render(677, 493, ScreenMetricFactor(1024, 768, 677, 493));

    // Axis captions with the Greek letters shown as such, the y caption turned.
    EXPECT_TRUE(c.HasText("photon energy, keV"));
    const TDrawOp &mu = c.TextOp(QString::fromUtf8("μ"));
    EXPECT_EQ(mu.escapement, 900);
    EXPECT_EQ(mu.font.Height, -16);
    EXPECT_EQ(c.TextOp(QString::fromUtf8("ρ")).escapement, 900);
    EXPECT_TRUE(c.HasText(QString::fromUtf8(", cm²/g")));
    // Log tick labels 10^0, 5, 10^1 on x; the exponents at 70 % size.
    EXPECT_TRUE(c.HasText("5"));
    EXPECT_EQ(c.TextOp("1").font.Height, -11);
    EXPECT_EQ(c.TextOp("10").font.Height, -16);
    EXPECT_EQ(c.TextOp("10").font.Name, "MS Sans Serif");
    // The frame: grey, width 3 scaled to 2.
    const auto frames = c.OfKind(TDrawOp::Kind::Polyline);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].pen.Width, 2);
    EXPECT_EQ(frames[0].points.front(), QPoint(g.PlotLeft(), g.PlotTop()));
    // The layout wrote the plot box back.
    EXPECT_EQ(g.PlotBox().Left(), g.PlotLeft());
    EXPECT_EQ(g.PlotBox().Bottom(), g.PlotBottom());
    EXPECT_EQ(g.PlotTop(), g.ScaleMetric(20));
}

TEST(MainWindowGraph, DrawingOrder)
{
    ConfiguredGraph g;
    const TRecordingCanvas c = g.Render(677, 493, 0.78f);
    ASSERT_GE(c.ops.size(), 3u);
    // Whole area, then the plot box in the plot colour.
    EXPECT_EQ(c.ops[0].kind, TDrawOp::Kind::FillRect);
    EXPECT_EQ(c.ops[0].right, 677);
    EXPECT_EQ(c.ops[1].kind, TDrawOp::Kind::FillRect);
    EXPECT_EQ(c.ops[1].brush.Color, kColorWhite);
    EXPECT_EQ(c.ops[1].left, g.PlotLeft());
    EXPECT_EQ(c.ops[2].kind, TDrawOp::Kind::Clip);
    // Grids inside the clip (minor dotted before major solid), then ticks,
    // frame, labels and titles outside it.
    const std::size_t unclip = IndexOf(c, TDrawOp::Kind::Unclip);
    const std::size_t frame = IndexOf(c, TDrawOp::Kind::Polyline);
    const std::size_t text = IndexOf(c, TDrawOp::Kind::Text);
    EXPECT_LT(unclip, frame);
    EXPECT_LT(frame, text);
    EXPECT_EQ(c.ops[3].pen.Style, TPenStyle::psDot);
    EXPECT_EQ(c.ops[unclip - 1].pen.Style, TPenStyle::psSolid);
}

TEST(ReadableAxis, DefaultRangesKeepEveryTickAndLabel)
{
    const MainGraph g(1, 50000);
    EXPECT_EQ(g.XTicks().Major, GenerateTicks(g.XScale()).Major);
    EXPECT_EQ(g.XTicks().Minor, GenerateTicks(g.XScale()).Minor);
    EXPECT_EQ(g.YTicks().Major, GenerateTicks(g.YScale()).Major);
    EXPECT_EQ(g.XLabelTicks(), g.XTicks().Major);
    EXPECT_EQ(g.YLabelTicks(), g.YTicks().Major);
    // 10^0, 5, 10^1, ..., 10^4 and 5 (x 10^4): ten labels.
    EXPECT_EQ(g.XLabelTicks().size(), 10u);
    ExpectNoOverlap(g.XLabelOps());
}

TEST(ReadableAxis, ARangeInsideOneDecadeIsLabelledAndGridded)
{
    const MainGraph g(1000, 2000);
    EXPECT_EQ(g.XLabelTicks(), (std::vector<double>{1000, 1500, 2000}));
    // 10^3, 1.5 x 10^3 (its leading digit alone would read 2) and 2.
    EXPECT_TRUE(g.canvas.HasText("10"));
    EXPECT_TRUE(g.canvas.HasText("3"));
    EXPECT_TRUE(g.canvas.HasText("1.5"));
    EXPECT_TRUE(g.canvas.HasText(QString(QChar(0x00D7))));
    EXPECT_TRUE(g.canvas.HasText("2"));
    ExpectNoOverlap(g.XLabelOps());
    // Vertical grid lines inside the plot box: the majors and the tenths.
    int inside = 0;
    for (const TDrawOp &op : g.canvas.OfKind(TDrawOp::Kind::Line))
        if (op.points[0].x() == op.points[1].x() && op.points[0].x() > g.PlotLeft() + 2 &&
            op.points[0].x() < g.PlotRight() - 2 && op.points[1].y() == g.PlotTop())
            ++inside;
    EXPECT_GE(inside, 9);
}

TEST(ReadableAxis, ARangeWithoutADecadeNamesThePowers)
{
    const MainGraph g(1100, 2400);
    const std::vector<double> &shown = g.XLabelTicks();
    EXPECT_GE(shown.size(), 2u);
    EXPECT_NE(std::find(shown.begin(), shown.end(), 1500), shown.end());
    EXPECT_NE(std::find(shown.begin(), shown.end(), 2000), shown.end());
    // 1.5 x 10^3 and 2 x 10^3, the times sign from the Symbol font.
    EXPECT_TRUE(g.canvas.HasText("1.5"));
    EXPECT_TRUE(g.canvas.HasText(QString(QChar(0x00D7))));
    ExpectNoOverlap(g.XLabelOps());
}

TEST(ReadableAxis, ElevenDecadesDropTheFivesThatDoNotFitAndKeepEveryDecade)
{
    const MainGraph g(0.01, 1e9);
    const std::vector<double> &shown = g.XLabelTicks();
    for (int e = -2; e <= 9; ++e)
        EXPECT_EQ(std::count_if(shown.begin(), shown.end(),
                                [&](double v) { return std::abs(v / std::pow(10.0, e) - 1) < 1e-9; }),
                  1)
            << e;
    EXPECT_LT(shown.size(), g.XTicks().Major.size());
    ExpectNoOverlap(g.XLabelOps());
}
