// Which ticks of a logarithmic axis carry a label, so that the axis can be
// read at any range: a range with fewer than two major ticks is subdivided
// 1-2-5, then 1..9, then in halves and tenths of the decade; labels that
// would run into their neighbours are left out, the decades last. Plain
// functions of values and pixel spans, checked without a drawing surface.
#pragma once

#include "graph/scale.h"
#include "graph/ticks.h"

#include <QString>

#include <vector>

// The ticks of `ticks` (as GenerateTicks made them for `scale`), subdivided
// when a logarithmic range holds fewer than two major ticks: the majors
// become the coarsest subdivision of the decade giving at least three ticks
// in the range, the minors the next finer one. Any other scale, and a log
// range with two majors or more, keeps its ticks exactly.
TTickLists ReadableTicks(const TScale &scale, TTickLists ticks);

// Whether v is a power of ten (within rounding).
bool IsDecade(double v);

// Whether v is a whole number times a power of ten (2000, 0.005): such a tick
// on a log axis may be labelled by its leading digit alone.
bool WholeMantissa(double v);

// Labels on a log axis name their power of ten in full ("1.5 x 10^3") when
// no decade lies among the major ticks; otherwise intermediate ticks show
// only their mantissa beside the decades.
bool FullLogLabels(const TScale &scale, const std::vector<double> &majors);

// A mantissa formatted with a label format ("2.0E+003", "1,50E+003") without
// its trailing fraction zeros ("2E+003", "1,5E+003"); text without an "E"
// stays as it is.
QString TrimMantissaZeros(const QString &formatted);

// One label along its axis: centre and extent in device units.
struct TLabelSpan
{
    int Centre = 0;
    int Extent = 0;
};

// Which labels are shown (true) so that no two come closer than `gap`:
// the decades are placed first in axis order, then the ticks at 2 and 5
// times a decade, the other whole mantissas, the halves and the rest; a label
// is left out when it would come too close to one already placed. `values` and `spans` run in parallel.
std::vector<bool> FitLabels(const std::vector<double> &values, const std::vector<TLabelSpan> &spans, int gap);
