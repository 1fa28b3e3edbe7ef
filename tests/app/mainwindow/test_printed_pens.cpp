// The printed graph keeps the pens of the screen: the page is printed to a
// PDF file, rendered with poppler's pdftoppm at the printer's resolution, and
// the dotted minor grid is measured along one of its lines, beside the same
// line drawn on the screen.
#include "graph/metric_factor.h"
#include "graph/painter_canvas.h"
#include "graph/vexplot.h"

#include "app/mainwindow/main_window_graph.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Lengths of the dark and the light runs of pixels along a column.
struct Runs
{
    std::vector<int> dark, light;
};

bool Dark(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

Runs RunsDown(const QImage &image, int x, int top, int bottom)
{
    Runs runs;
    int y = top;
    // Start at the first change, so no run is cut by the window.
    const bool first = Dark(image, x, y);
    while (y < bottom && Dark(image, x, y) == first)
        ++y;
    while (y < bottom) {
        const bool dark = Dark(image, x, y);
        int length = 0;
        while (y < bottom && Dark(image, x, y) == dark) {
            ++length;
            ++y;
        }
        if (y < bottom) // the last run may be cut
            (dark ? runs.dark : runs.light).push_back(length);
    }
    return runs;
}

int Median(std::vector<int> v)
{
    if (v.empty())
        return 0;
    std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
    return v[v.size() / 2];
}

// The column with the most dark pixels between top and bottom, near x.
int DarkestColumn(const QImage &image, int x, int reach, int top, int bottom)
{
    int best = x, most = -1;
    for (int c = std::max(0, x - reach); c <= std::min(image.width() - 1, x + reach); ++c) {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            count += Dark(image, c, y);
        if (count > most) {
            most = count;
            best = c;
        }
    }
    return best;
}

// How many dark columns the line is wide at its darkest column.
int LineWidth(const QImage &image, int x, int top, int bottom)
{
    auto darkCount = [&](int c) {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            count += Dark(image, c, y);
        return count;
    };
    const int threshold = darkCount(x) / 2;
    int width = 1;
    for (int c = x - 1; c >= 0 && darkCount(c) > threshold; --c)
        ++width;
    for (int c = x + 1; c < image.width() && darkCount(c) > threshold; ++c)
        ++width;
    return width;
}

class PrintedPens : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ConfigureMainWindowGraph(graph);
        graph.resize(640, 480);
        graph.XScale().SetMax(1000);
        graph.YScale().SetMin(0.01);
        graph.YScale().SetIntersection(0.01);
        graph.YScale().SetMax(1000);
        graph.LegendBox().SetEnabled(false);
    }

    // A vertical minor grid line: an x minor tick that is no major one.
    double MinorGridValue() const
    {
        const TTickLists &ticks = graph.XTicks();
        for (double v : ticks.Minor)
            if (std::find(ticks.Major.begin(), ticks.Major.end(), v) == ticks.Major.end())
                return v;
        return 0;
    }

    QTemporaryDir dir;
    TVexplot graph;
};

TEST_F(PrintedPens, MinorGridPrintsDottedAtTheProportionsOfTheScreen)
{
    // On the screen.
    QImage screen(graph.size(), QImage::Format_RGB32);
    {
        QPainter painter(&screen);
        TPainterCanvas canvas(painter);
        graph.RenderGraph(canvas, TDrawArea{0, 0, graph.width(), graph.height()},
                          ScreenMetricFactor(1920, 1080, graph.width(), graph.height()));
    }
    ASSERT_EQ(graph.ScaleMetric(1), 1);
    const double value = MinorGridValue();
    ASSERT_GT(value, 0);
    const int screenTop = graph.PlotTop() + 2, screenBottom = graph.YToPixel(graph.YScale().Min()) - 2;
    const int screenX = DarkestColumn(screen, graph.XToPixel(value), 1, screenTop, screenBottom);
    const Runs onScreen = RunsDown(screen, screenX, screenTop, screenBottom);
    const int screenDot = Median(onScreen.dark), screenGap = Median(onScreen.light);
    ASSERT_GE(screenDot, 1);
    ASSERT_GT(screenGap, screenDot); // dotted, not solid

    // On paper: 140 x 100 mm, centred, on a PDF printer of 1200 pixels per inch.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("graph.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    ASSERT_TRUE(graph.PrintGraph(printer, -1, -1, 140, 100));
    const int unit = graph.ScaleMetric(1); // device pixels of one screen pixel of the settings
    ASSERT_GE(unit, 5);

    const TPrinterPage page = TVexplot::PageOf(printer);
    const int x = page.OffsetX + graph.XToPixel(value);
    const int top = page.OffsetY + graph.PlotTop(), bottom = page.OffsetY + graph.YToPixel(graph.YScale().Min());
    const int reach = 4 * unit;
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QString::number(printer.resolution()), QStringLiteral("-gray"),
                    QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"),
                    QStringLiteral("-x"), QString::number(x - reach), QStringLiteral("-y"), QString::number(top),
                    QStringLiteral("-W"), QString::number(2 * reach + 1), QStringLiteral("-H"),
                    QString::number(bottom - top), QStringLiteral("-singlefile"), dir.filePath("graph.pdf"),
                    dir.filePath("crop")});
    ASSERT_TRUE(pdftoppm.waitForFinished(60000));
    ASSERT_EQ(pdftoppm.exitCode(), 0) << pdftoppm.readAllStandardError().toStdString();
    const QImage paper(dir.filePath("crop.pgm"));
    ASSERT_FALSE(paper.isNull());

    const int margin = 4 * unit;
    const int column = DarkestColumn(paper, reach, reach, margin, paper.height() - margin);
    const Runs printed = RunsDown(paper, column, margin, paper.height() - margin);
    ASSERT_GT(printed.dark.size(), 20u);
    // Dots and gaps are the screen's, grown by the printed size of a pixel
    // (before, the printer's own dotted pen made them 1 and 2 printer pixels:
    // a line that looks solid).
    EXPECT_NEAR(Median(printed.dark), screenDot * unit, 2);
    EXPECT_NEAR(Median(printed.light), screenGap * unit, 2);
    // And the line is as wide as a screen pixel printed.
    EXPECT_NEAR(LineWidth(paper, column, margin, paper.height() - margin), unit, 2);
}

} // namespace
