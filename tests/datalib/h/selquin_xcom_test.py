#!/usr/bin/python3
"""Library H between its rows, against XCOM.

XCOM (the photon cross-section program behind the NIST tables library H
holds) tabulates every element on its own energies too. At those that are
not rows of library H, lie above the element's K edge (where library H
follows its spline) and more than 5 % away from any absorption edge, library
H's total attenuation must agree with XCOM's: within 0.72 % everywhere and
within 0.02 % at the median. Prints the figures per element. Below the K
edge library H interpolates log-log between its rows, as the original
compilation does; the figures there are printed for information only.

    selquin_xcom_test.py <libselquin.so> [XCOM_CrossSections.dat]
"""

import ctypes
import statistics
import sys

XCOM_FILE = "/usr/share/fisx/XCOM_CrossSections.dat"
EDGE_MARGIN = 0.05
MAX_LIMIT = 0.72     # per cent: twice the 0.36 % docs/data-sources.md states
MEDIAN_LIMIT = 0.02  # per cent
ELEMENTS = range(1, 93)


def read_xcom(path):
    """{Z: [(E keV, total attenuation cm2/g, row repeated)]} from the specfile scans."""
    out, z = {}, None
    for line in open(path):
        if line.startswith("#S"):
            z = int(line.split()[1])
            out[z] = []
        elif z is not None and line.strip() and not line.startswith("#"):
            fields = [float(v) for v in line.split()]
            out[z].append((fields[0], fields[-1]))
    return out


def library(path):
    lib = ctypes.CDLL(path)
    lib.GetMuCoeffH.restype = ctypes.c_double
    lib.GetMuCoeffH.argtypes = (ctypes.c_int32, ctypes.c_double, ctypes.c_int32)
    lib.GetAbsEdgeH.restype = ctypes.c_double
    lib.GetAbsEdgeH.argtypes = (ctypes.c_int32, ctypes.c_int32)
    return lib


def deviations(lib, z, rows, stored, above_k):
    """Per-cent deviations of library H from XCOM at XCOM's off-grid energies
    above (or at and below) the K edge."""
    energies = [e for e, _ in rows]
    edges = {e for a, b in zip(energies, energies[1:]) if a == b for e in (a,)}
    edges |= {lib.GetAbsEdgeH(z, n) for n in range(1, 13)} - {-1.0}
    out = []
    for e, mu in rows:
        if not 1.0 < e < 20000.0 or energies.count(e) > 1:
            continue
        if (e > lib.GetAbsEdgeH(z, 1)) != above_k:
            continue
        if any(abs(e / b - 1.0) <= EDGE_MARGIN for b in edges):
            continue
        if any(abs(e / s - 1.0) < 1e-6 for s in stored):
            continue  # a row of the table: equal to NIST by construction
        out.append((100.0 * (lib.GetMuCoeffH(z, e, 0) / mu - 1.0), e))
    return out


def stored_energies(lib, z):
    """The energies of library H's rows: its shared grid and its edges."""
    grid = (1, 1.5, 2, 3, 4, 5, 6, 8, 10, 15, 20, 30, 40, 50, 60, 80, 100, 150, 200, 300, 400,
            500, 600, 800, 1000, 1250, 1500, 2000, 3000, 4000, 5000, 6000, 8000, 10000, 15000,
            20000)
    return set(grid) | {lib.GetAbsEdgeH(z, n) for n in range(1, 13)} - {-1.0}


def main():
    lib = library(sys.argv[1])
    xcom = read_xcom(sys.argv[2] if len(sys.argv) > 2 else XCOM_FILE)
    failures = []
    print("Above the K edge (the spline):")
    print(" Z  points  median %  max %  (at keV)")
    every = []
    for z in ELEMENTS:
        d = deviations(lib, z, xcom[z], stored_energies(lib, z), True)
        worst = max(d, key=lambda p: abs(p[0]))
        median = statistics.median(abs(v) for v, _ in d)
        print(f"{z:2d}  {len(d):6d}  {median:8.4f}  {worst[0]:+6.3f}  ({worst[1]:g})")
        every += [abs(v) for v, _ in d]
        if abs(worst[0]) > MAX_LIMIT:
            failures.append(f"Z = {z}: {worst[0]:+.3f} % at {worst[1]:g} keV")
    median = statistics.median(every)
    print(f"above K, all elements: {len(every)} points, median {median:.4f} %, max {max(every):.3f} %")
    if median > MEDIAN_LIMIT:
        failures.append(f"median {median:.4f} % above {MEDIAN_LIMIT} %")
    below = [abs(v) for z in ELEMENTS
             for v, _ in deviations(lib, z, xcom[z], stored_energies(lib, z), False)]
    print(f"below K (log-log, for information): {len(below)} points, median "
          f"{statistics.median(below):.4f} %, max {max(below):.3f} %")
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
