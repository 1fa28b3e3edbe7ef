// A window that shows the graph as the main window configures it, for looking
// at it under a display (not part of the program):
//   graph_demo                 the empty graph at start-up (1 to 10 on both axes)
//   graph_demo --range         the empty graph over 1 to 50000 keV, 0.01 to 1000 cm²/g
//   graph_demo --graph-title   ... with the graph title shown
//   graph_demo --curves        three power laws, one dashed 3 wide, one dotted
//   graph_demo --legend P      ... with the legend at P: top, right, bottom,
//                              ne, nw, se, sw (north-east by default)
//   graph_demo --placements    the curves seven times, once per legend placement
//   graph_demo ... --shot F    saves the window as the image file F and ends
//   graph_demo ... --print F   prints the graph centred on an A4 PDF file F and ends
//   graph_demo ... --svg F     saves the graph as a 1400 x 1000 SVG picture F and ends
//   graph_demo ... --pdf F     the same as a PDF picture
// The curves are plain functions (100 E^-n), not attenuation data.
#include "graph/vexplot.h"

#include "app/mainwindow/main_window_graph.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QPrinter>
#include <QStringList>

#include <cmath>
#include <cstdio>

namespace {

// The main window's layout: a lowered panel at (10, 20) filling the client
// area but for 20 pixels across and 28 down, the graph filling the panel.
class DemoWindow : public QWidget
{
public:
    DemoWindow()
    {
        setWindowTitle(QStringLiteral("Pheltra - photon attenuation data"));
        panel_ = new QFrame(this);
        panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        graph_ = new TVexplot(panel_);
        ConfigureMainWindowGraph(*graph_);
        graph_->SetBuffered(true);
        resize(718, 580);
    }
    TVexplot &Graph() { return *graph_; }

protected:
    void resizeEvent(QResizeEvent *) override
    {
        panel_->setGeometry(10, 20, width() - 20, height() - 28);
        const int b = panel_->frameWidth();
        graph_->setGeometry(b, b, panel_->width() - 2 * b, panel_->height() - 2 * b);
    }

private:
    QFrame *panel_;
    TVexplot *graph_;
};

void AddCurves(TVexplot &graph)
{
    struct Curve
    {
        QColor colour;
        int width;
        TPenStyle style;
        int power;
        const char *legend;
    };
    const Curve curves[] = {
        {QColor(0, 0, 255), 1, TPenStyle::psSolid, 1, " 100 <i>E</i><SUP>-1</SUP> solid"},
        {QColor(255, 0, 0), 3, TPenStyle::psDash, 2, " 100 <i>E</i><SUP>-2</SUP> dashed, 3 wide"},
        {QColor(0, 128, 0), 2, TPenStyle::psDot, 3, " 100 <i>E</i><SUP>-3</SUP> dotted"},
    };
    graph.XScale().SetMax(1000);
    graph.YScale().SetMin(1e-6);
    graph.YScale().SetIntersection(1e-6);
    graph.YScale().SetMax(1000);
    int slot = 1;
    for (const Curve &c : curves) {
        graph.ClearSeries(slot);
        graph.SetSeries(slot, true, false, c.colour, QString::fromUtf8(c.legend));
        const double f = std::exp(std::log(1000.0) / 99);
        double e = 1;
        for (int j = 0; j < 100; ++j, e *= f)
            graph.AddPoint(slot, e, 100 * std::pow(e, -c.power), -1, -1);
        graph.SetSeriesLine(slot, true, ltPolyline, c.width, c.style);
        ++slot;
    }
}

TPlacement PlacementNamed(const QString &name)
{
    const QStringList names = {"top", "right", "bottom", "ne", "nw", "se", "sw"};
    const qsizetype i = names.indexOf(name);
    return i < 0 ? lbxNorthEast : TPlacement(i);
}

QString Argument(const QStringList &args, const QString &option)
{
    const qsizetype i = args.indexOf(option);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : QString();
}

int SaveOutputs(const QStringList &args, QWidget &window, TVexplot &graph)
{
    if (const QString shot = Argument(args, "--shot"); !shot.isEmpty())
        return window.grab().save(shot) ? 0 : 1;
    if (const QString file = Argument(args, "--print"); !file.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        graph.SetColor(kColorWhite);
        return graph.PrintGraph(printer, -1, -1, 140, 100) ? 0 : 1;
    }
    for (const char *option : {"--svg", "--pdf"}) {
        const QString file = Argument(args, option);
        if (file.isEmpty())
            continue;
        TMetafile picture(MetafileFormatFor(file));
        graph.SetColor(kColorWhite);
        QString error;
        if (graph.DrawToMetafile(&picture, true, 1400, 1000, "Created by Pheltra / Quorvik, Dastrel") &&
            picture.SaveToFile(file, &error))
            return 0;
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();

    if (args.contains("--placements")) {
        QWidget grid;
        grid.setWindowTitle("Legend placements");
        auto *layout = new QGridLayout(&grid);
        TVexplot *graphs[7];
        for (int i = 0; i < 7; ++i) {
            graphs[i] = new TVexplot(&grid);
            ConfigureMainWindowGraph(*graphs[i]);
            AddCurves(*graphs[i]);
            graphs[i]->LegendBox().SetPlacement(TPlacement(i));
            graphs[i]->setMinimumSize(470, 350);
            layout->addWidget(graphs[i], i / 3, i % 3);
        }
        grid.show();
        for (TVexplot *g : graphs)
            g->Paint();
        const int saved = SaveOutputs(args, grid, *graphs[0]);
        return saved >= 0 ? saved : app.exec();
    }

    DemoWindow window;
    TVexplot &graph = window.Graph();
    if (args.contains("--range")) {
        graph.XScale().SetMin(1);
        graph.XScale().SetMax(50000);
        graph.YScale().SetMin(0.01);
        graph.YScale().SetMax(1000);
        graph.YScale().SetIntersection(0.01);
    }
    if (args.contains("--graph-title"))
        graph.GraphTitle().SetEnabled(true);
    if (args.contains("--curves") || args.contains("--legend")) {
        AddCurves(graph);
        graph.LegendBox().SetPlacement(PlacementNamed(Argument(args, "--legend")));
    }
    window.show();
    graph.Paint();
    const int saved = SaveOutputs(args, window, graph);
    return saved >= 0 ? saved : app.exec();
}
