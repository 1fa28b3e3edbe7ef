"""Readers for the raw evaluated-data files behind the source-B table.

Every reader returns plain numpy arrays in the files' own units; unit
conversion happens in one place (the caller), so each reader can be checked
against its file by eye. See data/sources/epdl97/PROVENANCE.md for the
layouts.
"""

import os

import numpy as np

# Column order of EADL97_BindingEnergies.dat after the Z column (EADL subshell
# designators; the relaxation file numbers the same shells 1, 3, 5, 6, 8, ...).
EADL_SHELLS = ("K", "L1", "L2", "L3", "M1", "M2", "M3", "M4", "M5",
               "N1", "N2", "N3", "N4", "N5", "N6", "N7",
               "O1", "O2", "O3", "O4", "O5", "O6", "O7", "O8", "O9",
               "P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8", "P9", "P10", "P11",
               "Q1", "Q2", "Q3")

# Subshell columns of the fisx cross-section file, in file order after the
# total photoelectric column; "others" lumps every shell beyond M5.
FISX_SUBSHELLS = ("K", "L1", "L2", "L3", "M1", "M2", "M3", "M4", "M5", "others")

ZMAX = 99


def read_lnln(path):
    """EGSnrc ln-ln file: per Z a count n, then n pairs (ln E[MeV], ln sigma[b])."""
    tokens = open(path).read().split()
    out, p = [], 0
    while p < len(tokens):
        n = int(tokens[p])
        pairs = np.array(tokens[p + 1:p + 1 + 2 * n], dtype=float).reshape(n, 2)
        out.append((pairs[:, 0].copy(), pairs[:, 1].copy()))
        p += 1 + 2 * n
    return out


def read_binding_energies(path):
    """EADL97 subshell binding energies in keV: {Z: {shell: B}} (empty shells left out)."""
    out = {}
    for line in open(path):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split()
        z = int(fields[0])
        out[z] = {name: float(v) for name, v in zip(EADL_SHELLS, fields[1:]) if float(v) > 0.0}
    return out


def read_fisx_cross_sections(path):
    """fisx EPDL97 scans: {Z: array (n, 16)} in keV and cm2/g, columns as in the file."""
    out = {}
    z = None
    rows = []
    for line in open(path):
        if line.startswith("#S"):
            if z is not None:
                out[z] = np.array(rows, dtype=float)
            z, rows = int(line.split()[1]), []
        elif line.strip() and not line.startswith("#") and z is not None:
            rows.append(line.split())
    if z is not None:
        out[z] = np.array(rows, dtype=float)
    return out


def read_endl_blocks(path):
    """EPICS2017 blocks: {(Z, C, I, Yo): (E[MeV], value)} plus {Z: EPDL atomic weight}."""
    blocks, weights = {}, {}
    lines = open(path).read().split("\n")
    p = 0
    while p < len(lines):
        head1 = lines[p]
        if not head1.strip():
            p += 1
            continue
        head2 = lines[p + 1]
        z = int(head1[0:3])
        yo = int(head1[10:12])
        weights[z] = float(head1[13:24])
        c, i = int(head2[0:2]), int(head2[2:5])
        p += 2
        data = []
        while lines[p][71:72] != "1":
            data.append((float(lines[p][0:16]), float(lines[p][16:32])))
            p += 1
        p += 1
        arr = np.array(data, dtype=float)
        blocks[(z, c, i, yo)] = (arr[:, 0].copy(), arr[:, 1].copy())
    return blocks, weights


def read_relaxation(path):
    """EADL relaxation data (little-endian 4-byte records).

    Returns {Z: [(designator, B[MeV], [(code, probability), ...]), ...]} in file
    order. A code below 64 is a radiative transition; a larger one non-radiative.
    """
    raw = open(path, "rb").read()
    ints = np.frombuffer(raw, dtype="<i4")
    reals = np.frombuffer(raw, dtype="<f4")
    out = {}
    for z in range(1, int(ints[0]) + 1):
        p = int(ints[z]) - 1
        nshell = int(ints[p])
        p += 1
        shells = []
        for _ in range(nshell):
            designator, ntran, binding = int(ints[p]), int(ints[p + 1]), float(reals[p + 2])
            p += 3
            trans = [(int(ints[p + 2 * k]), float(reals[p + 2 * k + 1])) for k in range(ntran)]
            p += 2 * ntran
            shells.append((designator, binding, trans))
        out[z] = shells
    return out


