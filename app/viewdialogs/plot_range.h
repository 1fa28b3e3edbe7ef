// The photon-energy range of the graph's horizontal axis, in keV. It starts
// at the full range of the data and lives for the whole run; the plot range
// command edits it, every plot reads it.
#pragma once

#include "absorber/data_sources.h"

struct TPlotRange
{
    static constexpr double kFullMin = kEnergyRangeMin;
    static constexpr double kFullMax = kEnergyRangeMax;

    double Min = kFullMin;
    double Max = kFullMax;
};
