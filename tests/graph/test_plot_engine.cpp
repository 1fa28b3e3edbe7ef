#include "graph/graph_errors.h"
#include "graph/metric_factor.h"
#include "graph/plot_engine.h"

#include "graph/label_format.h"
#include "tests/graph/recording_canvas.h"
#include "tests/support/c_library_locale.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Kind = TDrawOp::Kind;

// A graph with AutoMetrics off, linear 0..10 on both axes, no titles or
// labels unless a test switches them on.
class Graph : public TPlotEngine
{
public:
    Graph()
    {
        XAxis().SetTitleEnabled(false);
        YAxis().SetTitleEnabled(false);
        XAxis().SetTickLabelEnabled(false);
        YAxis().SetTickLabelEnabled(false);
        GraphTitle().SetEnabled(false);
        for (TScale *s : {&XScale(), &YScale()})
            s->SetAutoSizing(false);
    }
    TRecordingCanvas Render(int w = 600, int h = 400, float mf = 1)
    {
        TRecordingCanvas c;
        RenderGraph(c, TDrawArea{0, 0, w, h}, mf);
        return c;
    }
    int invalidated = 0;

protected:
    void Invalidate() override { ++invalidated; }
};

} // namespace

TEST(MetricFactor, ScreenPrintAndPicture)
{
    EXPECT_FLOAT_EQ(ScreenMetricFactor(1024, 768, 677, 493), 0.78f);
    EXPECT_FLOAT_EQ(PictureMetricFactor(1400, 1000), 1.2f);
    EXPECT_FLOAT_EQ(PrintMetricFactor(2000, 1000), 1.5f * 2);
}

TEST(PlotEngine, MetricFactorScalesTicksAndFonts)
{
    Graph g;
    g.SetAutoMetrics(true);
    g.Render(677, 493, ScreenMetricFactor(1024, 768, 677, 493));
    EXPECT_EQ(g.ScaleMetric(12), 9);
    EXPECT_EQ(g.ScaleMetric(-20), -16);
    EXPECT_EQ(g.ScaleMetric(10), 8);
    g.SetAutoMetrics(false);
    EXPECT_EQ(g.ScaleMetric(12), 12);
}

TEST(PlotEngine, GridLinesAtEveryTick)
{
    Graph g;
    g.GridVertical().SetMinGridEnabled(true);
    g.XScale().SetLinStep(2);
    g.XScale().SetMinorTickNumber(1);
    g.GridHorizontal().SetMajGridEnabled(false);
    const TRecordingCanvas c = g.Render();
    const auto lines = c.OfKind(Kind::Line);
    // x majors 0,2,..,10 and minors 1,3,..,9: vertical lines from the bottom up.
    int vertical = 0;
    for (const TDrawOp &l : lines)
        if (l.pen.Color == kColorSilver && l.points[0].x() == l.points[1].x() && l.points[0].y() == g.PlotBottom() &&
            l.points[1].y() == g.PlotTop())
            ++vertical;
    EXPECT_EQ(vertical, 6 + 5);
}

TEST(PlotEngine, WideDottedGridIsDrawnWithDots)
{
    Graph g;
    g.GridVertical().SetMajorGridStyle(TPenStyle::psDot);
    g.GridVertical().SetMajorGridWidth(3);
    g.GridHorizontal().SetMajGridEnabled(false);
    const TRecordingCanvas c = g.Render();
    const auto dots = c.OfKind(Kind::Ellipse);
    ASSERT_FALSE(dots.empty());
    EXPECT_EQ(dots[0].right - dots[0].left, 3);
    EXPECT_EQ(dots[0].bottom - dots[0].top, 3);
}

TEST(PlotEngine, TickMarksOnlyWhereTheAxisCrosses)
{
    Graph g;
    g.XAxis().SetTickPosition(tpIn);
    g.XAxis().SetMajorTickLen(10);
    g.YAxis().SetMajTicksEnabled(false);
    g.YScale().SetIntersection(5);
    TRecordingCanvas c = g.Render();
    const int y0 = g.YToPixel(5);
    int ticks = 0;
    for (const TDrawOp &l : c.OfKind(Kind::Line))
        if (l.points[0].y() == y0 - 10 && l.points[1].y() == y0)
            ++ticks;
    EXPECT_EQ(ticks, 3); // majors 0, 5, 10
    g.YScale().SetIntersection(20);
    c = g.Render();
    for (const TDrawOp &l : c.OfKind(Kind::Line))
        EXPECT_NE(l.pen.Width, 2) << "a major tick mark was drawn";
}

TEST(PlotEngine, TickMarksAtTheMinimumTakeRoomOutside)
{
    Graph g;
    g.YAxis().SetTickPosition(tpOut);
    g.YAxis().SetMajorTickLen(12);
    g.Render();
    EXPECT_EQ(g.PlotLeft(), 10 + 12);
    g.XScale().SetIntersection(5);
    g.Render();
    EXPECT_EQ(g.PlotLeft(), 10);
}

