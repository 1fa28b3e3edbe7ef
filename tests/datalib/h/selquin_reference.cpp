#include "tests/datalib/h/selquin_reference.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "datalib/common/natural_cubic_spline.h"
#include "datalib/h/selquin_table_data.h"

namespace pheltra::selquin::reference {
namespace {

constexpr std::size_t kSplineCapacity = 66;

// Row r (from 1) of element z, column c (from 1): the stored 32-bit value.
struct Table
{
    int offset = 0;
    int rows = 0;
    explicit Table(std::int32_t z)
    {
        for (int i = 1; i < z; ++i) {
            offset += kRowCounts[i - 1];
        }
        rows = kRowCounts[z - 1];
    }
    float At(int r, int c) const { return kRows[offset + r - 1][c - 1]; }
};

struct EdgeHit
{
    long double energy = -1.0L;
    int row = 1; // the above-edge row of the pair
};

EdgeHit EdgeSearch(const Table &t, int n)
{
    int count = 0;
    for (int r = t.rows; r >= 2; --r) {
        if (t.At(r, 1) == t.At(r - 1, 1)) {
            ++count;
            if (count == n) {
                return {t.At(r, 1), r};
            }
        }
    }
    return {};
}

} // namespace

double GetAbsEdgeH(std::int32_t z, std::int32_t n)
{
    if (z < 1 || z > 92 || n < 1 || n > 12) {
        return -1.0;
    }
    return static_cast<double>(EdgeSearch(Table(z), n).energy);
}

double GetMuCoeffH(std::int32_t z, double energy, std::int32_t kind)
{
    const int column = kind == 0 ? 2 : kind == 16 ? 3 : 0;
    if (!(z >= 1 && z <= 92 && column >= 2 && energy >= 1.0 && energy <= 20000.0)) {
        return -1.0;
    }
    const Table t(z);
    const EdgeHit k = EdgeSearch(t, 1);
    long double result = 0.0L;
    // The mend: an element whose spline from the edge oscillates has its
    // spline start at the row after the edge's, and the interval from the
    // edge to that row is interpolated log-log like those below the edge.
    const int from = OscillatingElements().contains(z) ? k.row + 1 : k.row;
    const long double splineAbove = from == k.row ? k.energy : static_cast<long double>(t.At(from, 1));
    if (splineAbove < energy) {
        datalib::NaturalCubicSpline<kSplineCapacity> spline;
        for (int j = from; j <= t.rows; ++j) {
            spline.AddKnot(std::log(static_cast<long double>(t.At(j, 1))),
                           std::log(static_cast<long double>(t.At(j, column))));
        }
        return static_cast<double>(std::exp(spline.Evaluate(std::log(static_cast<long double>(energy)))));
    }
    for (int j = 1; j < t.rows; ++j) {
        const long double eLo = t.At(j, 1);
        const long double eHi = t.At(j + 1, 1);
        const long double yLo = t.At(j, column);
        const long double yHi = t.At(j + 1, column);
        if (energy == eLo) {
            result = eLo == eHi ? yHi : yLo;
        } else if (eLo < energy && energy < eHi) {
            result = std::exp(std::log(yLo) +
                              (std::log(static_cast<long double>(energy)) - std::log(eLo)) *
                                  (std::log(yHi) - std::log(yLo)) / (std::log(eHi) - std::log(eLo)));
        } else if (energy == eHi) {
            result = yHi;
        }
    }
    return static_cast<double>(result);
}

long double SplineSwing(std::int32_t z, int rowsSkipped)
{
    const Table t(z);
    const EdgeHit k = EdgeSearch(t, 1);
    long double swing = 0.0L;
    for (int column = 2; column <= 3; ++column) {
        std::vector<long double> x;
        std::vector<long double> y;
        for (int j = k.row + rowsSkipped; j <= t.rows; ++j) {
            x.push_back(std::log(static_cast<long double>(t.At(j, 1))));
            y.push_back(std::log(static_cast<long double>(t.At(j, column))));
        }
        std::vector<long double> y2(x.size());
        std::vector<long double> work(x.size());
        datalib::SplineSecondDerivatives(x, y, y2, work);
        constexpr int kSamples = 400;
        for (std::size_t i = 0; i + 1 < x.size(); ++i) {
            const long double lo = std::min(y[i], y[i + 1]);
            const long double hi = std::max(y[i], y[i + 1]);
            for (int s = 1; s < kSamples; ++s) {
                const long double at = x[i] + (x[i + 1] - x[i]) * s / kSamples;
                const long double v = datalib::SplineEvaluate(x, y, y2, at);
                swing = std::max({swing, lo - v, v - hi});
            }
        }
    }
    return swing;
}

const std::set<std::int32_t> &OscillatingElements()
{
    static const std::set<std::int32_t> flagged = [] {
        std::set<std::int32_t> s;
        for (std::int32_t z = 1; z <= 92; ++z) {
            if (SplineSwing(z) > 0.05L) {
                s.insert(z);
            }
        }
        return s;
    }();
    return flagged;
}

} // namespace pheltra::selquin::reference
