#!/usr/bin/python3
"""The measure by which source B's generator trades rows at the row limit
(tools/vornak_table/refine.py): a shortfall of 0 must mean that every column
meets the 99th percentile on exactly the energies the goal counts, and no
evaluated energy, counted or not, lies beyond FAR."""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))

import numpy as np  # noqa: E402

from vornak_table import refine  # noqa: E402


def main():
    failures = []

    def expect(condition, what):
        if not condition:
            failures.append(what)

    edges = [1.8389, 8.9789, 88.0045]
    knots = [1.2345, 21.21, 1050.38, 2101.57]     # where the recipe's data bend
    energy = refine.evaluation_energies(edges, knots=knots)
    goal = refine.goal_points(energy)
    expect(np.array_equal(energy[goal], refine.evaluation_energies(edges, refine.GOAL_PER_DECADE)),
           "the goal's mask does not pick exactly the goal's energies")
    expect((~goal).sum() == len(knots), "the knots are not evaluated, or are counted by the goal")

    n = int(goal.sum())
    allowed = n - 1 - int(np.ceil(0.99 * (n - 1)))
    rng = np.random.default_rng(16)
    for over in range(allowed + 3):
        d = np.zeros((energy.size, 3))
        d[goal, :] = rng.uniform(0.0, refine.GOAL_LIMIT, (n, 3))
        rows = np.flatnonzero(goal)[rng.choice(n, over, replace=False)]
        d[rows, 1] = rng.uniform(refine.GOAL_LIMIT, refine.FAR, over)
        d[~goal, 2] = 0.9 * refine.FAR     # points the goal leaves out do not count
        fits = np.percentile(d[goal], 99, axis=0).max() <= refine.GOAL_LIMIT
        short = refine.shortfall(d, goal)
        expect(short == max(over - allowed, 0), f"{over} points over: shortfall {short}")
        expect((short == 0) == fits, f"{over} points over: shortfall {short} but p99 fits: {fits}")
    for where, point in (("of the goal", np.flatnonzero(goal)[5]), ("at a knot", np.flatnonzero(~goal)[2])):
        d = np.zeros((energy.size, 3))
        d[point, 0] = 1.01 * refine.FAR
        expect(refine.shortfall(d, goal) == np.inf, f"a point beyond FAR {where} is not refused")

    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
