"""The package in Python's terms: the exception type and whole text of every
refusal, the batch tool's refusals kept, NumPy numbers taken where a number
is, short kind names, tables as dicts of arrays, and Ctrl+C during a long
call."""
import os
import pathlib
import signal
import subprocess
import sys
import time

import numpy as np
import pytest

import pheltra

# A library given as a path, read before the tests' working folder exists.
LEAD = pheltra.Material("Lead", library=pathlib.Path(os.environ["PHELTRA_SOURCE_DIR"]) / "data" / "CmpMix.dat")

REFUSALS = [
    (lambda: pheltra.Material(), TypeError,
     "give one of: a library name, a mixture {name: weight}, formula= or weights="),
    (lambda: pheltra.Material("Lead", formula="H2O"), TypeError,
     "give one of: a library name, a mixture {name: weight}, formula= or weights="),
    (lambda: pheltra.Material(3), TypeError,
     "material must be a library name (str) or a mixture {name: weight} (dict), not int"),
    (lambda: pheltra.Material({3: 1}), TypeError, "the parts of a mixture are library names or Materials, not int"),
    (lambda: pheltra.Material({"Lead": "1"}), TypeError, "material must be a number, not str"),
    (lambda: pheltra.Material(formula=b"H2O"), TypeError, "formula must be a str, not bytes"),
    (lambda: pheltra.Material(weights=[1]), TypeError, "weights must be a dict {Z: mass fraction}, not list"),
    (lambda: pheltra.Material(weights={1.5: 1}), TypeError, "weights: an atomic number is a whole number, not 1.5"),
    (lambda: pheltra.Material(formula="H2O", density=[1.0]), TypeError, "density must be a number, not list"),
    (lambda: pheltra.Material("Lead", library=3), TypeError, "library must be a str or a path, not int"),
    (lambda: LEAD.mu("60"), TypeError, "energy must be a number or an array of numbers, not str"),
    (lambda: LEAD.mu([60, "x"]), TypeError, "energy must be a number or an array of numbers, not list of text"),
    (lambda: LEAD.mu(True), TypeError, "energy must be a number or an array of numbers, not bool"),
    (lambda: LEAD.mu(None), TypeError, "energy must be a number or an array of numbers, not NoneType"),
    (lambda: LEAD.mu(60, kind=1), TypeError, "kind must be a str, not int"),
    (lambda: LEAD.mu(60, kind="mu_en", type="mu"), TypeError, "give kind= or type=, not both"),
    (lambda: LEAD.table(60, kinds="mu"), TypeError, "kinds must be a list of str, not str"),
    (lambda: pheltra.element(True), TypeError, "element must be an atomic number or a symbol, not bool"),
    (lambda: pheltra.element(8.0), TypeError, "element must be an atomic number or a symbol, not float"),
    (lambda: LEAD.mu(float("nan")), ValueError, "energy must be finite, not nan"),
    (lambda: LEAD.mu([60, np.inf]), ValueError, "energy must be finite, not inf"),
    (lambda: LEAD.transmission(-0.1, 60), ValueError, "thickness must not be negative, not -0.1"),
    (lambda: LEAD.transmission([0.1, np.nan], 60), ValueError, "thickness must be finite, not nan"),
    (lambda: LEAD.thickness_for(0, 60), ValueError, "transmission must lie above 0 and at most 1, not 0"),
    (lambda: LEAD.thickness_for(2, 60), ValueError, "transmission must lie above 0 and at most 1, not 2"),
    (lambda: LEAD.transmission([1, 2], [10, 20, 30]), ValueError,
     "thickness and energy do not broadcast together: shapes (2,) and (3,)"),
    (lambda: pheltra.Material("Le\0ad"), ValueError, "material: unknown absorber 'Le\0ad'"),
    (lambda: pheltra.Material({}), ValueError, "material: an empty mixture"),
    (lambda: LEAD.table(60, kinds=["mu_coh"], source="H"), ValueError,
     "kind: source H does not offer 'attenuation-Rayleigh'; it offers: (none), attenuation-total, "
     "energy absorption-total; by short name: mu, mu_en"),
]


@pytest.mark.parametrize("call, kind, text", REFUSALS)
def test_refusals(call, kind, text):
    with pytest.raises(Exception) as error:
        call()
    assert (type(error.value), str(error.value)) == (kind, text)


# What the batch tool refuses, the package refuses: no NaN in its place.
@pytest.mark.parametrize("call, arguments", [
    (lambda: LEAD.transmission(-0.01, 60), ["slab", "--absorber", "Lead", "--thickness", "-0.01cm", "60"]),
    (lambda: LEAD.thickness_for(2, 60), ["slab", "--absorber", "Lead", "--transmission", "2", "60"]),
    (lambda: LEAD.mu(np.inf), ["mu", "--absorber", "Lead", "inf"]),
])
def test_the_batch_tools_refusals_are_kept(call, arguments):
    tool = subprocess.run([os.environ["PHELTRA_CLI"], *arguments], capture_output=True, text=True, check=False)
    assert tool.returncode == 2
    with pytest.raises(ValueError):
        call()


@pytest.mark.parametrize("energy", [np.int64(60), np.float32(60), np.array(60.0), np.array(60, dtype=np.uint8), 60])
@pytest.mark.parametrize("density", [np.float64(2.5), np.int32(2) + 0.5, np.array(2.5)])
def test_numpy_numbers_count_as_numbers(energy, density):
    material = pheltra.Material(weights={np.int64(1): 0.5, 8: np.float32(0.5)}, density=density)
    got = material.mu_linear(energy)
    assert isinstance(got, float)
    assert got == pheltra.Material(weights={1: 0.5, 8: 0.5}, density=2.5).mu_linear(60.0)


def test_short_names_and_the_windows_texts_are_one_kind():
    energies = np.geomspace(1, 20000, 50)
    assert len(pheltra.kinds()) == len(pheltra.types()) - 1 == 14
    for short, text in zip(pheltra.kinds(), pheltra.types()[1:]):
        assert np.array_equal(LEAD.mu(energies, short), LEAD.mu(energies, type=text), equal_nan=True)


def test_table_is_a_dict_of_the_coefficients():
    energies = [10, 88.0045, 500]
    table = LEAD.table(energies, source="H")
    assert list(table) == ["energy", *pheltra.kinds("H")]
    assert np.array_equal(table["energy"], energies)
    for kind in pheltra.kinds("H"):
        assert np.array_equal(table[kind], LEAD.mu(energies, kind, "H"))


LONG_CALL = """
import sys, numpy as np, pheltra
lead = pheltra.Material("Lead", library=sys.argv[1])
energies = np.full(20_000_000, 60.0)
print("started", flush=True)
lead.mu(energies)
print("finished", flush=True)
"""


def test_ctrl_c_stops_a_long_call():
    child = subprocess.Popen([sys.executable, "-c", LONG_CALL, "CmpMix.dat"], stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, text=True)
    assert child.stdout.readline() == "started\n"
    time.sleep(0.5)
    child.send_signal(signal.SIGINT)
    sent = time.monotonic()
    out, err = child.communicate(timeout=60)
    # Twenty million energies take seconds; the call stops long before.
    assert time.monotonic() - sent < 2.0
    assert "finished" not in out and err.rstrip().endswith("KeyboardInterrupt")
