// The photon-energy range of the graph's horizontal axis, in keV. It starts
// at the full range of the data and lives for the whole run; the plot range
// command edits it, every plot reads it.
#pragma once

#include "absorber/data_sources.h"

#include <algorithm>
#include <cmath>
#include <utility>

struct TPlotRange
{
    static constexpr double kFullMin = kEnergyRangeMin;
    static constexpr double kFullMax = kEnergyRangeMax;

    double Min = kFullMin;
    double Max = kFullMax;
};

// The plot range dialog takes no range narrower than this factor (maximum
// at least twice the minimum).
inline constexpr double kMinPlotRangeRatio = 2.0;

// The range a zoom across lo..hi keV sets (in either order): that span, but
// widened about its geometric middle to kMinPlotRangeRatio when narrower,
// as the plot range dialog would accept it. A span that is not positive and
// finite leaves `current` as it is.
inline TPlotRange ZoomedPlotRange(double lo, double hi, const TPlotRange &current)
{
    if (lo > hi)
        std::swap(lo, hi);
    if (!(lo > 0) || !std::isfinite(hi))
        return current;
    if (hi < kMinPlotRangeRatio * lo) {
        const double middle = std::sqrt(lo * hi), half = std::sqrt(kMinPlotRangeRatio);
        lo = middle / half;
        hi = std::max(middle * half, kMinPlotRangeRatio * lo);
    }
    return {lo, hi};
}
