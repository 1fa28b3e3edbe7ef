#include "datalib/b/vornak_lookup.h"

#include <cmath>

#include "datalib/b/vornak_constants.h"
#include "datalib/b/vornak_table.h"
#include "datalib/common/natural_cubic_spline.h"

namespace pheltra::vornak {
namespace {

// Between the threshold T and the first tabulated energy above it (row
// `upper`), the value follows the natural cubic spline in ln-ln space through
// (ln T, ln 1e-99) and every row from `upper` to the element's last.
double ThresholdRise(int column, double threshold, int upper, int last, double energy) {
  if (energy <= threshold) {
    return 0.0;
  }
  datalib::NaturalCubicSpline<kSplineCapacity> spline;
  spline.AddKnot(std::log(static_cast<long double>(threshold)), std::log(kZeroStandIn));
  const long double* log_value = kLogValue + static_cast<std::ptrdiff_t>(column - 2) * kRowTotal;
  for (int r = upper; r <= last; ++r) {
    spline.AddKnot(kLogEnergy[r], log_value[r]);
  }
  return static_cast<double>(std::exp(spline.Evaluate(std::log(static_cast<long double>(energy)))));
}

}  // namespace

double MuCoefficient(std::int32_t z, double energy, std::int32_t kind) noexcept {
  const int column = ColumnOfKind(kind);
  if (z < 1 || z > kElementCount || column < 2 || column > kZeroColumn ||
      !(energy >= kLowestEnergy) || !(energy <= kHighestEnergy)) {
    return -1.0;
  }
  if (column == kZeroColumn) {
    return 0.0;
  }
  // Every table starts below 1 keV and ends above 50 000 keV, so the last row
  // at or below the energy exists and is not the element's last row; at an
  // edge it is the above-edge row of the pair. The energy's bucket names a
  // row at most kBucketSteps rows short of it.
  // Energies never decrease, so the rows to step over are those of the next
  // kBucketSteps at or below the energy; counting them needs no branch and
  // no chain of dependent loads.
  const int start = kFirstRow[z - 1] + kBucketRow[z - 1][EnergyBucket(energy)];
  int lo = start;
  for (int step = 1; step <= kBucketSteps; ++step) {
    lo += static_cast<double>(kEnergy[start + step]) <= energy ? 1 : 0;
  }
  const int hi = lo + 1;
  if (static_cast<double>(kEnergy[lo]) == energy) {
    return static_cast<double>(kRows[lo][column - 1]);
  }
  // Logarithms of zero values are minus infinity.
  const long double* log_value = kLogValue + static_cast<std::ptrdiff_t>(column - 2) * kRowTotal;
  const long double ln_lo = log_value[lo];
  const long double ln_hi = log_value[hi];
  if (std::isfinite(ln_lo) && std::isfinite(ln_hi)) {
    const long double ln_energy = std::log(static_cast<long double>(energy));
    return static_cast<double>(std::exp(ln_lo + (ln_energy - kLogEnergy[lo]) * (ln_hi - ln_lo) /
                                                    (kLogEnergy[hi] - kLogEnergy[lo])));
  }
  if (!std::isfinite(ln_lo) && std::isfinite(ln_hi)) {
    if (IsPairColumn(column)) {
      return ThresholdRise(column, kPairThreshold, hi, kFirstRow[z] - 1, energy);
    }
    if (IsTripletColumn(column)) {
      return ThresholdRise(column, kTripletThreshold, hi, kFirstRow[z] - 1, energy);
    }
  }
  return 0.0;
}

double AbsorptionEdge(std::int32_t z, std::int32_t n) noexcept {
  if (z < 1 || z > kElementCount || n < 1 || n > kMaxEdgeIndex || n > kEdgeCount[z - 1]) {
    return -1.0;
  }
  return static_cast<double>(kEdgeEnergy[z - 1][n - 1]);
}

}  // namespace pheltra::vornak
