// Data value to device coordinate, once the layout has fixed the plot box.
#pragma once

#include "graph/scale.h"

#include <optional>

// Device coordinates are 16-bit: everything drawn passes through here.
int ClampCoord(long long v);
// Rounds half to even and clamps; a value that is not a number lands at the
// low end (off the drawing).
int RoundToCoord(double v);

// Device units per data unit (linear) or per unit of natural logarithm (log)
// for a plot box `pixelSpan` wide.
double AxisFactor(TScaleType type, double min, double max, int pixelSpan);

// One axis' mapping. X runs right from Min at PlotLeft; Y runs down from Max
// at PlotTop (Reversed).
struct TAxisMapping
{
    TScaleType Type = stLin;
    double From = 0;
    double Factor = 0;
    int Origin = 0;
    bool Reversed = false;

    // Empty for a value at or below zero on a logarithmic axis.
    std::optional<int> Map(double v) const;
    // The value at a device coordinate (not rounded): the inverse of Map.
    double Unmap(double pixel) const;
};

TAxisMapping XAxisMapping(const TScale &x, double xFactor, int plotLeft);
TAxisMapping YAxisMapping(const TScale &y, double yFactor, int plotTop);
