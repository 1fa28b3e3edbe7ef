#include "app/mainwindow/plot_data.h"

#include "absorber/plot_energies.h"
#include "app/mainwindow/main_window_graph.h"
#include "graph/plot_engine.h"

#include <cmath>
#include <limits>
#include <optional>

namespace {

TPenStyle CurvePattern(std::uint8_t pattern)
{
    switch (pattern) {
    case kDash:
        return TPenStyle::psDash;
    case kDot:
        return TPenStyle::psDot;
    case kDashDot:
        return TPenStyle::psDashDot;
    case kDashDotDot:
        return TPenStyle::psDashDotDot;
    default:
        return TPenStyle::psSolid;
    }
}

// 10 to the power of an integer, in extended precision like the rest of
// the scale arithmetic.
long double Decade(long double exponent)
{
    return std::pow(10.0L, exponent);
}

} // namespace

TDecadeScale DecadeScale(float ymin, float ymax)
{
    if (!(ymin > 0.0f))
        ymin = std::numeric_limits<float>::denorm_min();
    if (ymax < ymin)
        ymax = ymin;
    // trunc cuts towards zero, so both bounds lie a whole decade outside the
    // values on either side of 1.
    const long double top = std::trunc(std::log10(static_cast<long double>(ymax)));
    const long double bottom = std::trunc(std::log10(static_cast<long double>(ymin)));
    TDecadeScale scale;
    scale.Max = static_cast<double>(ymax >= 1.0f ? Decade(top + 1) : Decade(top));
    scale.Min = static_cast<double>(ymin >= 1.0f ? Decade(bottom) : Decade(bottom - 1));
    if (static_cast<long double>(scale.Max) / scale.Min > 1E10L)
        scale.Min = static_cast<double>(static_cast<long double>(scale.Max) * 1E-10L);
    return scale;
}

void PlotData(TPlotEngine &graph, const DataSets &sets, const TPlotRange &range)
{
    graph.XScale().SetMin(range.Min);
    graph.XScale().SetMax(range.Max);
    float ymin = kNoValueMin;
    float ymax = kNoValueMax;
    // The one quantity of every curve that holds points, if they share it.
    std::optional<CoefficientQuantity> quantity;
    bool mixed = false;
    for (int i = 0; i < DataSets::Count(); ++i) {
        const int slot = i + 1;
        const TCmpDataSet &set = sets[i];
        graph.ClearSeries(slot);
        if (!set.InUse())
            continue;
        graph.SetSeries(slot, true, false, ColorFromRgbValue(set.LineColor), set.Legend);
        for (const float energy : PlotEnergies(set, range.Min, range.Max)) {
            const long double mu = set.CoefficientAt(energy);
            if (!(mu > 0))
                continue;
            // A full curve refuses the point, but the value still counts for
            // the scale.
            graph.AddPoint(slot, energy, static_cast<double>(mu), -1.0, -1.0);
            if (quantity && *quantity != QuantityOf(set.CoeffType))
                mixed = true;
            quantity = QuantityOf(set.CoeffType);
            if (mu < ymin)
                ymin = static_cast<float>(mu);
            if (mu > ymax)
                ymax = static_cast<float>(mu);
        }
        graph.SetSeriesLine(slot, true, ltPolyline, set.LineWidth, CurvePattern(set.LinePattern));
    }

    graph.YAxis().SetCaption(MainWindowYCaption(quantity && !mixed ? *quantity : CoefficientQuantity::kAttenuation));

    const TDecadeScale y = DecadeScale(ymin, ymax);
    graph.YScale().SetMax(y.Max);
    graph.YScale().SetMin(y.Min);
    graph.YScale().SetIntersection(y.Min);
}
