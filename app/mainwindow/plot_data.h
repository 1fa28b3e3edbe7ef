// PlotData: turns the six data sets into the six curves of the main window's
// graph over the plot range. Each data set in use is evaluated on the
// logarithmic grid, at 20000 keV and on both sides of each absorption edge of
// its elements (see absorber/plot_energies.h); every positive value becomes
// a point of the curve of the same number. The y scale then spans whole
// decades around all values, ten at most. Nothing here paints: the main
// window repaints after it.
#pragma once

#include "absorber/data_set_list.h"
#include "app/viewdialogs/plot_range.h"

class TPlotEngine;

// The y scale for the smallest and largest plotted values, as the plot
// holds them (32-bit floats).
struct TDecadeScale
{
    double Min = 1, Max = 10;
};

// Whole decades around ymin..ymax: one decade above the largest value when
// it is a power of ten of 1 or more, one below the smallest when it is a
// power of ten under 1. At most ten decades: the bottom moves up when the
// values span more. A ymin that is not above 0 counts as the smallest
// positive float; a ymax below ymin as ymin.
TDecadeScale DecadeScale(float ymin, float ymax);

// The values an empty plot starts from: no data gives the scale 1E+38 to
// 1E+39.
inline constexpr float kNoValueMin = 3.4E+38f;
inline constexpr float kNoValueMax = 1.4E-45f; // the smallest positive float

// Rebuilds the six curves and both scales of `graph` from `sets` over
// `range`, and sets the y axis caption again, naming the one quantity that
// every curve shares. Curves of data sets not in use stay empty. A curve
// takes at most 600 points; grid points come first.
void PlotData(TPlotEngine &graph, const DataSets &sets, const TPlotRange &range);
