"""The pheltra module against pheltra-cli (the same numbers, bit for bit, and
the same refusals), formula materials against library entries, and the slab
relations. Run by ctest with PYTHONPATH at the built module and PHELTRA_CLI,
PHELTRA_SOURCE_DIR set."""
import math
import os
import pathlib
import subprocess

import numpy as np
import pytest

import pheltra

CLI = os.environ["PHELTRA_CLI"]
SOURCE_DIR = pathlib.Path(os.environ["PHELTRA_SOURCE_DIR"])
ENERGIES = [1.0, 1.5, 10.0, 13.0352, 13.0342, 30.0, 60.0, 88.0045, 100.0, 511.0, 1250.0, 20000.0, 0.5, 30000.0]


def cli(*arguments, status=0):
    result = subprocess.run([CLI, *arguments], capture_output=True, text=True, check=False)
    assert result.returncode == status, result.stderr
    return result


def cli_numbers(text):
    return [[math.nan if f == "--" else float(f) for f in line.split("\t")] for line in text.splitlines()]


def same(a, b):
    """Equal bit for bit, NaN matching NaN."""
    return np.array_equal(np.asarray(a, dtype=float), np.asarray(b, dtype=float), equal_nan=True)


MATERIALS = [
    (lambda: pheltra.Material("Tissue, Soft (ICRP)"), ["--absorber", "Tissue, Soft (ICRP)"]),
    (lambda: pheltra.Material({"Lead": 1, "water, liquid": 3}), ["--absorber", "Lead:1", "--absorber", "water, liquid:3"]),
    (lambda: pheltra.Material(formula="Ca10(PO4)6(OH)2", density=3.16),
     ["--formula", "Ca10(PO4)6(OH)2", "--density", "3.16"]),
    (lambda: pheltra.Material({"Lead": 1, pheltra.Material(formula="C2H4"): 3}, density=1.2),
     ["--absorber", "Lead:1", "--formula", "C2H4:3", "--density", "1.2"]),
]


@pytest.mark.parametrize("make, options", MATERIALS)
@pytest.mark.parametrize("source, kind", [("B", "attenuation-total"), ("B", "energy absorption-Compton"),
                                          ("B", "attenuation-pair"), ("H", "energy absorption-total")])
def test_mu_is_the_batch_tools_value(make, options, source, kind):
    rows = cli_numbers(cli("mu", *options, "--source", source, "--type", kind, *map(repr, ENERGIES)).stdout)
    expected = {row[0]: row[1] for row in rows}
    got = make().mu(np.array(ENERGIES), type=kind, source=source)
    assert same(got, [expected[e] for e in ENERGIES])


@pytest.mark.parametrize("make, options", MATERIALS)
def test_slab_quantities_are_the_batch_tools(make, options):
    energies = [10.0, 60.0, 662.0, 0.5]
    out = cli("slab", *options, "--thickness", "0.2cm", "--transmission", "0.05", *map(repr, energies)).stdout
    assert out.startswith("# narrow-beam values without build-up")
    rows = np.array(cli_numbers("\n".join(out.splitlines()[2:])))
    m = make()
    assert same(rows[:, 1], m.mu(energies))
    assert same(rows[:, 2], m.mu_linear(energies))
    assert same(rows[:, 3], m.mean_free_path(energies))
    assert same(rows[:, 4], m.hvl(energies))
    assert same(rows[:, 5], m.tvl(energies))
    assert same(rows[:, 6], m.transmission(0.2, energies))
    assert same(rows[:, 7], m.thickness_for(0.05, energies))


def test_formula_water_is_the_librarys_water():
    formula = pheltra.Material(formula="H2O", density=1.0)
    library = pheltra.Material("Water, Liquid")
    assert formula.composition.keys() == library.composition.keys() == {1, 8}
    for z in (1, 8):
        assert abs(formula.composition[z] - library.composition[z]) < 1e-5
    assert formula.density == library.density == 1.0
    assert formula.electrons_per_gram == pytest.approx(library.electrons_per_gram, rel=1e-5)
    assert formula.effective_z == pytest.approx(library.effective_z, rel=1e-5)
    assert np.allclose(formula.mu([10, 100, 1000]), library.mu([10, 100, 1000]), rtol=2e-5)


def test_weights_material_has_the_programs_figures():
    water = pheltra.Material(weights={1: 0.111898, 8: 0.888102}, density=1.0)
    assert water.composition[1] == pytest.approx(0.111898, abs=1e-7)
    assert water.electrons_per_gram == pytest.approx(3.3428e23, rel=1e-4)
    assert water.electrons_per_cm3 == pytest.approx(3.3428e23, rel=1e-4)
    assert water.effective_z == pytest.approx(7.506, abs=1e-3)
    # A material without a density has none, and no electrons per cm3.
    loose = pheltra.Material(formula="H2O")
    assert loose.density is None and loose.electrons_per_cm3 is None


