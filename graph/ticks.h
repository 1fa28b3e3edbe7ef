// Major and minor tick values of one scale.
#pragma once

#include "graph/scale.h"

#include <vector>

struct TTickLists
{
    // One linear step, or one decade, below the first major tick.
    double Base = 0;
    std::vector<double> Major;
    std::vector<double> Minor;
};

// No list ever holds more than this many values.
constexpr int kMaxTicks = 200;

// Ticks of a scale as adjusted for drawing. Linear majors keep the phase of
// Intersection; logarithmic majors are the decades and the mantissas of
// MajorLogPattern, minors the decades and the mantissas of MinorLogPattern.
// A tick on an end of the range is kept despite rounding in its value.
// Always terminates: a linear scale without a positive step gets one major
// tick at Min, a logarithmic scale without a positive finite range none.
TTickLists GenerateTicks(const TScale &scale);
