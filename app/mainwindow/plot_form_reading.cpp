// Reading numbers off the main window's graph: the read-out under the
// pointer or the keyboard crosshair, the zoom by a dragged rectangle and the
// double-click back to the full range.
#include "app/mainwindow/plot_form.h"

#include "app/mainwindow/graph_readout.h"
#include "graph/vexplot.h"

#include <algorithm>

void TmrPlotForm::ConnectGraphReading()
{
    mrGraph_->OnPointAt = [this](std::optional<QPoint> at) { ShowReadout(at); };
    mrGraph_->OnZoomDrag = [this](int left, int right) { ZoomTo(left, right); };
    mrGraph_->OnFullScale = [this] { menuFullScaleClick(); };
}

TmrPlotForm::~TmrPlotForm()
{
    mrGraph_->OnPointAt = nullptr;
    mrGraph_->OnZoomDrag = nullptr;
    mrGraph_->OnFullScale = nullptr;
}

void TmrPlotForm::ShowReadout(std::optional<QPoint> at)
{
    if (!at) {
        mrGraph_->SetReadout(QString(), {});
        return;
    }
    const std::array<bool, DataSets::kCount> plotted = PlottedCurves();
    const double x = at->x();
    // The crosshair reads the energy it stands on; the pixel at either end of
    // the axis reads the end of the range (its mapping may land a hair
    // outside, where no value is).
    const double energy =
        std::clamp(mrGraph_->CrosshairX().value_or(mrGraph_->ScreenXAt(x)), plotRange_.Min, plotRange_.Max);
    const TReadout readout =
        GraphReadout(dataSets_, plotted, energy, mrGraph_->ScreenXAt(x - 1), mrGraph_->ScreenXAt(x + 1));
    std::vector<TReadoutBoxLine> lines;
    for (const TReadoutEntry &entry : readout.Entries)
        lines.push_back({entry.Colour, entry.Legend, entry.Value});
    mrGraph_->SetReadout(readout.Energy, lines);
}

void TmrPlotForm::ZoomTo(int left, int right)
{
    plotRange_ = ZoomedPlotRange(mrGraph_->ScreenXAt(left), mrGraph_->ScreenXAt(right), plotRange_);
    PlotData();
}

void TmrPlotForm::menuFullScaleClick()
{
    plotRange_ = TPlotRange{};
    PlotData();
}

std::array<bool, DataSets::kCount> TmrPlotForm::PlottedCurves() const
{
    std::array<bool, DataSets::kCount> plotted{};
    for (int slot = 1; slot <= DataSets::Count(); ++slot) {
        const TSeries *series = mrGraph_->Series(slot);
        plotted[std::size_t(slot - 1)] = series && series->Shown();
    }
    return plotted;
}
