#include "tests/datalib/b/vornak_reference.h"

#include <cmath>

#include "datalib/b/vornak_constants.h"
#include "datalib/b/vornak_table.h"
#include "datalib/common/natural_cubic_spline.h"

namespace pheltra::vornak::reference {
namespace {

int FirstRow(std::int32_t z)
{
    int first = 0;
    for (int k = 1; k < z; ++k) {
        first += kRowCounts[k - 1];
    }
    return first;
}

} // namespace

double MuCoeff(std::int32_t z, double energy, std::int32_t kind)
{
    int column = 0;
    if (kind >= 0 && kind <= 21) {
        column = kKindColumn[static_cast<std::size_t>(kind)];
    }
    if (!(z >= 1 && z <= 99 && column >= 2 && column <= 16 && energy >= 1.0 && energy <= 50000.0)) {
        return -1.0;
    }
    long double result = 0.0L;
    if (column == 16) {
        return static_cast<double>(result);
    }
    const int first = FirstRow(z);
    const int n = kRowCounts[z - 1];
    const long double e = energy;
    for (int row = first; row < first + n - 1; ++row) {
        const long double e_lo = kRows[row][0];
        const long double e_hi = kRows[row + 1][0];
        const long double y_lo = kRows[row][column - 1];
        const long double y_hi = kRows[row + 1][column - 1];
        if (e == e_lo) {
            result = e_lo == e_hi ? y_hi : y_lo;
        } else if (e_lo < e && e < e_hi) {
            if (y_lo > 0 && y_hi > 0) {
                result = std::exp(std::log(y_lo) +
                                  (std::log(e) - std::log(e_lo)) * (std::log(y_hi) - std::log(y_lo)) /
                                      (std::log(e_hi) - std::log(e_lo)));
            } else if (y_lo == 0 && y_hi > 0 && (IsPairColumn(column) || IsTripletColumn(column))) {
                const double threshold = IsPairColumn(column) ? kPairThreshold : kTripletThreshold;
                if (energy > threshold) {
                    datalib::NaturalCubicSpline<kSplineCapacity> spline;
                    spline.AddKnot(std::log(static_cast<long double>(threshold)), std::log(kZeroStandIn));
                    for (int j = row + 1; j < first + n; ++j) {
                        spline.AddKnot(std::log(static_cast<long double>(kRows[j][0])),
                                       std::log(static_cast<long double>(kRows[j][column - 1])));
                    }
                    result = std::exp(spline.Evaluate(std::log(e)));
                }
            }
        } else if (e == e_hi) {
            result = y_hi;
        }
    }
    return static_cast<double>(result);
}

double AbsEdge(std::int32_t z, std::int32_t n)
{
    double result = -1.0;
    if (z < 1 || z > 99 || n < 1 || n > 12) {
        return result;
    }
    const int first = FirstRow(z);
    int count = 0;
    for (int r = kRowCounts[z - 1] - 1; r >= 1; --r) {
        if (kRows[first + r][0] == kRows[first + r - 1][0]) {
            ++count;
            if (count == n) {
                result = kRows[first + r][0];
                break;
            }
        }
    }
    return result;
}

} // namespace pheltra::vornak::reference
