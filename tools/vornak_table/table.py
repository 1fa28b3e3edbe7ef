"""The 15 columns of one element's table, row by row.

Attenuation (cm2/g): total, photoelectric, Rayleigh, Compton, pair (nuclear
field), triplet (electron field). Energy transfer: total, photoelectric,
Compton, pair. Energy absorption: total, photoelectric, Compton, pair.

Energy transfer subtracts what leaves the atom as fluorescence (photo
effect and Compton vacancies) and the rest mass of the pair; energy
absorption further subtracts what the charged secondaries radiate
(bremsstrahlung, fluorescence after impact ionisation, annihilation in
flight), g of each process.
"""

import numpy as np

from . import klein_nishina, refine
from .columns import COLUMNS, TOTALS
from .electrons import ElectronSlowing
from .photon_data import PhotonData
from .relaxation import Atom
from .sources import FISX_SUBSHELLS

# Twenty energies a decade from 1 to 900 keV, then the high-energy grid with
# the pair and triplet thresholds standing in for 1000 and 2000 keV.
_MANTISSAS = (1, 1.1, 1.25, 1.4, 1.6, 1.8, 2, 2.2, 2.5, 2.8, 3.2, 3.5, 4, 4.5, 5, 5.5, 6.3, 7, 8, 9)
SHARED_ENERGIES = tuple(float(f"{m * 10 ** d:g}") for d in range(3) for m in _MANTISSAS) + (
    1022.0, 1100.0, 1250.0, 1400.0, 1600.0, 1800.0, 2044.0, 2200.0, 2500.0, 2800.0, 3200.0,
    3500.0, 4000.0, 4500.0, 5000.0, 5500.0, 6300.0, 7000.0, 8000.0, 9000.0, 10000.0, 12500.0,
    16000.0, 20000.0, 25000.0, 32000.0, 40000.0, 50000.0, 63000.0, 80000.0, 100000.0, 125000.0)
LOWEST_ENERGY = 1.0          # first energy the library accepts
FIRST_ROW_ENERGY = 0.8       # the row below it, unless an edge lies in between
PAIR_REST_ENERGY = 1022.0    # 2 m c^2 as the table's energy transfer counts it


_GAUSS_T, _GAUSS_W = np.polynomial.legendre.leggauss(48)


def element_rows(binding):
    """(energy, above-edge side) of the shared rows: first row, shared grid, the
    rows just past the thresholds' first 2 %, edge pairs."""
    edges = sorted(b for b in binding.values() if b >= LOWEST_ENERGY)
    assert len(set(edges)) == len(edges)
    assert not set(edges) & set(SHARED_ENERGIES)
    low = [b for b in binding.values() if FIRST_ROW_ENERGY <= b < LOWEST_ENERGY]
    rows = [(max(low), True) if low else (FIRST_ROW_ENERGY, True)]
    rows += [(e, True) for e in SHARED_ENERGIES]
    rows += [(e, True) for e in refine.threshold_rows()]
    rows += [(b, False) for b in edges] + [(b, True) for b in edges]
    rows.sort(key=lambda r: (r[0], r[1]))
    return np.array([r[0] for r in rows]), np.array([r[1] for r in rows])


def _pair_radiated(energy, slowing):
    """g of pair and triplet production: K = E - 2mc^2 shared evenly on average."""
    out = np.zeros_like(energy)
    k = energy - PAIR_REST_ENERGY
    open_ = k > 0
    kk = k[open_][:, None]
    t = 0.5 * kk * (_GAUSS_T[None, :] + 1.0)
    mean_ty = 0.5 * ((t * slowing.radiation_yield(t)) @ _GAUSS_W)   # <T Y(T)> over [0, K]
    out[open_] = 2.0 * mean_ty / k[open_] + 0.5 * slowing.annihilation_loss(0.5 * k[open_])
    return out


