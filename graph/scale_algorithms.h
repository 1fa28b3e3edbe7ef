// Automatic ranging and stepping of the graph's two scales. Plain functions
// over TScale values, so they are checked without any drawing surface.
#pragma once

#include "graph/scale.h"

#include <cstdint>
#include <span>

// A round step (1, 2 or 5 times a power of ten) for a range, giving two to
// five steps across it. Returns 0 for a range that is not a positive number.
double NiceStep(double range);

// Minor ticks between two linear majors: one for steps with leading digit 1
// or 2, four for steps with leading digit 5.
std::uint16_t MinorCountForStep(double step);

// The next mantissa above m whose pattern bit is set; 10 when there is none.
double NextMajorLogFactor(TMajLogTicks pattern, double m);
double NextMinorLogFactor(TMinLogTicks pattern, double m);

// Brings a scale that neither follows data nor is auto-sized into a usable
// state (positive range, step within the range, at most 9 minor ticks).
void CheckScale(TScale &scale);

// Linear scales with AutoStepping get a round step for their range.
void ApplyAutoStepping(TScale &x, TScale &y);

// The data range of one series that takes part in scaling.
struct TDataExtents
{
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
};

// Rescales both axes before a drawing. With data (dataPresent: some series
// holds points and the graph is not being designed) the auto-sized axes follow
// `extents`, the others are validated; without data both get their empty
// defaults. Returns whether a rescale happened (always true without data).
// Throws ELogScaleError for a fixed logarithmic axis without a positive Min.
bool AdjustScales(TScale &x, TScale &y, std::span<const TDataExtents> extents, bool dataPresent);
