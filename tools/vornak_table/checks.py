"""Invariants every element table must meet before it is written."""

import numpy as np

from .table import COLUMNS, LOWEST_ENERGY, SHARED_ENERGIES

_COL = {name: i for i, name in enumerate(COLUMNS)}
_PROCESSES = (("mu", "tr", "en"), ("mu_pe", "tr_pe", "en_pe"),
              ("mu_compton", "tr_compton", "en_compton"))


def check_element(z, rows):
    """Raise ValueError naming the first broken invariant of element z's float32 rows."""
    def fail(what):
        raise ValueError(f"Z = {z}: {what}")

    e = rows[:, 0]
    if not np.all(np.isfinite(rows)) or np.any(rows < 0):
        fail("a value is negative or not finite")
    if not (e[0] < LOWEST_ENERGY <= e[1]) or e[-1] != np.float32(SHARED_ENERGIES[-1]):
        fail("the table does not span the accepted energies")
    step = np.diff(e)
    if np.any(step < 0):
        fail("energies decrease")
    same = np.nonzero(step == 0)[0]
    if np.any(np.diff(same) == 1) or (same.size and e[same].min() <= LOWEST_ENERGY):
        fail("an energy repeats other than as one edge pair above 1 keV")

    for threshold, pair_cols in ((1022.0, ("mu_pair", "tr_pair", "en_pair")),
                                 (2044.0, ("mu_triplet",))):
        for name in pair_cols:
            col = rows[:, _COL[name]]
            if np.any(col[e <= threshold] != 0) or np.any(col[e > threshold] <= 0):
                fail(f"{name} is not zero up to {threshold} keV and positive above")
    pair = rows[:, _COL["mu_pair"]] + rows[:, _COL["mu_triplet"]]
    if np.any(rows[:, _COL["en_pair"]] > rows[:, _COL["tr_pair"]]) or \
            np.any(rows[:, _COL["tr_pair"]] > pair):
        fail("pair: energy absorption > transfer > attenuation")
    for mu, tr, en in _PROCESSES:
        if np.any(rows[:, _COL[en]] > rows[:, _COL[tr]]) or np.any(rows[:, _COL[tr]] > rows[:, _COL[mu]]):
            fail(f"{mu}: energy absorption > transfer > attenuation")
