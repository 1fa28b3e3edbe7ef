"""Photon cross sections of one element, in cm2/g, at energies in keV.

Cross sections per atom become mass coefficients with the atomic weights of
data/sources/elements.tsv, the ones the whole program uses.

Photoelectric and coherent scattering come from the EPDL97 ln-ln files
(interpolated log-log, edges snapped to the EADL97 binding energies); below
their first point (only the first table row, under 1 keV, goes there) the
fisx conversion of the same EPDL97 data takes over. Incoherent scattering,
the mean Compton recoil energy, pair and triplet production come from the
dense EPICS2017 blocks, which carry the EPDL97 values on the grid EPDL
interpolates lin-lin.
"""

import math

import numpy as np

from .curve import Curve, log_log_curve
from .sources import FISX_SUBSHELLS

AVOGADRO = 6.02214076e23
BARN = 1e-24

# EGSnrc writes ln E with five decimals, so its edges sit up to 1e-5 in ln E
# away from the EADL97 energies they stand for.
EDGE_SNAP = 2e-5

FISX_RAYLEIGH, FISX_PHOTO = 1, 4
FISX_FIRST_SUBSHELL = 5
TINY = 1e-250


def snap_edges(ln_e, edges_kev):
    """Move the file's duplicated-energy knots (its edges) onto the EADL97 energies."""
    ln_e = ln_e.copy()
    targets = np.log(np.array(sorted(edges_kev)))
    for i in np.where(np.diff(ln_e) == 0)[0]:
        near = targets[np.abs(targets - ln_e[i]) < EDGE_SNAP]
        if near.size == 1:
            ln_e[i] = ln_e[i + 1] = near[0]
    return ln_e


class PhotonData:
    def __init__(self, z, raw):
        self.z = z
        # Barns to cm2/g with the program's one atomic weight of the element
        # (Gallomir's), not EPDL's own; the fisx scans, converted with EPDL's
        # weights, are rescaled to it.
        self.weight = raw.atomic_weight[z]
        self.to_mass = AVOGADRO * BARN / self.weight
        fisx_scale = raw.epdl_weight[z] / self.weight
        edges = list(raw.binding[z].values())
        mev_to_kev = math.log(1000.0)
        ln_to_mass = math.log(self.to_mass)

        def egs(table):
            ln_e, ln_s = table[z - 1]
            return Curve(snap_edges(ln_e + mev_to_kev, edges), ln_s + ln_to_mass)

        self.photo = egs(raw.photo)
        self.rayleigh = egs(raw.rayleigh)
        fisx = raw.fisx[z]
        self.fisx_energy = fisx[:, 0]
        self.fisx_photo = self._positive_part(fisx[:, 0], fisx_scale * fisx[:, FISX_PHOTO])
        self.fisx_rayleigh = self._positive_part(fisx[:, 0], fisx_scale * fisx[:, FISX_RAYLEIGH])
        subshells = fisx[:, FISX_FIRST_SUBSHELL:FISX_FIRST_SUBSHELL + len(FISX_SUBSHELLS)]
        # A subshell is zero below its own edge. Between two distinct energies it
        # is zero at both ends or positive at both, so its logarithm, with a
        # tiny stand-in for zero, interpolates it log-log where it exists.
        distinct = np.diff(fisx[:, 0]) > 0
        starts = (subshells[:-1] == 0) != (subshells[1:] == 0)
        assert not np.any(starts[distinct]), self.z
        self.fisx_shares = Curve(np.log(fisx[:, 0]), np.log(np.maximum(subshells, TINY)))

        def epics(c, i=0, yo=0):
            e_mev, v = raw.epics[(z, c, i, yo)]
            return 1000.0 * e_mev, v

        e, v = epics(72)
        self.incoherent = Curve(e, v * self.to_mass)
        e, v = epics(72, 10, 9)
        self.recoil = Curve(e, 1000.0 * v)
        self.pair = self._threshold_curve(*epics(74))
        self.triplet = self._threshold_curve(*epics(75))

    def check_edges(self, edges_kev):
        """Every edge a table row sits on must be a jump of the photoelectric data."""
        for b in edges_kev:
            ln_b = np.log(b)
            curve = self.photo if ln_b >= self.photo.x[0] else self.fisx_photo
            hits = np.count_nonzero(curve.x == ln_b)
            if hits != 2:
                raise ValueError(f"Z = {self.z}: the photoelectric data have no edge at {b} keV")

    def knots(self):
        """Energies (keV) where the recipe's curves bend: the knots of the
        photoelectric, coherent, incoherent, pair and triplet data. Between
        them each curve is straight in its interpolation's coordinates."""
        pair, triplet = self.pair, self.triplet
        return np.unique(np.concatenate([
            np.exp(self.photo.x), np.exp(self.rayleigh.x), self.incoherent.x,
            [pair[0], pair[1]], np.exp(pair[3].x), [triplet[0], triplet[1]], np.exp(triplet[3].x)]))

    @staticmethod
    def _positive_part(energy, value):
        # The fisx scans start at 1 eV, below the lowest edge of light elements.
        start = np.nonzero(value > 0)[0][0]
        return log_log_curve(energy[start:], value[start:])

    def _threshold_curve(self, e, v):
        assert v[0] == 0.0 and np.all(v[1:] > 0), self.z
        return (e[0], e[1], v[1] * self.to_mass, log_log_curve(e[1:], v[1:] * self.to_mass))

    @staticmethod
    def _log_log(curve, fallback, energy, above):
        """EGSnrc curve, or the fisx curve where the energy lies below its first point."""
        ln_e = np.log(energy)
        inside = ln_e >= curve.x[0]
        out = np.empty_like(ln_e)
        out[inside] = curve.at(ln_e[inside], above[inside])
        out[~inside] = fallback.at(ln_e[~inside], above[~inside])
        return np.exp(out)

    def photoelectric(self, energy, above):
        return self._log_log(self.photo, self.fisx_photo, energy, above)

    def coherent(self, energy, above):
        return self._log_log(self.rayleigh, self.fisx_rayleigh, energy, above)

    def compton(self, energy):
        return self.incoherent.at(energy, True)

    def mean_recoil(self, energy):
        """Mean kinetic energy (keV) of the Compton recoil electron, bound-electron corrected."""
        return self.recoil.at(energy, True)

    @staticmethod
    def _threshold(curve, energy):
        # Zero up to threshold, lin-lin in the first interval (the cross section
        # starts from zero there), log-log beyond.
        e0, e1, v1, tail = curve
        out = np.zeros_like(energy)
        first = (energy > e0) & (energy < e1)
        out[first] = v1 * (energy[first] - e0) / (e1 - e0)
        rest = energy >= e1
        out[rest] = np.exp(tail.at(np.log(energy[rest]), True))
        return out

    def nuclear_pair(self, energy):
        return self._threshold(self.pair, energy)

    def electron_pair(self, energy):
        return self._threshold(self.triplet, energy)

    def subshell_shares(self, energy, above):
        """w_s = sigma_s / sigma_pe for the fisx subshells (K .. M5, others), rows by energy.

        Above the end of the fisx table (495 keV) the shares of its last row are
        kept; they change by well under 1 % from there to 100 GeV.
        """
        e = np.minimum(energy, self.fisx_energy[-1])
        above = np.where(energy >= self.fisx_energy[-1], True, above)
        sigma = np.exp(self.fisx_shares.at(np.log(e), above))
        sigma[sigma < 1e-200] = 0.0
        total = sigma.sum(axis=1)
        return sigma / np.where(total > 0, total, 1.0)[:, None]
