#!/usr/bin/python3
"""Checks the formula check of tools/cmpmix_formulas.py, the guard that keeps
a shipped formula from contradicting its entry's weight fractions: the mass
fractions it derives from a formula, and the formulas it refuses.

Usage: check_cmpmix_formulas.py <top of the tree>
"""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(sys.argv[1]) / "tools"))
from cmpmix_formulas import check_formula, formula_fractions  # noqa: E402

# IUPAC 1995, as elements.tsv gives them.
WEIGHTS = {"H": 1.00794, "C": 12.0107, "O": 15.9994, "P": 30.973761, "S": 32.065, "Ca": 40.078,
           "Cl": 35.453}
WATER = {"H": 0.111898, "O": 0.888102}

faults = []


def expect_near(what, got, want, tolerance=1e-6):
    if abs(got - want) > tolerance:
        faults.append(f"{what}: {got}, expected {want}")


def expect_refused(what, formula, fractions):
    try:
        check_formula(what, formula, fractions, WEIGHTS, 2e-4)
    except ValueError:
        return
    faults.append(f"{what}: {formula} accepted for {fractions}")


water = formula_fractions("H2O", WEIGHTS)
expect_near("H in H2O", water["H"], 2 * 1.00794 / (2 * 1.00794 + 15.9994))
check_formula("water", "H2O", WATER, WEIGHTS, 2e-4)

# A repeat unit counts once: (C2H4)n has the fractions of CH2.
polyethylene = formula_fractions("(C2H4)n", WEIGHTS)
expect_near("C in (C2H4)n", polyethylene["C"], formula_fractions("CH2", WEIGHTS)["C"])

# Groups multiply what they hold, nested or not.
phosphate = formula_fractions("Ca3(PO4)2", WEIGHTS)
mass = 3 * 40.078 + 2 * 30.973761 + 8 * 15.9994
expect_near("O in Ca3(PO4)2", phosphate["O"], 8 * 15.9994 / mass)
expect_near("nested group", formula_fractions("C((CH3)2)2", WEIGHTS)["C"],
            formula_fractions("C5H12", WEIGHTS)["C"])

# The number before a hydrate's water multiplies all of it.
gypsum = formula_fractions("CaSO4\u00b72H2O", WEIGHTS)
mass = 40.078 + 32.065 + 6 * 15.9994 + 4 * 1.00794
expect_near("Ca in CaSO4.2H2O", gypsum["Ca"], 40.078 / mass)
expect_near("H in CaSO4.2H2O", gypsum["H"], 4 * 1.00794 / mass)

# Refused: a formula whose fractions differ from the weights, one with an
# element more or fewer, and texts that are no formula.
expect_refused("one hydrogen too many", "H3O", WATER)
expect_refused("a missing element", "H2", WATER)
expect_refused("an extra element", "H2OC", WATER)
expect_refused("hydrogen peroxide", "H2O2", WATER)
for text in ("H2O!", "(H2O", "H2O)", "h2o", "Xx2O", "", "2"):
    expect_refused(f"text {text!r}", text, WATER)

for fault in faults:
    print(fault)
sys.exit(1 if faults else 0)
