#include "app/tools/tool_graph.h"

#include "graph/plot_engine.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// At most this many decades are shown on a log axis, as in the main window.
constexpr double kMostDecades = 10.0;
constexpr double kLinearHeadroom = 1.05;

void SetLinear(TScale &scale, double low, double high)
{
    if (!(high > low))
        high = low + 1.0;
    scale.SetScaleType(stLin);
    scale.SetAutoSizing(false);
    scale.SetAutoStepping(true);
    scale.SetMinRange(0);
    scale.SetMin(low);
    scale.SetMax(high);
    scale.SetIntersection(low);
}

void SetDecades(TScale &scale, double low, double high)
{
    double top = std::pow(10.0, std::ceil(std::log10(high)));
    if (top <= high)
        top *= 10.0;
    double bottom = std::pow(10.0, std::floor(std::log10(low)));
    bottom = std::max(bottom, top * std::pow(10.0, -kMostDecades));
    if (!(top > bottom))
        bottom = top / 10.0;
    scale.SetMin(bottom);
    scale.SetMax(top);
    scale.SetIntersection(bottom);
}

} // namespace

void ConfigureToolGraph(TPlotEngine &graph, TGraphLook look, const QString &xCaption, const QString &yCaption,
                        bool logY)
{
    look(graph);
    graph.XAxis().SetCaption(xCaption);
    graph.XAxis().SetLabelFormat(QStringLiteral("%g"));
    graph.YAxis().SetCaption(yCaption);
    SetLinear(graph.XScale(), 0.0, 1.0);
    if (logY) {
        graph.YScale().SetScaleType(stLog);
        graph.YScale().SetAutoSizing(false);
        graph.YAxis().SetLabelFormat(QStringLiteral("%-.2e"));
    } else {
        graph.YAxis().SetLabelFormat(QStringLiteral("%g"));
        SetLinear(graph.YScale(), 0.0, 1.0);
    }
    graph.GridVertical().SetMinGridEnabled(false);
}

void PlotToolCurves(TPlotEngine &graph, const std::vector<TToolCurve> &curves, std::optional<double> marker)
{
    const bool logY = graph.YScale().ScaleType() == stLog;
    double xLow = std::numeric_limits<double>::max(), xHigh = std::numeric_limits<double>::lowest();
    double yLow = std::numeric_limits<double>::max(), yHigh = std::numeric_limits<double>::lowest();
    graph.ClearSeries(0);
    for (std::size_t c = 0; c < curves.size() && c < std::size_t(kSeriesCount); ++c) {
        const TToolCurve &curve = curves[c];
        const int slot = int(c) + 1;
        graph.SetSeries(slot, true, true, curve.colour, curve.legend);
        graph.SetSeriesLine(slot, true, ltPolyline, 2, TPenStyle::psSolid);
        for (std::size_t i = 0; i < curve.x.size() && i < curve.y.size(); ++i) {
            const double x = curve.x[i], y = curve.y[i];
            if (!std::isfinite(x) || !std::isfinite(y) || (logY && !(y > 0.0)))
                continue;
            if (!graph.AddPoint(slot, x, y, -1.0, -1.0))
                continue;
            xLow = std::min(xLow, x);
            xHigh = std::max(xHigh, x);
            yLow = std::min(yLow, y);
            yHigh = std::max(yHigh, y);
        }
    }
    TOverlay *line = graph.OverlayPolyline(1);
    line->Enabled = false;
    if (xHigh < xLow)
        return;
    SetLinear(graph.XScale(), xLow, xHigh);
    if (logY) {
        SetDecades(graph.YScale(), yLow, yHigh);
    } else {
        SetLinear(graph.YScale(), 0.0, yHigh * kLinearHeadroom);
    }
    if (marker && *marker >= xLow && *marker <= xHigh) {
        line->Enabled = true;
        line->Vertices = {QPointF(*marker, graph.YScale().Min()), QPointF(*marker, graph.YScale().Max())};
        line->Pen = {kColorGray, 2, TPenStyle::psDash};
    }
}
