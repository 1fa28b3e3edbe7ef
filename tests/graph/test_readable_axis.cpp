// The main window's energy axis drawn at the default range, over a range
// shorter than a decade and over eleven decades: labelled ticks inside every
// range, no label running into another, and the default axis as before.
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

} // namespace

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
