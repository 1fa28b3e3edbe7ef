// The main window's graph painted side by side with QCustomPlot, in one
// process, into the same 1400 x 1000 image: six curves of 300 points each
// (real coefficients of six shipped library materials, 1 to 50000 keV) on
// log-log axes with major and minor grids, legend and title. And one update
// of the read-out under the pointer: six CoefficientAt calls and the edge
// scan, then the picture shown plus the read-out box drawn over it.
//
// Run: build/release/bin/bench_graph_paint --benchmark_repetitions=9
//      --benchmark_report_aggregates_only=true
// The figure that matters is the ratio of the medians BM_PaintGraph /
// BM_PaintQCustomPlot (goal: at most 1) and BM_ReadoutUpdate (goal: 1 ms).
#include "absorber/compound_file.h"
#include "absorber/data_set_list.h"
#include "app/mainwindow/graph_readout.h"
#include "app/mainwindow/main_window_graph.h"
#include "graph/metric_factor.h"
#include "graph/painter_canvas.h"
#include "graph/plot_engine.h"
#include "graph/plot_overlay.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <cmath>
#include <memory>

namespace {

constexpr int kWidth = 1400, kHeight = 1000;
constexpr int kPoints = 300;
constexpr double kMinEnergy = 1.0, kMaxEnergy = 50000.0;
const char *const kMaterials[] = {
    "Water, Liquid", "Lead", "Aluminum", "Bone, Cortical (ICRP)", "Concrete, Portland", "Air, Dry (near sea level)"};
// Pixel settings of the graph scale by the picture's metric factor, 1.2 at
// 1400 x 1000; QCustomPlot gets the same line width and font sizes.
constexpr int kScaledLineWidth = 2;
const QString kTitle = QStringLiteral("mass attenuation coefficients");

struct Curves
{
    DataSets sets;
    std::array<QVector<double>, 6> energies, values;
    bool ok = false;
};

const Curves &SixCurves()
{
    static const Curves curves = [] {
        Curves c;
        CompoundLibrary library;
        if (LoadCompoundLibrary(QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat"), library) != 0)
            return c;
        for (int i = 0; i < 6; ++i) {
            TCmpDataSet &set = c.sets[i];
            set.AbsorberName[0] = kMaterials[i];
            set.RelWeight[0] = 1;
            set.LineColor = DataSets::DefaultLineColor(i);
            set.LineWidth = 2;
            set.Legend = QStringLiteral(" ") + QString::fromLatin1(kMaterials[i]);
            set.UpdateComposition(library);
            for (int j = 0; j < kPoints; ++j) {
                const double e = kMinEnergy * std::pow(kMaxEnergy / kMinEnergy, double(j) / (kPoints - 1));
                const double mu = double(set.CoefficientAt(e));
                if (mu > 0) {
                    c.energies[std::size_t(i)].push_back(e);
                    c.values[std::size_t(i)].push_back(mu);
                }
            }
        }
        c.ok = true;
        return c;
    }();
    return curves;
}

// The main window's graph holding the six curves, scaled as a plot does it.
void FillGraph(TPlotEngine &graph, const Curves &c)
{
    ConfigureMainWindowGraph(graph);
    graph.SetColor(kColorWhite);
    graph.GraphTitle().SetEnabled(true);
    graph.GraphTitle().SetCaption(kTitle);
    graph.XScale().SetMin(kMinEnergy);
    graph.XScale().SetMax(kMaxEnergy);
    graph.XScale().SetIntersection(kMinEnergy);
    graph.YScale().SetMin(1e-2);
    graph.YScale().SetMax(1e4);
    graph.YScale().SetIntersection(1e-2);
    for (int i = 0; i < 6; ++i) {
        const int slot = i + 1;
        graph.SetSeries(slot, true, false, ColorFromRgbValue(c.sets[i].LineColor), c.sets[i].Legend);
        for (qsizetype j = 0; j < c.energies[std::size_t(i)].size(); ++j)
            graph.AddPoint(slot, c.energies[std::size_t(i)][j], c.values[std::size_t(i)][j], -1, -1);
        graph.SetSeriesLine(slot, true, ltPolyline, c.sets[i].LineWidth, TPenStyle::psSolid);
    }
}

void Paint(TPlotEngine &graph, QImage &image)
{
    QPainter painter(&image);
    TPainterCanvas canvas(painter);
    graph.RenderGraph(canvas, TDrawArea{0, 0, kWidth, kHeight}, PictureMetricFactor(kWidth, kHeight));
}

void BM_PaintGraph(benchmark::State &state)
{
    const Curves &c = SixCurves();
    if (!c.ok)
        return state.SkipWithError("data/CmpMix.dat did not load");
    TPlotEngine graph;
    FillGraph(graph, c);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        Paint(graph, image);
    benchmark::DoNotOptimize(image.constBits());
}

void BM_PaintQCustomPlot(benchmark::State &state)
{
    const Curves &c = SixCurves();
    if (!c.ok)
        return state.SkipWithError("data/CmpMix.dat did not load");
    QCustomPlot plot;
    plot.resize(kWidth, kHeight);
    plot.plotLayout()->insertRow(0);
    plot.plotLayout()->addElement(0, 0, new QCPTextElement(&plot, kTitle, QFont("Arial", 22)));
    QSharedPointer<QCPAxisTickerLog> ticker(new QCPAxisTickerLog);
    for (QCPAxis *axis : {plot.xAxis, plot.yAxis}) {
        axis->setScaleType(QCPAxis::stLogarithmic);
        axis->setTicker(ticker);
        axis->setNumberFormat("eb");
        axis->setNumberPrecision(0);
        axis->grid()->setSubGridVisible(true);
        axis->grid()->setPen(QPen(Qt::black, 1));
        axis->grid()->setSubGridPen(QPen(Qt::black, 0, Qt::DotLine));
    }
    QFont labels("Arial");
    labels.setPixelSize(24);
    for (QCPAxis *axis : {plot.xAxis, plot.yAxis}) {
        axis->setLabelFont(labels);
        axis->setTickLabelFont(labels);
    }
    plot.legend->setFont(labels);
    plot.xAxis->setLabel("photon energy, keV");
    plot.yAxis->setLabel(QString::fromUtf8("μ/ρ, cm²/g"));
    plot.xAxis->setRange(kMinEnergy, kMaxEnergy);
    plot.yAxis->setRange(1e-2, 1e4);
    for (int i = 0; i < 6; ++i) {
        QCPGraph *g = plot.addGraph();
        g->setData(c.energies[std::size_t(i)], c.values[std::size_t(i)], true);
        // The width our graph draws with: 2 pixels scaled by 1.2, rounded.
        g->setPen(QPen(ColorFromRgbValue(c.sets[i].LineColor), kScaledLineWidth));
        g->setName(QString::fromLatin1(kMaterials[i]));
    }
    plot.legend->setVisible(true);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QCPPainter painter(&image);
        plot.toPainter(&painter, kWidth, kHeight);
    }
    benchmark::DoNotOptimize(image.constBits());
}

void BM_ReadoutUpdate(benchmark::State &state)
{
    const Curves &c = SixCurves();
    if (!c.ok)
        return state.SkipWithError("data/CmpMix.dat did not load");
    TPlotEngine graph;
    FillGraph(graph, c);
    QImage frame(kWidth, kHeight, QImage::Format_RGB32); // as the control keeps its frame
    Paint(graph, frame);
    const float metric = graph.MetricFactor();
    const TAxisMapping x = graph.XMapping();
    const QRect plot(QPoint(graph.PlotLeft(), graph.PlotTop()), QPoint(graph.PlotRight(), graph.PlotBottom()));
    const std::array<bool, 6> plotted{true, true, true, true, true, true};
    TGraphFont font = graph.LegendFont();
    font.Height = vexplot::RoundToInt(font.Height * double(metric));
    QImage screen(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    // The pointer sweeps the plot box, one pixel a step, edges included.
    int px = plot.left();
    for (auto _ : state) {
        px = px >= plot.right() ? plot.left() : px + 1;
        const TReadout r = GraphReadout(c.sets, plotted, x.Unmap(px), x.Unmap(px - 1), x.Unmap(px + 1));
        TPlotOverlay overlay;
        overlay.Pointer = QPoint(px, plot.center().y());
        overlay.Heading = r.Energy;
        for (const TReadoutEntry &e : r.Entries)
            overlay.Lines.push_back({e.Colour, e.Legend, e.Value});
        QPainter painter(&screen);
        painter.drawImage(0, 0, frame);
        TPainterCanvas canvas(painter);
        DrawPlotOverlay(canvas, overlay, plot, screen.rect(), font);
    }
    benchmark::DoNotOptimize(screen.constBits());
}

BENCHMARK(BM_PaintGraph)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintQCustomPlot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadoutUpdate)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
