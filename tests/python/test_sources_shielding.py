"""Nuclides, spectra, build-up factors and shields from Python against
pheltra-cli's nuclide, beam, buildup and shield commands (the same numbers
as far as the tool prints them), and their refusals."""
import math
import os
import subprocess

import numpy as np
import pytest

import pheltra


def cli_rows(*arguments):
    """The tool's table without its '#' lines, as {column: [values]}."""
    result = subprocess.run([os.environ["PHELTRA_CLI"], *arguments], capture_output=True, text=True, check=False)
    assert result.returncode == 0, result.stderr
    lines = [line.split("\t") for line in result.stdout.splitlines() if not line.startswith("#")]
    return {name: [row[i] for row in lines[1:]] for i, name in enumerate(lines[0])}


def number(text):
    return math.nan if text == "--" else float(text)


def test_buildup_is_the_batch_tools():
    rows = cli_rows("buildup", "--absorber", "Water, Liquid", "--mfp", "0.5,1,45,120", "1000", "60", "10")
    energies = [float(e) for e in rows["energy_keV"]]
    depths = [float(x) for x in rows["mfp"]]
    got = pheltra.buildup(pheltra.Material("Water, Liquid"), energies, depths)
    assert np.array_equal(got, [number(b) for b in rows["buildup"]], equal_nan=True)
    # Broadcasting: a column of energies against a row of depths.
    grid = pheltra.buildup("Water", [[1000], [60]], [0.5, 1, 45, 120])
    assert np.array_equal(grid.ravel(), got[:8], equal_nan=True)


def test_nuclide_is_the_batch_tools():
    rows = cli_rows("nuclide", "Co-60")
    co = pheltra.nuclide("co 60")
    assert co.energies.tolist() == [float(e) for e in rows["energy_keV"]]
    assert co.yields.tolist() == [float(y) for y in rows["yield_per_decay"]]
    assert co.line_kinds == rows["kind"]
    assert f"{co.gamma_constant():.1f}" == "305.9"
    assert co.gamma_constant(cutoff=2000) == 0.0


def test_beam_quality_is_the_batch_tools():
    rows = cli_rows("beam", "--kv", "80", "--filter", "Aluminum:2.5mm")
    beam = pheltra.Spectrum.tasmip(80).filtered([("Aluminum", 0.25)])
    figures = {"hvl1_mm": beam.hvl1() * 10, "hvl2_mm": beam.hvl2() * 10, "h": beam.h(),
               "mean_energy_keV": beam.mean_energy, "effective_energy_keV": beam.effective_energy(),
               "air_kerma_uGy_per_mAs_at_1m": beam.air_kerma, "mu_en_ratio": beam.mu_en_ratio()}
    for column, value in figures.items():
        assert f"{value:.5g}" == rows[column][0], column
    # A spectrum given as arrays has the same shape-only figures.
    same = pheltra.Spectrum(beam.energy, beam.fluence * 7)
    assert same.hvl1() == pytest.approx(beam.hvl1(), rel=1e-12) and same.air_kerma is None


def test_shield_is_the_batch_tools():
    rows = cli_rows("shield", "--nuclide", "Cs-137", "--layer", "Lead:2cm")
    total = {column: values[-1] for column, values in rows.items()}
    shield = pheltra.Shield([("Lead", 2.0)], nuclide="Cs-137")
    assert [shield.narrow_beam, shield.buildup, shield.broad_beam] == [
        float(total["narrow_beam"]), float(total["buildup"]), float(total["broad_beam"])]
    assert shield.lines["energy"].tolist() == [float(e) for e in rows["line_keV"][:-1]]
    layers = shield.value_layers()
    assert [layers["first_hvl"], layers["first_tvl"]] == [float(total["hvl1_cm"]), float(total["tvl1_cm"])]
    thickness = shield.thickness_for(0.01)
    assert pheltra.Shield([("Lead", thickness)], nuclide="Cs-137").broad_beam == pytest.approx(0.01, rel=1e-3)


@pytest.mark.parametrize("call, kind, text", [
    (lambda: pheltra.nuclide("Tc-98"), ValueError, "name: unknown nuclide 'Tc-98'"),
    (lambda: pheltra.Spectrum.tasmip(20), ValueError,
     "kv: the TASMIP model covers tube voltages from 30 to 140 kV, the range its polynomials were fitted over; "
     "20 kV lies outside"),
    (lambda: pheltra.Spectrum([[30]], [[1]]), ValueError, "energy must be a 1-d array, not 2-d"),
    (lambda: pheltra.Spectrum.tasmip(80).filtered("Lead"), TypeError,
     "layers must be a list of (material, thickness in cm), not str"),
    (lambda: pheltra.Spectrum.tasmip(80).filtered([("Lead", -1)]), ValueError,
     "layers: a thickness must not be negative, not -1"),
    (lambda: pheltra.buildup("Water", 1000, 1, response="dose"), ValueError,
     "response is \"exposure\" or \"energy-absorption\", not 'dose'"),
    (lambda: pheltra.buildup("Water", 1000, np.nan), ValueError, "mfp must be finite, not nan"),
    (lambda: pheltra.Shield([("Lead", 1)]), TypeError, "give the source as energy= or nuclide= (one of them)"),
    (lambda: pheltra.Shield([("Lead", 1)], energy=5), ValueError,
     "layers: 5 keV lies outside the build-up factors of ANSI/ANS-6.4.3 (15 keV to 15 MeV)"),
    (lambda: pheltra.Shield([("Lead", 1)], energy=662).thickness_for(1.5), ValueError,
     "transmission must lie above 0 and at most 1, not 1.5"),
])
def test_refusals(call, kind, text):
    with pytest.raises(Exception) as error:
        call()
    assert (type(error.value), str(error.value)) == (kind, text)
