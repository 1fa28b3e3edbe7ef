// A graph as the main window shows it after plotting: log-log axes with
// their captions and curves of mass coefficients of data sets, for the
// tests of saving and printing the graph.
#pragma once

#include "absorber/data_set_list.h"
#include "graph/vexplot.h"

#include <cmath>

namespace output_test {

inline void PlotCurves(TVexplot &graph, const DataSets &sets)
{
    for (TScale *scale : {&graph.XScale(), &graph.YScale()}) {
        scale->SetScaleType(stLog);
        scale->SetAutoSizing(false);
    }
    graph.XScale().SetMin(1);
    graph.XScale().SetMax(1000);
    graph.YScale().SetMin(0.01);
    graph.YScale().SetMax(10000);
    graph.XAxis().SetCaption(QStringLiteral("photon energy, keV"));
    graph.YAxis().SetCaption(QStringLiteral("<sym>m</sym>/<sym>r</sym>, cm²/g"));
    graph.LegendBox().SetEnabled(true);
    for (int i = 0; i < DataSets::kCount; ++i) {
        const TCmpDataSet &set = sets[i];
        if (!set.InUse())
            continue;
        const LineColorValue c = set.LineColor;
        graph.SetSeries(i + 1, true, true, QColor(RedOf(c), GreenOf(c), BlueOf(c)), set.Legend.str());
        for (int step = 0; step <= 60; ++step) {
            const double energy = std::pow(10.0, step / 20.0);
            const long double mu = set.CoefficientAt(energy);
            if (mu > 0.0L)
                graph.AddPoint(i + 1, energy, static_cast<double>(mu), -1.0, -1.0);
        }
        graph.SetSeriesLine(i + 1, true, 0, 2, TPenStyle::psSolid);
    }
}

} // namespace output_test
