"""Element-specific rows: where the table's own lookup strays from the recipe.

Between two rows the library interpolates log-log. Where a coefficient bends
(Rayleigh and photo effect between edges, pair and triplet just above their
thresholds) that straight line in ln-ln leaves the recipe's curve. The rows
are therefore refined: on POINTS_PER_DECADE log-spaced energies and at the
knots of the recipe's data, where its curves bend and a straight line
between rows strays most (between knots they are straight, or near the
thresholds densely knotted), the lookup of the rounded rows is held against
the recipe's own values, and in the intervals where some column
strays most (by more than TOLERANCE) a row is added at the energy where it
strays most, a few at a time, until no interval strays that far or the
element has MAX_ROWS rows (the capacity of the library's spline). An element
that reaches MAX_ROWS then trades rows for the goal itself, no evaluated
energy beyond FAR and a 99th percentile within GOAL_LIMIT on the log-spaced
energies of every column: the added row whose loss costs least gives way to
the point whose row gains most, while that brings the element nearer the
goal. Counting every evaluated energy, not a sparser grid, keeps what lies
between the goal's energies within it too.

Left out of the comparison, as from the accuracy goal: +-0.5 % around each
edge (the lookup jumps there, the recipe's data may have a feature) and the
first 2 % above each threshold, which the threshold rule spans.
"""

import numpy as np

from .columns import COLUMNS, TOTALS

MAX_ROWS = 240
POINTS_PER_DECADE = 400
TOLERANCE = 0.0045         # relative, the largest departure left in any column
GOAL_PER_DECADE = POINTS_PER_DECADE  # log-spaced energies a decade the trades count
GOAL_LIMIT = 0.0049        # its 99th percentile, with a little room (goal: 0.5 %)
FAR = 0.015                # no point of the goal beyond this (goal: 2 %)
EXCHANGES = 60             # trades at most, per element at the row limit
CANDIDATES = 40            # points tried as the new row of a trade
BATCH = 4                  # rows added per pass, in the intervals that stray most
HIGHEST_ENERGY = 50000.0
EDGE_MARGIN = 0.005
PAIR_THRESHOLD = 1022.0068
TRIPLET_THRESHOLD = 2044.0136
THRESHOLD_MARGIN = 0.02
PAIR_COLUMNS = (5, 10, 14)   # mu_pair, tr_pair, en_pair (0-based, energy first)
TRIPLET_COLUMN = 6


def float32_at_or_above(value):
    """The least float32 that is >= value, as a float64."""
    f = np.float32(value)
    if float(f) < value:
        f = np.nextafter(f, np.float32(np.inf))
    return float(f)


def threshold_rows():
    """Rows just past the excluded 2 % above each threshold: the threshold rule
    then spans only that excluded stretch."""
    return (float32_at_or_above(PAIR_THRESHOLD * (1 + THRESHOLD_MARGIN)),
            float32_at_or_above(TRIPLET_THRESHOLD * (1 + THRESHOLD_MARGIN)))


def compared(energy, edges):
    """Mask of the energies the comparison keeps."""
    keep = (energy >= 1.0) & (energy <= HIGHEST_ENERGY)
    for b in edges:
        keep &= np.abs(energy / b - 1.0) > EDGE_MARGIN
    for threshold in (PAIR_THRESHOLD, TRIPLET_THRESHOLD):
        keep &= ~((energy > threshold * 0.99999) & (energy <= threshold * (1 + THRESHOLD_MARGIN)))
    return keep


def _log_spaced(low, high, per_decade):
    k = np.arange(np.ceil(np.log10(low) * per_decade), np.floor(np.log10(high) * per_decade) + 1)
    return 10.0 ** (k / per_decade)


def evaluation_energies(edges, per_decade=POINTS_PER_DECADE, knots=()):
    """Log-spaced energies from 1 keV to 50 MeV and the given knots of the
    recipe's data (as float32 values), minus the stretches left out of the
    comparison."""
    energy = np.concatenate([_log_spaced(1.0, HIGHEST_ENERGY, per_decade), np.asarray(knots, dtype=float)])
    energy = energy[(energy >= 1.0) & (energy <= HIGHEST_ENERGY)]
    energy = np.unique(energy.astype(np.float32).astype(np.float64))
    return energy[compared(energy, edges)]


def lookup(rows, energy):
    """The library's interpolation of float32 rows (energy first) at energies
    that no threshold rule covers: the stored value at a stored energy (the
    last row of that energy), log-log between two positive values, 0 else."""
    e = rows[:, 0].astype(np.float64)
    y = rows[:, 1:].astype(np.float64)
    lo = np.searchsorted(e, energy, side="right") - 1
    hi = np.minimum(lo + 1, e.size - 1)
    exact = e[lo] == energy
    with np.errstate(divide="ignore", invalid="ignore"):
        t = (np.log(energy) - np.log(e[lo])) / (np.log(e[hi]) - np.log(e[lo]))
        ln = np.log(y[lo]) + t[:, None] * (np.log(y[hi]) - np.log(y[lo]))
    positive = (y[lo] > 0) & (y[hi] > 0)
    value = np.where(positive, np.exp(np.where(positive, ln, 0.0)), 0.0)
    return np.where(exact[:, None], y[lo], value)


def departures(rows, energy, recipe):
    """|lookup / recipe - 1| per energy and column; where the recipe gives 0,
    0 if the lookup does too, else infinity."""
    got = lookup(rows, energy)
    with np.errstate(divide="ignore", invalid="ignore"):
        d = np.abs(got / recipe - 1.0)
    return np.where(recipe > 0, d, np.where(got == 0, 0.0, np.inf))


