"""Tabulated curves with jumps, evaluated from either side of a jump.

A jump (an absorption edge) is two consecutive knots with the same abscissa,
the below-edge value first. Evaluating exactly at a jump needs a side: the
value just below the edge or the value just above it. Between knots the
curve follows the interpolation rule of its source file, which is linear
in the stored coordinates (the callers store ln E and ln sigma for log-log
sources, E and sigma for lin-lin ones).
"""

import numpy as np


class Curve:
    def __init__(self, x, y):
        """Knots x; values y, one per knot, or one row of several columns per knot."""
        x = np.asarray(x, dtype=float)
        y = np.asarray(y, dtype=float)
        if x.ndim != 1 or y.shape[:1] != x.shape or x.size < 2:
            raise ValueError("a curve needs two or more knots")
        if np.any(np.diff(x) < 0):
            raise ValueError("knots must not decrease")
        self.x, self.y = x, y

    def at(self, xq, above):
        """Value at each xq; where xq is a jump, `above` picks the upper side."""
        xq = np.atleast_1d(np.asarray(xq, dtype=float))
        above = np.broadcast_to(np.asarray(above, dtype=bool), xq.shape)
        if np.any(xq < self.x[0]) or np.any(xq > self.x[-1]):
            raise ValueError("abscissa outside the tabulated range")
        first = np.searchsorted(self.x, xq, side="left")
        last = np.searchsorted(self.x, xq, side="right") - 1
        exact = first <= last
        # Off the knots: the interval between knot `last` and knot `first`.
        lo = np.clip(last, 0, self.x.size - 2)
        hi = lo + 1
        x0, x1 = self.x[lo], self.x[hi]
        t = (xq - x0) / np.where(x1 > x0, x1 - x0, 1.0)
        columns = (slice(None),) + (None,) * (self.y.ndim - 1)
        between = self.y[lo] + t[columns] * (self.y[hi] - self.y[lo])
        # On a knot: the stored value, the upper one of a jump when asked.
        on_knot = np.where(above[columns], self.y[np.maximum(last, 0)],
                           self.y[np.minimum(first, self.x.size - 1)])
        return np.where(exact[columns], on_knot, between)


def log_log_curve(energy, value):
    """A curve through positive (E, value) pairs, interpolated log-log."""
    energy = np.asarray(energy, dtype=float)
    value = np.asarray(value, dtype=float)
    if np.any(value <= 0):
        raise ValueError("log-log interpolation needs positive values")
    return Curve(np.log(energy), np.log(value))
