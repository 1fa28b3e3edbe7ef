#include "shielding/gp_formula.h"

#include <cmath>

namespace pheltra {

namespace {

// Where the extrapolation takes its rate from.
constexpr double kRateFromMfp = 35.0;
constexpr double kRateStepMfp = kFitDeepestMfp - kRateFromMfp;

} // namespace

double GpK(const GpCoefficients &p, double mfp)
{
    static const double tanhMinus2 = std::tanh(-2.0);
    return p.c * std::pow(mfp, p.a) + p.d * (std::tanh(mfp / p.xk - 2.0) - tanhMinus2) / (1.0 - tanhMinus2);
}

double GpKExtended(const GpCoefficients &p, double mfp)
{
    if (mfp <= kFitDeepestMfp)
        return GpK(p, mfp);
    const double from = GpK(p, kRateFromMfp) - 1.0;
    const double to = GpK(p, kFitDeepestMfp) - 1.0;
    const double rate = to / from;
    if (!(rate > 0.0) || !std::isfinite(rate))
        return 1.0 + to;
    return 1.0 + from * std::pow(rate, (mfp - kRateFromMfp) / kRateStepMfp);
}

double GpBuildup(const GpCoefficients &p, double mfp)
{
    if (mfp <= 0.0)
        return 1.0;
    const double k = GpKExtended(p, mfp);
    // (K^x - 1)/(K - 1) written so that it stays exact as K nears 1, where the
    // series becomes x. K falls to 0 only within 1e-11 mfp of the surface,
    // where B is 1 to every digit shown.
    const double excess = k - 1.0;
    if (excess == 0.0 || k <= 0.0)
        return 1.0 + (p.b - 1.0) * mfp;
    return 1.0 + (p.b - 1.0) * std::expm1(mfp * std::log1p(excess)) / excess;
}

} // namespace pheltra
