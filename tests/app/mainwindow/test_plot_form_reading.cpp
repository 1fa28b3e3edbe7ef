// Reading numbers off the main window's graph through its widgets: the
// read-out under the mouse and at an edge, the keyboard crosshair, the zoom
// by a dragged rectangle (Escape cancels it, a double-click goes back to the
// full range), and none of it in a saved picture.
#include "app/mainwindow/graph_readout.h"
#include "app/mainwindow/plot_form.h"

#include "absorber/plot_energies.h"
#include "graph/vexplot.h"
#include "tests/app/support/scripted_prompt.h"
#include "tests/app/support/test_data_sets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <cmath>

namespace {

void Mouse(QWidget &w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton,
           Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent e(type, QPointF(at), w.mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

void Key(QWidget &w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent e(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&w, &e);
}

bool WholeDecade(double v)
{
    const double e = std::log10(v);
    return std::abs(e - std::round(e)) < 1e-9;
}

class GraphReading : public ::testing::Test
{
protected:
    GraphReading()
    {
        sets[0] = ElementsDataSet({82});
        sets[0].Legend = QStringLiteral(" lead");
        sets[2] = WaterDataSet();
        form.show();
        form.PlotData();
    }
    TVexplot &graph() { return form.MRGraph(); }
    QPoint At(double energy) { return {graph().XToPixel(energy), graph().ScreenPlotBox().center().y()}; }
    QString Unit() const { return QString::fromUtf8(" cm²/g"); }

    DataSets sets;
    TPlotRange range;
    TmrPlotForm form{sets, range};
    ScriptedPrompt prompt;
};

} // namespace

TEST_F(GraphReading, MouseOverTheCurvesShowsTheComputedValues)
{
    const QPoint p = At(30.0);
    Mouse(graph(), QEvent::MouseMove, p);
    const TPlotOverlay o = graph().Overlay();
    ASSERT_TRUE(o.Pointer.has_value());
    EXPECT_FALSE(o.Crosshair);
    const double energy = graph().ScreenXAt(p.x());
    EXPECT_NEAR(energy, 30.0, 30.0 * 0.01);
    EXPECT_EQ(o.Heading, ReadoutNumber(energy, QLocale()) + " keV");
    ASSERT_EQ(o.Lines.size(), 2u);
    EXPECT_EQ(o.Lines[0].Label, " lead");
    EXPECT_EQ(o.Lines[0].Text, ReadoutNumber(double(sets[0].CoefficientAt(energy)), QLocale()) + Unit());
    EXPECT_EQ(o.Lines[1].Text, ReadoutNumber(double(sets[2].CoefficientAt(energy)), QLocale()) + Unit());
    EXPECT_EQ(o.Lines[1].Colour, ColorFromRgbValue(sets[2].LineColor));

    // Leaving the graph, or moving outside the plot box, hides it.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&graph(), &leave);
    EXPECT_FALSE(graph().Overlay().Pointer.has_value());
    Mouse(graph(), QEvent::MouseMove, p);
    Mouse(graph(), QEvent::MouseMove, QPoint(1, 1));
    EXPECT_FALSE(graph().Overlay().Pointer.has_value());
    EXPECT_TRUE(graph().Overlay().Lines.empty());
}

TEST_F(GraphReading, AtTheLeadKEdgeBothSidesAndTheEdgesName)
{
    const float edge = float(TCmpDataSet::AbsorptionEdge(82, 1, kDataSourceB));
    Mouse(graph(), QEvent::MouseMove, At(edge));
    const TPlotOverlay o = graph().Overlay();
    ASSERT_EQ(o.Lines.size(), 2u);
    const QString below = ReadoutNumber(double(sets[0].CoefficientAt(edge - kEdgeStepBelow)), QLocale());
    const QString above = ReadoutNumber(double(sets[0].CoefficientAt(edge)), QLocale());
    EXPECT_EQ(o.Lines[0].Text, below + " / " + above + Unit() + " (below / above Pb K)");
    // Water has no edge there.
    EXPECT_FALSE(o.Lines[1].Text.contains("below"));
}

TEST_F(GraphReading, TheBoxKeepsTheCurvesUnderThePointerVisible)
{
    const QRect plot = graph().ScreenPlotBox();
    for (const QPoint p : {plot.center(), QPoint(plot.right() - 2, plot.top() + 3), QPoint(plot.left() + 2, 400)}) {
        const QRect box = ReadoutBoxPlace(p, QSize(220, 80), plot, 16, graph().rect());
        EXPECT_TRUE(box.right() < p.x() - 15 || box.left() > p.x() + 15) << p.x() << "," << p.y();
        EXPECT_GE(box.top(), plot.top());
    }
}

TEST_F(GraphReading, ArrowKeysMoveACrosshairWhenTheGraphHasTheFocus)
{
    EXPECT_TRUE(graph().focusPolicy() & Qt::TabFocus);
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&graph(), &in);
    TPlotOverlay o = graph().Overlay();
    ASSERT_TRUE(o.Pointer.has_value());
    EXPECT_TRUE(o.Crosshair);
    const QPoint start = *o.Pointer;
    EXPECT_EQ(start, graph().ScreenPlotBox().center());
    Key(graph(), Qt::Key_Right);
    Key(graph(), Qt::Key_Right, Qt::ShiftModifier);
    Key(graph(), Qt::Key_Up);
    o = graph().Overlay();
    EXPECT_EQ(*o.Pointer, start + QPoint(11, -1));
    EXPECT_EQ(o.Heading, ReadoutNumber(graph().ScreenXAt(start.x() + 11), QLocale()) + " keV");
    EXPECT_EQ(o.Lines.size(), 2u);
    // The crosshair is drawn: grey through the plot box at the point, also
    // where the read-out box is not (left of it, below the legend).
    const QImage shown = graph().grab().toImage();
    const QRect plot = graph().ScreenPlotBox();
    EXPECT_EQ(QColor(shown.pixel(o.Pointer->x(), plot.bottom() - 3)), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(QColor(shown.pixel(plot.left() + 3, o.Pointer->y())), QColor(0x80, 0x80, 0x80));
    Key(graph(), Qt::Key_End);
    EXPECT_EQ(graph().Overlay().Pointer->x(), graph().ScreenPlotBox().right());
    Key(graph(), Qt::Key_Escape);
    EXPECT_FALSE(graph().Overlay().Pointer.has_value());
}

TEST_F(GraphReading, DraggingARectangleZoomsToItsEnergies)
{
    const QPoint from = At(10.0), to = At(300.0) + QPoint(0, 40);
    Mouse(graph(), QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Mouse(graph(), QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    ASSERT_TRUE(graph().Overlay().ZoomRect.has_value());
    EXPECT_EQ(*graph().Overlay().ZoomRect, QRect(from, to).normalized());
    const double lo = graph().ScreenXAt(from.x()), hi = graph().ScreenXAt(to.x());
    Mouse(graph(), QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(graph().Overlay().ZoomRect.has_value());
    EXPECT_DOUBLE_EQ(range.Min, lo);
    EXPECT_DOUBLE_EQ(range.Max, hi);
    // Re-plotted as the plot range dialog does: the x scale is the range,
    // the y scale whole decades around the values.
    EXPECT_DOUBLE_EQ(graph().XScale().Min(), lo);
    EXPECT_DOUBLE_EQ(graph().XScale().Max(), hi);
    EXPECT_TRUE(WholeDecade(graph().YScale().Min()));
    EXPECT_TRUE(WholeDecade(graph().YScale().Max()));

    // A double-click goes back to the full range.
    Mouse(graph(), QEvent::MouseButtonDblClick, graph().ScreenPlotBox().center(), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(range.Min, TPlotRange::kFullMin);
    EXPECT_EQ(range.Max, TPlotRange::kFullMax);
    EXPECT_EQ(graph().XScale().Max(), TPlotRange::kFullMax);
}

TEST_F(GraphReading, ANarrowDragIsWidenedToWhatTheRangeDialogAccepts)
{
    const QPoint from = At(100.0), to = At(110.0);
    Mouse(graph(), QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Mouse(graph(), QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    Mouse(graph(), QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    EXPECT_GE(range.Max, kMinPlotRangeRatio * range.Min * (1 - 1e-12));
    EXPECT_NEAR(std::sqrt(range.Min * range.Max), std::sqrt(graph().XScale().Min() * graph().XScale().Max()), 1e-9);
    EXPECT_LT(range.Min, 104.0);
    EXPECT_GT(range.Max, 106.0);
}

TEST_F(GraphReading, EscapeDuringADragCancelsIt)
{
    const QPoint from = At(10.0), to = At(300.0);
    Mouse(graph(), QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Mouse(graph(), QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    Key(graph(), Qt::Key_Escape);
    EXPECT_FALSE(graph().Overlay().ZoomRect.has_value());
    Mouse(graph(), QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(range.Min, TPlotRange::kFullMin);
    EXPECT_EQ(range.Max, TPlotRange::kFullMax);
    // A click without a drag zooms nothing either.
    Mouse(graph(), QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Mouse(graph(), QEvent::MouseButtonRelease, from, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(range.Max, TPlotRange::kFullMax);
}

TEST_F(GraphReading, TheReadoutIsNotPartOfASavedPicture)
{
    const QPoint p = At(30.0);
    Mouse(graph(), QEvent::MouseMove, p);
    const TPlotOverlay shown = graph().Overlay();
    ASSERT_EQ(shown.Lines.size(), 2u);
    TMetafile picture;
    ASSERT_TRUE(graph().DrawToMetafile(&picture, true, 1400, 1000, QStringLiteral("graph")));
    const QString svg = QString::fromUtf8(picture.Data());
    EXPECT_TRUE(svg.contains("lead")); // the legend box is in it
    EXPECT_FALSE(svg.contains(shown.Heading));
    EXPECT_FALSE(svg.contains(shown.Lines[0].Text.section(' ', 0, 0)));
    // Saving lays the graph out anew for the picture; the screen's mapping
    // stays: the pointer still reads about 30 keV.
    Mouse(graph(), QEvent::MouseMove, p + QPoint(1, 0));
    EXPECT_NEAR(graph().ScreenXAt(graph().Overlay().Pointer->x()), 30.0, 30.0 * 0.03);
    EXPECT_EQ(graph().Overlay().Lines.size(), 2u);
}

// The read-out holds at the ends of the axis, keeps the crosshair's energy
// through a resize, and Tab brings the crosshair up as the help says.
TEST_F(GraphReading, TheEndsReadTheRangeAndTheCrosshairKeepsItsEnergy)
{
    graph().setFocus();
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(&graph(), &tab);
    ASSERT_TRUE(graph().Overlay().Crosshair);

    const std::pair<int, double> ends[] = {{Qt::Key_Home, range.Min}, {Qt::Key_End, range.Max}};
    for (const auto &[key, energy] : ends) {
        Key(graph(), key);
        const TPlotOverlay o = graph().Overlay();
        EXPECT_EQ(o.Heading, ReadoutNumber(energy, QLocale()) + " keV");
        for (const TReadoutBoxLine &line : o.Lines)
            EXPECT_FALSE(line.Text.startsWith("--")) << line.Text.toStdString();
    }

    Key(graph(), Qt::Key_Home);
    for (int i = 0; i < 20; ++i)
        Key(graph(), Qt::Key_Right, Qt::ShiftModifier);
    const double energy = *graph().CrosshairX();
    const QString heading = graph().Overlay().Heading;
    form.resize(form.size() + QSize(240, 120));
    QApplication::processEvents();
    form.RepaintGraph();
    EXPECT_EQ(*graph().CrosshairX(), energy);
    EXPECT_EQ(graph().Overlay().Pointer->x(), graph().XToPixel(energy));
    EXPECT_EQ(graph().Overlay().Heading, heading);
}
