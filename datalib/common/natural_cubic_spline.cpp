#include "datalib/common/natural_cubic_spline.h"

namespace pheltra::datalib {

bool SplineSecondDerivatives(std::span<const long double> x, std::span<const long double> y, std::span<long double> y2,
                             std::span<long double> work) noexcept
{
    const std::size_t m = x.size();
    if (m < 2 || y.size() != m || y2.size() != m || work.size() != m) {
        return false;
    }
    // Tridiagonal solve: forward decomposition, then back substitution. Both
    // ends carry zero curvature (natural end conditions).
    y2[0] = 0.0L;
    work[0] = 0.0L;
    for (std::size_t k = 1; k + 1 < m; ++k) {
        const long double sig = (x[k] - x[k - 1]) / (x[k + 1] - x[k - 1]);
        const long double p = sig * y2[k - 1] + 2.0L;
        y2[k] = (sig - 1.0L) / p;
        const long double u = (y[k + 1] - y[k]) / (x[k + 1] - x[k]) - (y[k] - y[k - 1]) / (x[k] - x[k - 1]);
        work[k] = (6.0L * u / (x[k + 1] - x[k - 1]) - sig * work[k - 1]) / p;
    }
    y2[m - 1] = 0.0L;
    for (std::size_t k = m - 1; k-- > 0;) {
        y2[k] = y2[k] * y2[k + 1] + work[k];
    }
    return true;
}

long double SplineEvaluate(std::span<const long double> x, std::span<const long double> y,
                           std::span<const long double> y2, long double at) noexcept
{
    const std::size_t m = x.size();
    if (m < 2 || y.size() != m || y2.size() != m) {
        return std::numeric_limits<long double>::quiet_NaN();
    }
    const std::size_t klo = SplineBracket(x, at);
    return SplinePieceValue(x[klo], x[klo + 1], y[klo], y[klo + 1], y2[klo], y2[klo + 1], at);
}

} // namespace pheltra::datalib
