// The root of a decreasing function inside a bracket, by bisection: slower
// than a secant but never leaves the bracket, so the answer is as good as
// the bracket says, whatever the function's shape (an absorption edge
// included).
#pragma once

namespace pheltra {

// The x in [low, high] (0 < low <= high) where decreasing f goes through 0,
// to relativeTolerance of x: the bracket is halved until it is that narrow
// and its middle returned.
template<class Function>
double DecreasingRoot(Function f, double low, double high, double relativeTolerance)
{
    while (high - low > relativeTolerance * low) {
        const double middle = 0.5 * (low + high);
        if (f(middle) > 0.0)
            low = middle;
        else
            high = middle;
    }
    return 0.5 * (low + high);
}

} // namespace pheltra