def read_brems(path):
    """Seltzer-Berger scaled bremsstrahlung: T[MeV] (57), kappa (30), {Z: chi (57, 30) in mb}."""
    lines = open(path).read().split("\n")
    nt, nk = (int(v) for v in lines[1].split())
    p = 2
    values = []
    while len(values) < nt + nk:
        values.extend(float(v) for v in lines[p].split())
        p += 1
    t, kappa = np.array(values[:nt]), np.array(values[nt:nt + nk])
    assert lines[p].strip() == "BREMX.DAT"
    rest = np.array(" ".join(lines[p + 1:]).split(), dtype=float)
    per_z = nt * nk
    chi = {}
    for z in range(1, rest.size // per_z + 1):
        block = rest[(z - 1) * per_z:z * per_z]
        # Fortran order ((cs(n,k), n=1,57), k=1,30): energy index runs fastest.
        chi[z] = block.reshape(nk, nt).T.copy()
    return t, kappa, chi


def read_eii(path):
    """Electron-impact ionisation of K, L1, L2, L3 (shells with U > 1 keV).

    Returns (Emax[MeV], nbin, {Z: [sigma_max * shape(250) in barn, ...]}) with the
    shells in the order K, L1, L2, L3 as far as present.
    """
    tokens = open(path).read().split("\n")
    ncomment = int(tokens[0])
    rest = " ".join(tokens[1 + ncomment:]).split()
    emax, nbin = float(rest[0]), int(rest[1])
    p = 2
    out = {}
    while p < len(rest):
        z, nsh = int(rest[p]), int(rest[p + 1])
        p += 2
        shells = []
        for _ in range(nsh):
            fmax = float(rest[p])
            shells.append(fmax * np.array(rest[p + 1:p + 1 + nbin], dtype=float))
            p += 1 + nbin
        out[z] = shells
    return emax, nbin, out


def read_density_file(path):
    """pegs4 density-effect file: (Z, I[eV], rho, T[MeV] array, delta array)."""
    lines = open(path).read().split("\n")
    head = lines[1].split()
    n, i_ev, nelem = int(head[0]), float(head[1]), int(head[3])
    assert nelem == 1, path
    z = int(lines[2].split()[0])
    pairs = " ".join(lines[3:]).replace(",", " ").split()
    arr = np.array(pairs[:2 * n], dtype=float).reshape(n, 2)
    return z, i_ev, float(head[2]), arr[:, 0].copy(), arr[:, 1].copy()


# Where an element has several density files, the standard state of the
# ICRU 37 / ESTAR element tables: gaseous hydrogen, graphite of density 1.7
# (I = 78 eV) and ordinary sulfur.
PREFERRED_DENSITY_FILES = {1: "hydrogen.density",
                           6: "carbon_graphite_1.700g_cm3.density",
                           16: "sulfur.density"}


def read_density_files(folder):
    """{Z: (I[eV], T[MeV], delta)} for Z = 1..ZMAX, one standard file per element."""
    by_z = {}
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".density"):
            continue
        z, i_ev, _, t, delta = read_density_file(os.path.join(folder, name))
        by_z.setdefault(z, {})[name] = (i_ev, t, delta)
    out = {}
    for z in range(1, ZMAX + 1):
        files = by_z[z]
        name = PREFERRED_DENSITY_FILES.get(z)
        if name is None:
            assert len(files) == 1, (z, sorted(files))
            name = next(iter(files))
        out[z] = files[name]
    return out


class RawData:
    """Every raw input, read once."""

    def __init__(self, folder, fisx_path, elements):
        def path(name):
            return os.path.join(folder, name)

        self.binding = read_binding_energies(path("EADL97_BindingEnergies.dat"))
        self.photo = read_lnln(path("epdl_photo.data"))
        self.rayleigh = read_lnln(path("epdl_rayleigh.data"))
        self.epics, self.epdl_weight = read_endl_blocks(path("epics2017_epdl_C72_C74_C75_blocks.endl"))
        self.relaxation = read_relaxation(path("relax.data"))
        self.brems_t, self.brems_kappa, self.brems_chi = read_brems(path("nist_brems.data"))
        self.eii_emax, self.eii_nbin, self.eii = read_eii(path("eii_ik.data"))
        self.density = read_density_files(path("pegs4_density_corrections_elements"))
        self.fisx = read_fisx_cross_sections(fisx_path)
        # {Z: atomic weight, g/mol} of data/sources/elements.tsv.
        self.atomic_weight = {e.z: float(e.atomic_weight) for e in elements}
