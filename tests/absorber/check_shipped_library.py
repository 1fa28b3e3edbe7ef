#!/usr/bin/python3
"""Checks the shipped data/CmpMix.dat, as Pheltra's loader reads it, against
the data it was made from, each density and mass fraction equal to the source
value as a 32-bit float:
- every element of data/sources/elements.tsv;
- every one of NIST's 48 materials of data/sources/nist_xaamdi_materials.tsv
  (Table 2 of the X-ray attenuation tables), under its name;
- every other NIST material of xraylib's list.
It also checks the formula and source text of every entry.

Usage: check_shipped_library.py <dump_compound_library> <top of the tree>
"""

import pathlib
import subprocess
import sys

import numpy
import xraylib

TOP = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else pathlib.Path(".")
sys.path.insert(0, str(TOP / "tools"))
from cmpmix_formulas import FORMULAS  # noqa: E402
from gen_cmpmix import NAME_CORRECTIONS, TABLE2_SOURCE, XRAYLIB_SOURCE  # noqa: E402

TABLE2_COUNT = 48


def as_float32(value):
    return "%.9g" % numpy.float32(float(value))


def table_rows(path):
    for line in path.read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            yield line.split("\t")


def expected_entries(top):
    """name (lower case) -> (name, formula, source, density, [(Z, weight)])"""
    expected = {}
    for z, symbol, name, _, density, _ in table_rows(top / "data/sources/elements.tsv"):
        expected[name.lower()] = (name, symbol, None, as_float32(density), [(z, as_float32(1.0))])
    table2 = {}
    for name, _, _, density, composition in table_rows(top / "data/sources/nist_xaamdi_materials.tsv"):
        name = NAME_CORRECTIONS.get(name, name)
        pairs = [(z, as_float32(w)) for z, w in (p.split(":") for p in composition.split())]
        table2[name.lower()] = (name, FORMULAS.get(name, ""), TABLE2_SOURCE, as_float32(density), pairs)
    assert len(table2) == TABLE2_COUNT, f"{len(table2)} Table 2 materials"
    for name in xraylib.GetCompoundDataNISTList():
        data = xraylib.GetCompoundDataNISTByName(name)
        name = NAME_CORRECTIONS.get(name, name)
        pairs = [(str(z), as_float32(w)) for z, w in zip(data["Elements"], data["massFractions"])]
        expected[name.lower()] = (name, FORMULAS.get(name, ""), XRAYLIB_SOURCE, as_float32(data["density"]), pairs)
    expected.update(table2)
    return expected


def main():
    dump, top = sys.argv[1], TOP
    output = subprocess.run([dump, str(top / "data/CmpMix.dat")], check=True,
                            capture_output=True, text=True, encoding="utf-8").stdout.splitlines()
    assert output[0] == "status\t0", output[0]
    loaded = {}
    for line in output[1:]:
        name, formula, source, density, *pairs = line.split("\t")
        assert name.lower() not in loaded, f"duplicate {name}"
        loaded[name.lower()] = (name, formula, source, density, [tuple(p.split(":")) for p in pairs])

    expected = expected_entries(top)
    faults = []
    if set(loaded) != set(expected):
        faults.append(f"names differ: {sorted(set(loaded) ^ set(expected))}")
    for key in sorted(set(loaded) & set(expected)):
        name, formula, source, density, pairs = loaded[key]
        want_name, want_formula, want_source, want_density, want_pairs = expected[key]
        if (name, formula, density, pairs) != (want_name, want_formula, want_density, want_pairs) or \
                (want_source is not None and source != want_source):
            faults.append(f"{key}: read {loaded[key]}, expected {expected[key]}")
    for fault in faults:
        print(fault)
    by_source = {}
    for _, _, source, _, _ in loaded.values():
        group = source if source in (TABLE2_SOURCE, XRAYLIB_SOURCE) else "elements"
        by_source[group] = by_source.get(group, 0) + 1
    print(f"{len(loaded)} entries read {by_source}, {len(expected)} expected, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
