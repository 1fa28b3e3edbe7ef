#include "datalib/b/vornak_lookup.h"

#include <algorithm>
#include <cmath>

#include "datalib/b/vornak_constants.h"
#include "datalib/b/vornak_table.h"
#include "datalib/common/extended_precision.h"
#include "datalib/common/natural_cubic_spline.h"

namespace pheltra::vornak {
namespace {

static_assert(kSplineCapacity >= kMaxRows, "a threshold spline has a knot for each row of an element but one");

// Between the threshold T and the first tabulated energy above it (row
// `upper`), the value follows the natural cubic spline in ln-ln space through
// (ln T, ln 1e-99) and every row from `upper` to the element's last.
double ThresholdRise(int column, double threshold, int upper, int last, std::uint64_t energy_bits,
                     long double ln_energy)
{
    if (energy_bits <= datalib::EnergyBits(threshold)) {
        return 0.0;
    }
    datalib::NaturalCubicSpline<kSplineCapacity> spline;
    spline.AddKnot(std::log(static_cast<long double>(threshold)), std::log(kZeroStandIn));
    const long double *log_value = kLogValue + static_cast<std::ptrdiff_t>(column - 2) * kRowTotal;
    for (int r = upper; r <= last; ++r) {
        spline.AddKnot(kLogEnergy[r], log_value[r]);
    }
    return datalib::RoundToDouble(std::exp(spline.Evaluate(ln_energy)));
}

} // namespace

double MuCoefficient(std::int32_t z, double energy, std::int32_t kind) noexcept
{
    // Everything up to the logarithm runs on integers (extended_precision.h).
    const int column = ColumnOfKind(kind);
    const std::uint64_t bits = datalib::EnergyBits(energy);
    if (z < 1 || z > kElementCount || column < 2 || column > kZeroColumn ||
        !datalib::InRange(bits, kLowestEnergy, kHighestEnergy)) {
        return -1.0;
    }
    if (column == kZeroColumn) {
        return 0.0;
    }
    // The last row at or below the energy (at an edge, the above-edge row). It
    // is never the element's last row, which lies above 50 000 keV. The bucket
    // of the energy gives a row at or below it; the rows after it that the
    // energy reaches are counted without branches, since random energies would
    // defeat branch prediction.
    const std::uint8_t start = kRowBucket[z - 1][EnergyBucket(energy)];
    const std::uint64_t *row_energy = kPaddedEnergyBits[z - 1];
    int j = start;
    for (int k = 1; k <= kBucketSteps; ++k) {
        j += row_energy[start + k] <= bits ? 1 : 0;
    }
    const int lo = kFirstRow[z - 1] + j;
    const int hi = lo + 1;
    if (row_energy[j] == bits) {
        return static_cast<double>(kRows[lo][column - 1]);
    }
    const long double ln_energy = datalib::LogWidened(bits);

    // The logarithm of a zero value is minus infinity; a column is zero up to
    // its first positive row and positive from there on.
    const int positive = kFirstPositiveRow[z - 1][column - 2];
    const long double *log_value = kLogValue + static_cast<std::ptrdiff_t>(column - 2) * kRowTotal;
    if (lo >= positive) {
        const long double ln_lo = log_value[lo];
        const long double ln_hi = log_value[hi];
        return datalib::RoundToDouble(
            std::exp(ln_lo + (ln_energy - kLogEnergy[lo]) * (ln_hi - ln_lo) / (kLogEnergy[hi] - kLogEnergy[lo])));
    }
    if (hi == positive) {
        if (IsPairColumn(column)) {
            return ThresholdRise(column, kPairThreshold, hi, kLastRow[z - 1], bits, ln_energy);
        }
        if (IsTripletColumn(column)) {
            return ThresholdRise(column, kTripletThreshold, hi, kLastRow[z - 1], bits, ln_energy);
        }
    }
    return 0.0;
}

double AbsorptionEdge(std::int32_t z, std::int32_t n) noexcept
{
    if (z < 1 || z > kElementCount || n < 1 || n > kMaxEdgeIndex || n > kEdgeCount[z - 1]) {
        return -1.0;
    }
    return kEdges[z - 1][kEdgeCount[z - 1] - n];
}

} // namespace pheltra::vornak
