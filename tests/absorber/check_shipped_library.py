#!/usr/bin/python3
"""Checks the shipped data/CmpMix.dat, as Pheltra's loader reads it, against
the data it was made from: every NIST material of xraylib and every element
of data/sources/elements.tsv, each density and mass fraction equal to the
source value as a 32-bit float.

Usage: check_shipped_library.py <dump_compound_library> <top of the tree>
"""

import pathlib
import subprocess
import sys

import numpy
import xraylib


def as_float32(value):
    return "%.9g" % numpy.float32(float(value))


def main():
    dump, top = sys.argv[1], pathlib.Path(sys.argv[2])
    output = subprocess.run([dump, str(top / "data/CmpMix.dat")], check=True,
                            capture_output=True, text=True).stdout.splitlines()
    assert output[0] == "status\t0", output[0]
    loaded = {}
    for line in output[1:]:
        name, formula, source, density, *pairs = line.split("\t")
        assert name.lower() not in loaded, f"duplicate {name}"
        loaded[name.lower()] = (formula, source, density,
                                [tuple(p.split(":")) for p in pairs])

    expected = {}
    for line in (top / "data/sources/elements.tsv").read_text().splitlines():
        if line.startswith("#"):
            continue
        z, symbol, name, _, density, _ = line.split("\t")
        expected[name.lower()] = (symbol, None, as_float32(density), [(z, as_float32(1.0))])
    for name in xraylib.GetCompoundDataNISTList():
        data = xraylib.GetCompoundDataNISTByName(name)
        pairs = [(str(z), as_float32(w)) for z, w in zip(data["Elements"], data["massFractions"])]
        expected[name.lower()] = ("", "NIST (via xraylib)", as_float32(data["density"]), pairs)

    faults = []
    if set(loaded) != set(expected):
        faults.append(f"names differ: {sorted(set(loaded) ^ set(expected))}")
    for key in sorted(set(loaded) & set(expected)):
        formula, source, density, pairs = loaded[key]
        want_formula, want_source, want_density, want_pairs = expected[key]
        if (formula, density, pairs) != (want_formula, want_density, want_pairs) or \
                (want_source is not None and source != want_source):
            faults.append(f"{key}: read {loaded[key]}, expected {expected[key]}")
    for fault in faults:
        print(fault)
    print(f"{len(loaded)} entries read, {len(expected)} expected, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