def refine(base, points, round_rows):
    """Indices of the evaluation points to add as rows.

    base: the shared rows' columns (dict of float64 arrays, energy ascending);
    points: the columns at the evaluation energies; round_rows: columns ->
    float32 rows, as the table stores them.
    """
    energy = points["energy"]
    recipe = recipe_columns(points)
    # Each point's share of the energy axis (in ln E, relative to the plain
    # spacing; less beside the stretches left out).
    spacing = np.gradient(np.log(energy)) / (np.log(10.0) / POINTS_PER_DECADE)
    share = np.minimum(spacing, 1.0)
    taken = np.zeros(energy.size, dtype=bool)
    base_count = base["energy"].size
    taken_energies = set(base["energy"].astype(np.float32).tolist())
    while True:
        rows = round_rows(merge(base, points, taken))
        worst = departures(rows, energy, recipe).max(axis=1)
        interval = np.searchsorted(rows[:, 0].astype(np.float64), energy, side="right")
        bad = worst > TOLERANCE
        if not bad.any():
            break
        room = min(BATCH, MAX_ROWS - base_count - int(taken.sum()))
        added = 0
        # The worst point of each interval that strays, the intervals with the
        # most departure beyond the tolerance (summed over their share of the
        # energy axis) first.
        excess = np.bincount(interval, weights=share * np.maximum(worst - TOLERANCE, 0.0))
        order = np.lexsort((-worst, interval))
        first_of_interval = np.r_[True, np.diff(interval[order]) != 0]
        candidates = order[first_of_interval]
        candidates = candidates[bad[candidates]]
        candidates = candidates[np.argsort(-excess[interval[candidates]], kind="stable")]
        for i in candidates:
            if added == room:
                break
            if np.float32(energy[i]) in taken_energies:
                continue
            taken[i] = True
            taken_energies.add(np.float32(energy[i]))
            added += 1
        if added == 0:
            break
    if base_count + int(taken.sum()) == MAX_ROWS:
        taken = exchange(base, points, round_rows, recipe, taken)
    return taken


def goal_points(energy):
    """Mask of the evaluation energies whose 99th percentile the trades count:
    the log-spaced grid (GOAL_PER_DECADE a decade), not the knots, which
    crowd where the data bend."""
    k = np.rint(np.log10(energy) * POINTS_PER_DECADE)
    on_grid = np.abs(energy / 10.0 ** (k / POINTS_PER_DECADE) - 1.0) < 1e-6
    return on_grid & (k % (POINTS_PER_DECADE // GOAL_PER_DECADE) == 0)


def shortfall(d, goal):
    """How far the rows are from the goal: per column, the points of the goal
    beyond GOAL_LIMIT that its 99th percentile cannot absorb, summed; infinity
    if any point, counted by the goal or not, strays beyond FAR."""
    if d.max() > FAR:
        return np.inf
    return _excess(d[goal])


def _excess(d):
    """Per column, the points beyond GOAL_LIMIT that a 99th percentile cannot
    absorb, summed."""
    n = d.shape[0]
    allowed = n - 1 - int(np.ceil(0.99 * (n - 1)))
    return int(np.maximum((d > GOAL_LIMIT).sum(axis=0) - allowed, 0).sum())


def exchange(base, points, round_rows, recipe, taken):
    """At the row limit, trade rows for the goal: drop the added row whose loss
    costs least and add the point whose row gains most, while that lowers the
    shortfall."""
    energy = points["energy"]
    goal = goal_points(energy)
    shared = np.isin(energy.astype(np.float32), base["energy"].astype(np.float32))

    def cost(mask):
        # Points beyond FAR first, then the shortfall of the 99th percentile.
        d = departures(round_rows(merge(base, points, mask)), energy, recipe)
        far = int((d.max(axis=1) > FAR).sum())
        return far * (d.size + 1) + _excess(d[goal])

    current = cost(taken)
    for _ in range(EXCHANGES):
        if current == 0:
            break
        chosen = np.nonzero(taken)[0]
        losses = []
        for i in chosen:
            trial = taken.copy()
            trial[i] = False
            losses.append(cost(trial))
        best = None
        drop = chosen[int(np.argmin(losses))]
        without = taken.copy()
        without[drop] = False
        d = departures(round_rows(merge(base, points, without)), energy, recipe)
        candidates = np.nonzero(~without & ~shared & (d.max(axis=1) > GOAL_LIMIT))[0]
        candidates = candidates[np.argsort(-d.max(axis=1)[candidates])][:CANDIDATES]
        for i in candidates:
            trial = without.copy()
            trial[i] = True
            c = cost(trial)
            if best is None or c < best[0]:
                best = (c, trial)
        if best is None or best[0] >= current:
            break
        current, taken = best
    return taken


def recipe_columns(points):
    """The recipe's values (float64) in table column order; the totals as
    the sums of their parts."""
    out = []
    for name in COLUMNS[1:]:
        if name in TOTALS:
            out.append(sum(points[p] for p in TOTALS[name]))
        else:
            out.append(points[name])
    return np.stack(out, axis=1)


def merge(base, points, taken):
    """The columns of the shared rows and the taken points, by energy."""
    out = {}
    for name, column in base.items():
        out[name] = np.concatenate([column, points[name][taken]])
    order = np.argsort(out["energy"], kind="stable")
    # Edge pairs keep their below-edge row first: a stable sort of rows that
    # were in order, with the added ones never on an edge.
    return {name: column[order] for name, column in out.items()}
