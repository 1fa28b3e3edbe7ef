// The graph settings of the main window, for checks and the demonstration
// window that must show the graph as the program does.
#pragma once

#include "graph/plot_engine.h"

void ConfigureLikeMainWindow(TPlotEngine &graph);