def test_slab_relations():
    lead = pheltra.Material("Lead")
    energies = np.geomspace(20, 2000, 7)
    hvl = lead.hvl(energies)
    assert np.allclose(hvl, math.log(2) / lead.mu_linear(energies), rtol=1e-15)
    assert np.allclose(lead.transmission(hvl, energies), 0.5, rtol=1e-14)
    assert np.allclose(lead.transmission(lead.tvl(energies), energies), 0.1, rtol=1e-14)
    assert np.allclose(lead.thickness_for(0.5, energies), hvl, rtol=1e-14)
    assert lead.transmission(0.0, 60.0) == 1.0 and lead.thickness_for(1.0, 60.0) == 0.0
    # Shapes: a scalar gives a float, arrays broadcast.
    assert isinstance(lead.mu(60.0), float)
    assert lead.mu(np.ones((2, 3)) * 60).shape == (2, 3)
    assert lead.transmission([[0.01], [0.1]], [60, 100, 200]).shape == (2, 3)


def cli_message(*arguments):
    return cli(*arguments, status=2).stderr.strip().removeprefix("pheltra-cli: ")


# The batch tool's words after the name of the Python argument at fault.
@pytest.mark.parametrize("call, argument, arguments", [
    (lambda: pheltra.Material("Unobtainium"), "material", ["mu", "--absorber", "Unobtainium", "10"]),
    (lambda: pheltra.Material({"Lead": 0}), "material", ["mu", "--absorber", "Lead:0", "10"]),
    (lambda: pheltra.Material("Lead").mu(10, type="energy transfer"), "kind",
     ["mu", "--absorber", "Lead", "--type", "energy transfer", "10"]),
    (lambda: pheltra.Material("Lead").mu(10, source="X"), "source",
     ["mu", "--absorber", "Lead", "--source", "X", "10"]),
    (lambda: pheltra.Material("Lead").mu(10, kind="mu_coh", source="H"), "kind",
     ["mu", "--absorber", "Lead", "--type", "attenuation-Rayleigh", "--source", "H", "10"]),
    (lambda: pheltra.element("Xq"), "element", ["element", "Xq"]),
    (lambda: pheltra.edges(100), "element", ["element", "100"]),
])
def test_refusals_say_what_the_batch_tool_says(call, argument, arguments):
    with pytest.raises(ValueError) as error:
        call()
    assert str(error.value) == f"{argument}: {cli_message(*arguments)}"


# Where the batch tool names its option, Python names the argument: no
# message of the batch tool reaches a Python user.
@pytest.mark.parametrize("call, python_text, arguments, cli_text", [
    (lambda: pheltra.Material(formula="Ca(OH)2)"), "formula 'Ca(OH)2)': unbalanced ')' at 8",
     ["mu", "--formula", "Ca(OH)2)", "10"], "--formula 'Ca(OH)2)': unbalanced ')' at 8"),
    (lambda: pheltra.Material(formula="H2O", density=-1), "density must lie between 1e-30 and 1000 g/cm3",
     ["mu", "--formula", "H2O", "--density", "-1", "10"], "--density must lie between 1e-30 and 1000 g/cm3"),
    (lambda: pheltra.Material(formula="H2O", density=1e-40), "density must lie between 1e-30 and 1000 g/cm3",
     ["mu", "--formula", "H2O", "--density", "1e-4000", "10"], "--density must lie between 1e-30 and 1000 g/cm3"),
    (lambda: pheltra.Material(formula="H2O").hvl(10), "the material has no density; give one with density= (g/cm3)",
     ["slab", "--formula", "H2O", "10"], "the material has no density; give one with --density (g/cm3)"),
])
def test_refusals_name_the_argument_where_the_batch_tool_names_its_option(call, python_text, arguments, cli_text):
    with pytest.raises(ValueError) as error:
        call()
    assert str(error.value) == python_text
    assert cli_message(*arguments) == cli_text


@pytest.mark.parametrize("call", [
    lambda: pheltra.Material(formula="H2O", density=-1),
    lambda: pheltra.Material(formula="H2O", density=1e9),
    lambda: pheltra.Material(formula="H2Xx"),
    lambda: pheltra.Material(formula="H2O:0"),
    lambda: pheltra.Material(weights={1: 0.5}),
    lambda: pheltra.Material("Lead").mu("ten"),
    lambda: pheltra.Material("Lead").mu([1.0, "x"]),
    lambda: pheltra.Material("Lead").mu(10, type="mu_nothing"),
    lambda: pheltra.Material("Lead").mu(10, source="Z"),
])
def test_no_refusal_speaks_of_options(call):
    with pytest.raises((ValueError, TypeError)) as error:
        call()
    assert "--" not in str(error.value)


