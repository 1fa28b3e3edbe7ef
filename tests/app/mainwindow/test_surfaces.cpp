// The main window's graph on real surfaces: the offscreen window, an image
// and an SVG picture.
#include "graph/graph_errors.h"
#include "graph/painter_canvas.h"
#include "graph/vexplot.h"

#include "app/mainwindow/main_window_graph.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <gtest/gtest.h>

namespace {

// Non-background pixels in a rectangle of an image.
int InkIn(const QImage &image, const QRect &r, QRgb background)
{
    int ink = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) != background)
                ++ink;
    return ink;
}

class MainWindowGraph : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ConfigureMainWindowGraph(graph);
        graph.SetBuffered(true);
        graph.resize(677, 493);
    }
    TVexplot graph;
};

} // namespace

TEST_F(MainWindowGraph, OffscreenWindowDrawsGridsInsideThePlot)
{
    graph.SetColor(QColor(0xF0, 0xF0, 0xF0));
    const QImage image = graph.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(677, 493));
    const QRect plot(graph.PlotLeft() + 3, graph.PlotTop() + 3, graph.PlotRight() - graph.PlotLeft() - 6,
                     graph.PlotBottom() - graph.PlotTop() - 6);
    ASSERT_GT(plot.width(), 300);
    // White plot with black grid lines.
    EXPECT_GT(InkIn(image, plot, qRgb(255, 255, 255)), 500);
    EXPECT_EQ(image.pixel(plot.center()) == qRgb(255, 255, 255) ||
                  image.pixel(plot.center() + QPoint(1, 1)) == qRgb(255, 255, 255),
              true);
    // Outside the plot the control's colour, with the tick labels and titles.
    EXPECT_EQ(image.pixel(2, 2), qRgb(0xF0, 0xF0, 0xF0));
    const QRect yTitle(0, graph.PlotTop(), graph.PlotLeft() - 2, graph.PlotBottom() - graph.PlotTop());
    EXPECT_GT(InkIn(image, yTitle, qRgb(0xF0, 0xF0, 0xF0)), 100);
}

// A graph with a point, so its fixed scales are checked strictly.
class GraphWithData : public TVexplot
{
public:
    GraphWithData()
    {
        SetSeries(1, true, false, kColorBlack, " one");
        AddPoint(1, 2, 2, -1, -1);
    }
};

TEST(VexplotWindow, PaintHandsScaleFaultsToItsCaller)
{
    GraphWithData graph;
    ConfigureMainWindowGraph(graph);
    graph.resize(400, 300);
    EXPECT_NO_THROW(graph.Paint());
    graph.XScale().SetMin(0);
    try {
        graph.Paint();
        FAIL() << "no error";
    } catch (const ELogScaleError &e) {
        EXPECT_STREQ(e.what(), "Non-positive scale on X-axis");
    }
    int handled = 0;
    graph.OnLogScaleError = [&] { ++handled; };
    EXPECT_NO_THROW(graph.Paint());
    EXPECT_EQ(handled, 1);
    // The fault the caller saw is not reported again by the repaint after it.
    QStringList errors;
    graph.OnPaintError = [&](const QString &m) { errors << m; };
    graph.OnLogScaleError = nullptr;
    EXPECT_THROW(graph.Paint(), ELogScaleError);
    graph.grab();
    graph.grab();
    EXPECT_TRUE(errors.isEmpty());
}

TEST(VexplotWindow, RepaintFaultIsReportedOnce)
{
    GraphWithData graph;
    ConfigureMainWindowGraph(graph);
    graph.resize(400, 300);
    graph.YScale().SetMin(-1);
    QStringList errors;
    graph.OnPaintError = [&](const QString &m) { errors << m; };
    graph.grab();
    graph.grab();
    EXPECT_EQ(errors, QStringList{"Non-positive scale on Y-axis"});
    graph.YScale().SetMin(1);
    graph.grab();
    graph.YScale().SetMin(-1);
    graph.grab();
    EXPECT_EQ(errors.size(), 2);
}

TEST_F(MainWindowGraph, ImageSurface)
{
    QImage image(800, 600, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        TPainterCanvas canvas(painter);
        graph.SetColor(kColorWhite);
        graph.RenderGraph(canvas, TDrawArea{0, 0, 800, 600}, 1.0f);
    }
    const QRect labels(0, graph.PlotBottom() + 1, 800, 600 - graph.PlotBottom() - 1);
    EXPECT_GT(InkIn(image, labels, qRgb(255, 255, 255)), 200);
    // The frame is grey.
    EXPECT_EQ(image.pixel(graph.PlotRight(), (graph.PlotTop() + graph.PlotBottom()) / 2), qRgb(0x80, 0x80, 0x80));
}

TEST_F(MainWindowGraph, SvgHoldsTheCaptionsAsText)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(1400, 1000));
    svg.setViewBox(QRect(0, 0, 1400, 1000));
    {
        QPainter painter(&svg);
        TPainterCanvas canvas(painter);
        graph.RenderGraph(canvas, TDrawArea{0, 0, 1400, 1000}, 1.2f);
    }
    const QString text = QString::fromUtf8(buffer.data());
    EXPECT_TRUE(text.contains("photon energy, keV"));
    EXPECT_TRUE(text.contains(QString::fromUtf8("μ")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("ρ")));
    EXPECT_TRUE(text.contains(QString::fromUtf8(", cm²/g")));
    EXPECT_TRUE(text.contains("<polyline") || text.contains("<path"));
}