def element_table(z, raw):
    """float64 columns of element z (before rounding), as a dict by column name:
    the shared rows and the element-specific ones the refinement adds."""
    energy, above = element_rows(raw.binding[z])
    photon = PhotonData(z, raw)
    edges = set(energy[~above].tolist())
    if energy[0] > FIRST_ROW_ENERGY:
        edges.add(energy[0])          # the first row sits on an edge below 1 keV
    photon.check_edges(sorted(edges))
    atom = Atom(z, raw.relaxation[z])
    slowing = ElectronSlowing(z, photon.weight, atom, raw)
    points = refine.evaluation_energies(sorted(edges), knots=photon.knots())
    c = recipe(z, photon, atom, slowing, np.concatenate([energy, points]),
               np.concatenate([above, np.ones(points.size, dtype=bool)]))
    n = energy.size
    base = {name: v[:n] for name, v in c.items()}
    at_points = {name: v[n:] for name, v in c.items()}
    taken = refine.refine(base, at_points, rounded_rows)
    return refine.merge(base, at_points, taken)


_CHUNK = 256


def recipe(z, photon, atom, slowing, energy, above):
    """The recipe at many energies, a few hundred at a time: every energy is
    independent, and small blocks keep the quadratures' scratch arrays in the
    cache instead of mapping fresh memory for each."""
    blocks = [_columns(z, photon, atom, slowing, energy[i:i + _CHUNK], above[i:i + _CHUNK])
              for i in range(0, energy.size, _CHUNK)]
    return {name: np.concatenate([b[name] for b in blocks]) for name in blocks[0]}


def _columns(z, photon, atom, slowing, energy, above):
    """The recipe: float64 part columns at the given energies (above picks the
    side of an edge)."""
    c = {"energy": energy,
         "mu_pe": photon.photoelectric(energy, above),
         "mu_rayleigh": photon.coherent(energy, above),
         "mu_compton": photon.compton(energy),
         "mu_pair": photon.nuclear_pair(energy),
         "mu_triplet": photon.electron_pair(energy)}

    # Photoelectric: the photoelectron leaves with E - B_s, the vacancy in s
    # sends X_s out as fluorescence; what the atom keeps stays local.
    shares = photon.subshell_shares(energy, above)
    binding = np.array([atom.binding.get(s, 0.0) for s in FISX_SUBSHELLS[:-1]] + [0.0])
    escape = np.array([atom.fluorescence.get(s, 0.0) for s in FISX_SUBSHELLS[:-1]] + [0.0])
    x_pe = shares @ escape
    c["tr_pe"] = c["mu_pe"] * (1.0 - x_pe / energy)
    kinetic = np.maximum(energy[:, None] - binding[None, :], 0.0)
    radiated = (shares * kinetic * slowing.radiation_yield(kinetic)).sum(axis=1)
    c["en_pe"] = c["tr_pe"] * (1.0 - radiated / (energy - x_pe))

    # Compton: the recoil electron's mean energy, less the fluorescence of the
    # vacancies the collisions open in shells the recoil can free.
    x_inc = np.zeros_like(energy)
    for shell in atom.names:
        if atom.fluorescence[shell] > 0:
            share = atom.occupancy[shell] / z * klein_nishina.fraction_above(energy, atom.binding[shell])
            x_inc += share * atom.fluorescence[shell]
    transfer = np.maximum(photon.mean_recoil(energy) - x_inc, 0.0)
    c["tr_compton"] = c["mu_compton"] * transfer / energy
    c["en_compton"] = c["tr_compton"] * (1.0 - klein_nishina.radiated_fraction(energy, slowing.radiation_yield))

    pairs = c["mu_pair"] + c["mu_triplet"]
    c["tr_pair"] = np.where(pairs > 0, pairs * (1.0 - PAIR_REST_ENERGY / energy), 0.0)
    c["en_pair"] = c["tr_pair"] * (1.0 - _pair_radiated(energy, slowing))
    return c


def rounded_rows(c):
    """float32 rows; each total is the rounded sum of its rounded parts."""
    parts = {name: c[name].astype(np.float32) for name in COLUMNS if name in c}

    for total, names in TOTALS.items():
        s = np.zeros(parts["energy"].size)
        for name in names:
            s = s + parts[name].astype(np.float64)
        parts[total] = s.astype(np.float32)
    return np.stack([parts[name] for name in COLUMNS], axis=1)
