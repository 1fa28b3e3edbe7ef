#include "graph/ticks.h"

#include "graph/scale_algorithms.h"

#include <cmath>

namespace {

// Stepping from Intersection to Min one step at a time is exact for every
// sensible scale; this bounds the walk when a step is tiny against the
// distance, after which the remaining distance is jumped in one go.
constexpr int kMaxPhaseSteps = 100000;

// Tick values come from sums and products of binary fractions: 3 x 0.1 is
// 0.30000000000000004. Comparisons with the range ends allow for that, so a
// tick on the end of the range is never lost.
constexpr double kLinearSlack = 1e-9; // of one step
constexpr double kLogSlack = 1e-12;   // relative

// A tick that summing steps left a rounding error away from zero is zero: it
// must be labelled "0", not 1.4E-016.
double SnapToZero(double v, double step)
{
    return std::fabs(v) < step * kLinearSlack ? 0.0 : v;
}

double FirstLinearMajor(double a, double min, double step)
{
    const double eps = step * kLinearSlack;
    for (int i = 0; a < min - eps && i < kMaxPhaseSteps; ++i)
        a += step;
    if (a < min - eps)
        a += std::ceil((min - a) / step) * step;
    for (int i = 0; a > min + eps && i < kMaxPhaseSteps; ++i)
        a -= step;
    if (a > min + eps)
        a -= std::floor((a - min) / step) * step;
    if (a < min - eps)
        a += step;
    return std::fabs(a - min) <= eps ? min : a;
}

void LinearTicks(const TScale &s, TTickLists &t)
{
    const double step = s.LinStep();
    if (!(step > 0) || !std::isfinite(step) || !std::isfinite(s.Min()) || !std::isfinite(s.Max()) ||
        !std::isfinite(s.Intersection())) {
        t.Base = s.Min();
        t.Major.push_back(s.Min());
        return;
    }
    const double eps = step * kLinearSlack;
    const double lo = s.Min() - eps, hi = s.Max() + eps;
    const double first = FirstLinearMajor(s.Intersection(), s.Min(), step);
    t.Base = SnapToZero(first - step, step);
    // The first value is kept even above Max.
    for (int i = 0; i < kMaxTicks; ++i) {
        const double a = first + i * step;
        if (i > 0 && a > hi)
            break;
        t.Major.push_back(SnapToZero(a, step));
    }

    const int n = s.MinorTickNumber();
    const double minorStep = step / (n + 1);
    auto addMinors = [&](double m) {
        for (int i = 1; i <= n; ++i) {
            const double v = SnapToZero(m + minorStep * i, step);
            if (lo <= v && v <= hi)
                t.Minor.push_back(v);
            if (int(t.Minor.size()) >= kMaxTicks)
                return false;
        }
        return true;
    };
    if (!addMinors(t.Base))
        return;
    for (double m : t.Major)
        if (!addMinors(m))
            return;
}

// Walks the decades from `baseDecade` upwards, appending the mantissas that
// `next` yields within each decade, until Max or the list is full. Decades
// are exact powers of ten, not products of 0.1, which drift.
template<class NextFactor>
void LogWalk(const TScale &s, int baseDecade, double leaveAbove, NextFactor next, std::vector<double> &list)
{
    const double lo = s.Min() * (1 - kLogSlack), hi = s.Max() * (1 + kLogSlack);
    for (int k = baseDecade; k <= 310; ++k) {
        const double u = std::pow(10.0, k);
        if (u > hi && k > baseDecade)
            return;
        double m = 1;
        double w = u;
        do {
            if (lo <= w && w <= hi)
                list.push_back(w);
            m = next(m);
            if (m > leaveAbove)
                break;
            w = m * u;
        } while (!(w > hi) && int(list.size()) < kMaxTicks);
        if (int(list.size()) >= kMaxTicks)
            return;
    }
}

void LogTicks(const TScale &s, TTickLists &t)
{
    if (!(s.Min() > 0) || !std::isfinite(s.Min()) || !std::isfinite(s.Max()))
        return;
    // d = 10^k is the smallest decade at or above Min; Base the one below.
    int k = int(std::ceil(std::log10(s.Min())));
    if (std::pow(10.0, k - 1) >= s.Min())
        --k;
    if (std::pow(10.0, k) < s.Min())
        ++k;
    const int baseDecade = k - 1;
    t.Base = std::pow(10.0, baseDecade);
    LogWalk(
        s, baseDecade, 9.5, [&](double m) { return NextMajorLogFactor(s.MajorLogPattern(), m); }, t.Major);
    LogWalk(
        s, baseDecade, 9.6, [&](double m) { return NextMinorLogFactor(s.MinorLogPattern(), m); }, t.Minor);
}

} // namespace

TTickLists GenerateTicks(const TScale &scale)
{
    TTickLists t;
    if (scale.ScaleType() == stLin)
        LinearTicks(scale, t);
    else
        LogTicks(scale, t);
    return t;
}
