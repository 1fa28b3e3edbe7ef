// A window that shows the graph as the main window configures it, for looking
// at it under a display (not part of the program):
//   graph_demo               the empty graph at start-up (1 to 10 on both axes)
//   graph_demo --range       the empty graph over 1 to 50000 keV, 0.01 to 1000 cm²/g
//   graph_demo --graph-title ... with the graph title shown
//   graph_demo ... --shot F  saves the window as the image file F and ends
#include "graph/vexplot.h"

#include "tests/graph/main_window_graph.h"

#include <QApplication>
#include <QFrame>
#include <QStringList>

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
        ConfigureLikeMainWindow(*graph_);
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

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    DemoWindow window;
    TVexplot &graph = window.Graph();
    if (args.contains(QStringLiteral("--range"))) {
        graph.XScale().SetMin(1);
        graph.XScale().SetMax(50000);
        graph.YScale().SetMin(0.01);
        graph.YScale().SetMax(1000);
        graph.YScale().SetIntersection(0.01);
    }
    if (args.contains(QStringLiteral("--graph-title")))
        graph.GraphTitle().SetEnabled(true);
    window.show();
    graph.Paint();
    const qsizetype shot = args.indexOf(QStringLiteral("--shot"));
    if (shot >= 0 && shot + 1 < args.size())
        return window.grab().save(args[shot + 1]) ? 0 : 1;
    return app.exec();
}
