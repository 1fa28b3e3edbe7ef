// The settings of the main window's graph MRGraph: white plot box with major
// and minor grids, log-log scales from 1 to 10 until the first plot, the
// axis titles "photon energy, keV" and mu/rho in cm2/g, the legend box north
// east and the graph title (hidden) "mu/rho - photon attenuation
// coefficients". Graph checks and the graph demonstration use the same
// settings, so they see the graph as the program shows it.
#pragma once

#include "graph/plot_engine.h"

#include <QString>

#include "absorber/coefficient_types.h"

// The y axis title, set again at every plot: "<sym>m</sym>/<sym>r</sym>, cm²/g"
// for attenuation (and for curves of mixed quantities), with the subscript
// "tr" or "en" when every curve is an energy-transfer or energy-absorption
// coefficient.
QString MainWindowYCaption(CoefficientQuantity quantity = CoefficientQuantity::kAttenuation);

void ConfigureMainWindowGraph(TPlotEngine &graph);