TEST(PlotEngine, AxisTitlePositions)
{
    Graph g;
    g.XAxis().SetTitleEnabled(true);
    g.XAxis().SetCaption("abc");
    g.XAxis().SetTitlePos(0);
    TRecordingCanvas c = g.Render();
    EXPECT_EQ(c.TextOp("abc").points[0].x(), g.PlotLeft());
    g.XAxis().SetTitlePos(1000);
    c = g.Render();
    const int w = TRecordingCanvas::CharsWidth(3, g.AxisTitleFont().Height);
    EXPECT_EQ(c.TextOp("abc").points[0].x() + w, g.PlotRight());
    // Below the title distance and the outer half of the centred tick marks.
    EXPECT_EQ(c.TextOp("abc").points[0].y(), g.PlotBottom() + 2 + 5);

    g.XAxis().SetTitleEnabled(false);
    g.YAxis().SetTitleEnabled(true);
    g.YAxis().SetCaption("wxyz");
    g.YAxis().SetTitlePos(0);
    c = g.Render();
    // Turned upwards: the text starts at its lower end, on the plot bottom.
    const int w4 = TRecordingCanvas::CharsWidth(4, g.AxisTitleFont().Height);
    EXPECT_EQ(c.TextOp("wxyz").points[0].y(), g.PlotBottom());
    EXPECT_EQ(c.TextOp("wxyz").points[0].x(), 10);
    g.YAxis().SetTitlePos(1000);
    c = g.Render();
    EXPECT_EQ(c.TextOp("wxyz").points[0].y() - w4, g.PlotTop());
}

TEST(PlotEngine, GraphTitleAbovePlot)
{
    Graph g;
    g.GraphTitle().SetEnabled(true);
    g.GraphTitle().SetCaption("Title");
    g.GraphTitle().SetDistance(8);
    const TRecordingCanvas c = g.Render();
    const TDrawOp &t = c.TextOp("Title");
    EXPECT_EQ(t.points[0].y(), 20);
    const int h = TRecordingCanvas::CellHeight(g.GraphTitleFont().Height);
    EXPECT_EQ(g.PlotTop(), 20 + h + 8);
    const int w = TRecordingCanvas::CharsWidth(5, g.GraphTitleFont().Height);
    EXPECT_EQ(t.points[0].x(), g.PlotLeft() + 500 * (g.PlotRight() - g.PlotLeft() - w) / 1000);
}

TEST(PlotEngine, FixedVerticalPosition)
{
    Graph g;
    g.GraphTitle().SetEnabled(true);
    g.PlotBox().SetFixedVerPos(true);
    g.PlotBox().SetTop(15);
    g.PlotBox().SetBottom(300);
    g.XAxis().SetTickLabelEnabled(true);
    g.XAxis().SetLabelDistance(5);
    const TRecordingCanvas c = g.Render();
    EXPECT_EQ(g.PlotTop(), 15);
    EXPECT_EQ(g.PlotBottom(), 300);
    // The labels keep their place below the plot: the outer half of the
    // centred tick marks (5), the label distance (5), and bottom alignment of
    // a 15-high label by twice its half height (one pixel lower).
    EXPECT_EQ(c.TextOp("5").points[0].y(), 300 + 5 + 5 + 1);
}

TEST(PlotEngine, LinearLabelsUseTheFormat)
{
    Graph g;
    g.XAxis().SetTickLabelEnabled(true);
    g.XAxis().SetLabelFormat("%-.2e");
    g.XScale().SetMin(-20);
    g.XScale().SetMax(20);
    g.XScale().SetLinStep(20);
    g.XScale().SetIntersection(0);
    g.XScale().SetAutoStepping(false);
    const TRecordingCanvas c = g.Render();
    EXPECT_TRUE(c.HasText("0"));
    EXPECT_TRUE(c.HasText("-2.0"));
    EXPECT_TRUE(c.HasText(QString(QChar(char16_t(0xD7)))));
}

TEST(PlotEngine, ScaleFaultGoesToTheHandler)
{
    Graph g;
    g.XScale().SetScaleType(stLog);
    g.XScale().SetMin(-1);
    // Without data the fixed scale is repaired, not refused.
    g.Render();
    EXPECT_DOUBLE_EQ(g.XScale().Min(), 1);

    g.SetSeries(1, true, false, kColorBlack, " ");
    g.AddPoint(1, 5, 5, -1, -1);
    g.XScale().SetMin(0);
    try {
        g.Render();
        FAIL() << "no error";
    } catch (const ELogScaleError &e) {
        EXPECT_STREQ(e.what(), "Non-positive scale on X-axis");
    }
    int handled = 0;
    g.OnLogScaleError = [&] { ++handled; };
    const TRecordingCanvas c = g.Render();
    EXPECT_EQ(handled, 1);
    // The drawing ended at the fault: only the background was filled.
    EXPECT_EQ(c.OfKind(Kind::FillRect).size(), 1u);
    EXPECT_TRUE(c.OfKind(Kind::Line).empty());
    EXPECT_TRUE(c.OfKind(Kind::Text).empty());
}

