#include "datalib/h/selquin_lookup.h"

#include <algorithm>
#include <cmath>

#include "datalib/common/extended_precision.h"
#include "datalib/common/natural_cubic_spline.h"
#include "datalib/h/selquin_table.h"

namespace pheltra::selquin {
namespace {

// The last row of element z whose energy is <= e (counted from the element's
// first row): the bucket gives a row at or below e, and the rows after it
// that e reaches are counted without branches, since random energies would
// defeat branch prediction.
int LastRowAtOrBelow(std::int32_t z, double e, std::uint64_t bits) noexcept
{
    const int start = kBucketStart[z - 1][EnergyBucket(e)];
    const std::uint64_t *next = kPaddedEnergyBits[z - 1] + start + 1;
    int j = start;
    for (int k = 0; k < kBucketSteps; ++k) {
        j += next[k] <= bits;
    }
    return j;
}

// Asks for the two rows of an interval while the logarithm runs, so they are in
// cache when its result arrives.
void Prefetch(const RowLogs &lo) noexcept
{
    const char *p = reinterpret_cast<const char *>(&lo);
    static_assert(2 * sizeof(RowLogs) <= 192); // at most four cache lines
    __builtin_prefetch(p);
    __builtin_prefetch(p + 64);
    __builtin_prefetch(p + 128);
    __builtin_prefetch(p + 2 * sizeof(RowLogs) - 1);
}

} // namespace

double MuCoeff(std::int32_t z, double energy, std::int32_t kind) noexcept
{
    // One test for both kinds (0 and 16 differ in one bit), so that callers
    // alternating between them pay no mispredicted branch.
    static_assert(kKindAttenuation == 0 && kKindEnergyAbsorption == 16);
    // Everything up to the logarithm runs on integers (extended_precision.h).
    const std::uint64_t bits = datalib::EnergyBits(energy);
    if ((kind & ~kKindEnergyAbsorption) != 0 || z < 1 || z > kElementCount ||
        !datalib::InRange(bits, kLowestEnergy, kHighestEnergy)) {
        return -1.0;
    }
    const int column = kind >> 4;
    const ElementIndex &element = kElements[z - 1];
    const int rel = LastRowAtOrBelow(z, energy, bits);
    const int j = element.first + rel;
    // Both ways of interpolating start from the logarithm; started before the
    // choice between them, it runs on while a mispredicted choice is mended.
    const long double x = datalib::LogWidened(bits);
    if (element.splineAboveBits < static_cast<std::int64_t>(bits)) {
        // Above the K edge: the natural spline through the rows from the edge (or
        // the row after it) to 20 MeV, on the piece the bisection of the per-call
        // spline would pick.
        const RowLogs &lo = kRowLogs[std::min(j, element.last - 1)];
        const RowLogs &hi = *(&lo + 1);
        Prefetch(lo);
        const long double value =
            datalib::SplinePieceValue(lo.lnEnergy, hi.lnEnergy, lo.lnValue[column], hi.lnValue[column],
                                      lo.secondDerivative[column], hi.secondDerivative[column], lo.curvatureWeight, x);
        return datalib::RoundToDouble(std::exp(value));
    }
    if (kPaddedEnergyBits[z - 1][rel] == bits) {
        // A stored energy gives its stored value; at an edge, the value above it.
        return static_cast<double>(kRows[j][column + 1]);
    }
    const RowLogs &lo = kRowLogs[j];
    const RowLogs &hi = kRowLogs[j + 1];
    Prefetch(lo);
    const long double value = lo.lnValue[column] +
        (x - lo.lnEnergy) * (hi.lnValue[column] - lo.lnValue[column]) / (hi.lnEnergy - lo.lnEnergy);
    return datalib::RoundToDouble(std::exp(value));
}

double AbsEdge(std::int32_t z, std::int32_t n) noexcept
{
    if (z < 1 || z > kElementCount || n < 1 || n > kMaxEdges) {
        return -1.0;
    }
    const ElementIndex &element = kElements[z - 1];
    return n <= element.edgeCount ? static_cast<double>(element.edges[n - 1]) : -1.0;
}

} // namespace pheltra::selquin
