// The photon-energy range of the graph's horizontal axis, in keV. It starts
// at the full range of the data and lives for the whole run; the plot range
// command edits it, every plot reads it.
#pragma once

struct TPlotRange
{
    static constexpr double kFullMin = 1.0;
    static constexpr double kFullMax = 50000.0;

    double Min = kFullMin;
    double Max = kFullMax;
};