TEST(PlotEngine, EventsAfterRescaleAndForNegativeValues)
{
    Graph g;
    int rescales = 0, negatives = 0;
    g.OnRescale = [&] { ++rescales; };
    g.Render();
    g.Render();
    EXPECT_EQ(rescales, 2);

    g.XScale().SetScaleType(stLog);
    g.XScale().SetMin(1);
    g.YScale().SetScaleType(stLog);
    g.YScale().SetMin(1);
    g.Render();
    try {
        g.XToPixel(0);
        FAIL() << "no error";
    } catch (const ENegValError &e) {
        EXPECT_STREQ(e.what(), "Negative number on a log X-axis!");
    }
    EXPECT_THROW(g.YToPixel(-1), ENegValError);
    g.OnNegativeValues = [&] { ++negatives; };
    EXPECT_EQ(g.XToPixel(0), -32768);
    EXPECT_EQ(g.YToPixel(-5), 32767);
    EXPECT_EQ(negatives, 2);
}

TEST(PlotEngine, RepaintsOnChangesOnlyAtDesignTime)
{
    Graph g;
    g.XScale().SetMax(20);
    g.SetMarginLeft(5);
    EXPECT_EQ(g.invalidated, 0);
    g.SetDesigning(true);
    g.XScale().SetMax(30);
    g.SetMarginLeft(6);
    g.XAxis().SetCaption("changed");
    EXPECT_EQ(g.invalidated, 3);
    // A drawing rewrites scales and plot box without asking for a repaint.
    g.Render();
    EXPECT_EQ(g.invalidated, 3);
}

TEST(PlotEngine, SubObjectRules)
{
    Graph g;
    g.GridVertical().SetMajGridEnabled(false);
    g.GridVertical().SetMinGridEnabled(true);
    EXPECT_FALSE(g.GridVertical().MinGridEnabled());
    g.GridVertical().SetMajGridEnabled(true);
    g.GridVertical().SetMinGridEnabled(true);
    g.GridVertical().SetMajGridEnabled(false);
    EXPECT_FALSE(g.GridVertical().MinGridEnabled());
    g.XAxis().SetMinTicksEnabled(true);
    g.XAxis().SetMajTicksEnabled(false);
    EXPECT_FALSE(g.XAxis().MinTicksEnabled());
    g.XAxis().SetMinTicksEnabled(true);
    EXPECT_FALSE(g.XAxis().MinTicksEnabled());
    g.XAxis().SetCaption(QString(300, QLatin1Char('c')));
    EXPECT_EQ(g.XAxis().Caption().size(), 255);
}

namespace {

// Qt sets the C library's locale from the user's at start-up; the labels
// depend only on the user's QLocale, never on what printf would write.
TEST(PlotEngine, TickLabelsUnderAGermanAndTheCLocale)
{
    const QLocale former;
    auto labels = [](const QString &format) {
        Graph g;
        g.XAxis().SetTickLabelEnabled(true);
        g.XAxis().SetLabelFormat(format);
        g.XScale().SetMin(0);
        g.XScale().SetMax(10);
        g.XScale().SetLinStep(2.5);
        g.XScale().SetIntersection(0);
        g.XScale().SetAutoStepping(false);
        QStringList texts;
        for (const TDrawOp &op : g.Render().OfKind(Kind::Text))
            texts << op.text;
        return texts;
    };
    {
        const CLibraryNumericLocale german("de_DE");
        ASSERT_EQ(CLibraryNumericLocale::DecimalPoint(), ',');
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_EQ(labels("%g"), QStringList({"0", "2,5", "5", "7,5", "10"}));
        EXPECT_EQ(labels("%.2f"), QStringList({"0", "2,50", "5,00", "7,50", "10,00"}));
        EXPECT_EQ(FormatLabelNumber(1234.5, "%.2n"), "1.234,50");
        EXPECT_EQ(FormatLabelNumber(1.5, "%g"), "1,5");
        EXPECT_EQ(FormatLabelNumber(1500, "%-.2e"), "1,5E+003");

        // The user's locale is C while the C library's stays German.
        QLocale::setDefault(QLocale::c());
        EXPECT_EQ(labels("%g"), QStringList({"0", "2.5", "5", "7.5", "10"}));
        EXPECT_EQ(FormatLabelNumber(1234.5, "%.2n"), "1,234.50");
        EXPECT_EQ(FormatLabelNumber(1500, "%-.2e"), "1.5E+003");
    }
    QLocale::setDefault(former);
}

} // namespace