def test_other_refusals():
    for call in (lambda: pheltra.Material(weights={1: 11.19, 8: 88.81}),
                 lambda: pheltra.Material(weights={120: 1.0}),
                 lambda: pheltra.Material({f"Lead": 1, "Carbon": 1, "Iron": 1, "Copper": 1, "Tin": 1, "Gold": 1,
                                           "Silver": 1}),
                 lambda: pheltra.library("no such file.dat"),
                 lambda: pheltra.Material({}),
                 lambda: pheltra.Material({pheltra.Material("Lead", density=5.0): 1, "Carbon": 1})):
        with pytest.raises(ValueError):
            call()


def test_mixtures_keep_the_densities_of_their_parts():
    # A formula given a density mixes like a library entry with that density:
    # the mixture's density is the weight-averaged harmonic mean.
    gypsum = pheltra.Material(formula="CaSO4*2H2O", density=2.32)
    mixture = pheltra.Material({gypsum: 1, "Water, Liquid": 1})
    assert mixture.density == pytest.approx(2 / (1 / 2.32 + 1 / 1.0), rel=1e-7)
    assert mixture.parts == [("CaSO4*2H2O", 1.0), ("Water, Liquid", 1.0)]
    # A mixture used as a part counts with its own relative weights.
    inner = pheltra.Material({"Lead": 1, "Carbon": 3})
    nested = pheltra.Material({inner: 2, "Iron": 2})
    flat = pheltra.Material({"Lead": 0.5, "Carbon": 1.5, "Iron": 2})
    assert same(nested.mu(ENERGIES), flat.mu(ENERGIES))


def test_library_entries_and_lists():
    columns = pheltra.library()
    assert len(columns["name"]) == len(cli("library").stdout.splitlines()) - 1
    assert {len(values) for values in columns.values()} == {len(columns["name"])}
    entries = [dict(zip(columns, row)) for row in zip(*columns.values())]
    water = next(e for e in entries if e["name"] == "Water, Liquid")
    assert water["density"] == 1.0
    assert water["composition"] == pytest.approx({1: 0.111898, 8: 0.888102})
    assert next(e for e in entries if e["name"] == "Hydrogen")["formula"] == "H"
    assert pheltra.types()[1] == "attenuation-total" and len(pheltra.types()) == 15
    lead = pheltra.Material("Lead")
    assert same(lead.mu(ENERGIES, type="MU_EN"), lead.mu(ENERGIES, type="energy absorption-total", source="B"))
    assert list(pheltra.sources()) == ["H", "B"]


def test_library_columns_and_its_warnings(tmp_path):
    columns = pheltra.library()
    assert columns["name"][-1] == columns["name"][len(columns["name"]) - 1]
    assert list(columns["name"][:2]) == sorted(columns["name"][:2])
    # Entries without an element load, with a warning.
    own = tmp_path / "CmpMix.dat"
    own.write_bytes(b"t\r\nVoid;;;;;;;;-1;1\r\nAir;;;;;;;;7;1\r\n")
    with pytest.warns(UserWarning, match="1 entry has no element"):
        assert len(pheltra.library(str(own))["name"]) == 2


def test_the_user_library_is_read_unless_left_out(tmp_path):
    folder = tmp_path / "data" / "Pheltra"
    folder.mkdir(parents=True)
    (folder / "UserMix.dat").write_bytes(b"mine\r\nBGO;Bi4Ge3O12;;;user library;;;7.13;8;0.154;32;0.175;83;0.671\r\n")
    assert "BGO" in list(pheltra.library()["name"])
    assert "BGO" not in list(pheltra.library(user_library=False)["name"])
    assert pheltra.Material({"BGO": 1, "Lead": 1}).parts == [("BGO", 1.0), ("Lead", 1.0)]
    with pytest.raises(ValueError, match="BGO"):
        pheltra.Material("BGO", user_library=False)


def test_element_is_the_atomic_data_view():
    lead = pheltra.element("pb")
    view = dict(line.split("\t") for line in cli("element", "82", "--locale", "C").stdout.splitlines())
    assert lead["z"] == 82 and lead["symbol"] == view["Symbol:"] and lead["name"] == view["Element:"]
    assert f"{lead['atomic_weight']:.5f}" == view["Atomic Weight:"]
    for label, energy in lead["edges"].items():
        assert (f"{energy:.4f}" if energy else "--") == view[label + ":"]
    assert f"{lead['k_yield']:.4f}" == view["K-Yield:"]
    edges = pheltra.edges(82, source="H")
    assert f"{edges[0]:.4f}" == view["K:"] and edges == sorted(edges, reverse=True)
    assert pheltra.element(1)["edges"]["L1"] is None


def test_version_is_the_batch_tools():
    """The module's version is the one pheltra-cli --version names."""
    assert cli("--version").stdout.startswith(f"pheltra-cli {pheltra.__version__} (")
