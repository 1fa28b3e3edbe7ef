// Writes the build-time part of library H's tables from the committed rows:
// logarithms, spline second derivatives above each K edge, the edge index and
// the elements whose spline must start at the row after the K edge.
#pragma once

#include <ostream>
#include <span>

namespace pheltra::tools {

// Largest amount (in ln) by which the natural spline through the knots leaves
// the range of the two stored values around any point between knots.
long double SplineExcursion(std::span<const long double> x, std::span<const long double> y,
                            std::span<const long double> y2);

// An element whose spline from the K edge leaves a bracket by more than this
// (5 % in ln) has its spline started at the row after the edge instead, with
// log-log interpolation from the edge to that row.
inline constexpr long double kMaxSplineExcursion = 0.05L;

void WriteSelquinDerived(std::ostream &out);

} // namespace pheltra::tools
