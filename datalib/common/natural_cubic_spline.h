// Natural cubic spline in extended precision, shared by the two attenuation
// data libraries: Vornak rises from a pair/triplet threshold along it, Selquin
// draws the curve above an element's K edge through it.
//
// Two ways to use it:
//  * NaturalCubicSpline<Capacity> collects knots and recomputes the second
//    derivatives on every evaluation (nothing is kept between calls), which is
//    the routine's published behaviour and what a per-call knot set needs;
//  * SplineSecondDerivatives() once, then SplineBracket() + SplinePieceValue()
//    (or SplineEvaluate()) as often as needed, for tables known in advance.
// Both give bit-identical values, since they run the same arithmetic.
#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <span>

namespace pheltra::datalib {

// Second derivatives y2 of the natural cubic spline (zero curvature at both
// ends) through the knots (x[k], y[k]); x must be strictly increasing. `work`
// is scratch space. All four spans must have the same size m >= 2; returns
// false (and leaves y2 untouched) otherwise.
bool SplineSecondDerivatives(std::span<const long double> x, std::span<const long double> y, std::span<long double> y2,
                             std::span<long double> work) noexcept;

// Lower knot index klo (0-based) of the piece that serves `at`, found by
// bisection: the largest klo in [0, m-2] with x[klo] <= at. Arguments outside
// [x[0], x[m-1]] fall on the first or last piece, which is then extrapolated.
// Needs m >= 2.
inline std::size_t SplineBracket(std::span<const long double> x, long double at) noexcept
{
    std::size_t klo = 0;
    std::size_t khi = x.size() - 1;
    while (khi - klo > 1) {
        const std::size_t k = (khi + klo) / 2;
        if (x[k] > at) {
            khi = k;
        } else {
            klo = k;
        }
    }
    return klo;
}

// h^2 / 6 of the piece between xlo and xhi, the weight of its curvature
// term; it depends on the knots alone, so a fixed spline can keep it.
inline long double SplinePieceCurvatureWeight(long double xlo, long double xhi) noexcept
{
    const long double h = xhi - xlo;
    return h * h / 6.0L;
}

// Value at `at` of the cubic piece between knots (xlo, ylo, y2lo) and
// (xhi, yhi, y2hi), given its curvature weight (above).
inline long double SplinePieceValue(long double xlo, long double xhi, long double ylo, long double yhi,
                                    long double y2lo, long double y2hi, long double curvatureWeight,
                                    long double at) noexcept
{
    const long double h = xhi - xlo;
    const long double a = (xhi - at) / h;
    const long double b = (at - xlo) / h;
    return a * ylo + b * yhi + ((a * a * a - a) * y2lo + (b * b * b - b) * y2hi) * curvatureWeight;
}

inline long double SplinePieceValue(long double xlo, long double xhi, long double ylo, long double yhi,
                                    long double y2lo, long double y2hi, long double at) noexcept
{
    return SplinePieceValue(xlo, xhi, ylo, yhi, y2lo, y2hi, SplinePieceCurvatureWeight(xlo, xhi), at);
}

// Value at `at` of the spline with precomputed second derivatives y2.
// NaN when the spans differ in size or hold fewer than two knots.
long double SplineEvaluate(std::span<const long double> x, std::span<const long double> y,
                           std::span<const long double> y2, long double at) noexcept;

// A knot set of at most Capacity knots, filled per use.
template<std::size_t Capacity>
class NaturalCubicSpline
{
    static_assert(Capacity >= 2, "a spline needs room for two knots");

public:
    // Appends a knot; false (and the knot is not taken) when the set is full.
    bool AddKnot(long double x, long double y) noexcept
    {
        if (count_ == Capacity) {
            return false;
        }
        x_[count_] = x;
        y_[count_] = y;
        ++count_;
        return true;
    }

    void Clear() noexcept { count_ = 0; }
    std::size_t Count() const noexcept { return count_; }
    static constexpr std::size_t capacity() noexcept { return Capacity; }

    // Solves for the second derivatives and evaluates at `at`; NaN with fewer
    // than two knots.
    long double Evaluate(long double at) const noexcept
    {
        std::array<long double, Capacity> y2;
        std::array<long double, Capacity> work;
        const auto x = std::span<const long double>(x_.data(), count_);
        const auto y = std::span<const long double>(y_.data(), count_);
        if (!SplineSecondDerivatives(x, y, std::span(y2.data(), count_), std::span(work.data(), count_))) {
            return std::numeric_limits<long double>::quiet_NaN();
        }
        return SplineEvaluate(x, y, std::span<const long double>(y2.data(), count_), at);
    }

    // The second derivatives of the current knot set, for callers that keep them.
    bool SecondDerivatives(std::span<long double> y2) const noexcept
    {
        std::array<long double, Capacity> work;
        if (y2.size() != count_) {
            return false;
        }
        return SplineSecondDerivatives(std::span<const long double>(x_.data(), count_),
                                       std::span<const long double>(y_.data(), count_), y2,
                                       std::span(work.data(), count_));
    }

private:
    std::array<long double, Capacity> x_{};
    std::array<long double, Capacity> y_{};
    std::size_t count_ = 0;
};

} // namespace pheltra::datalib
