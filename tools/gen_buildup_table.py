#!/usr/bin/python3
"""Generates shielding/ans643_table.cpp, the ANSI/ANS-6.4.3 geometric-progression
build-up coefficients the program compiles in, from
data/sources/ans643_gp_coefficients.tsv and data/sources/ans643_compositions.tsv
(see data/sources/ans643.provenance.md).

What the generator does with the rows the note column flags:
- PLACEHOLDER rows (lead and uranium at 15 and 20 keV, the 30 keV set repeated
  by DLC-129) are not data of the standard and are left out: those two tables
  start at 30 keV.
- "last energy BELOW K edge (E keV)" and "first energy ABOVE K edge (E keV)"
  mark the two rows around an edge; the edge energy is kept with the table, so
  the lookup never interpolates across it. Both marks must name the same edge
  and stand on neighbouring rows.
- Air is one table listed under both responses: the two must be equal.
- A SUSPECT row (water, energy absorption, 60 keV: its d reproduces the
  report's table only to 12-26 % beyond 25 mfp) keeps its printed numbers and
  is marked, so that every result it enters says so.
- Every other flag (corrected signs, values read from the page image, the
  DLC-129 differences, the smudged digit, K-edge detail energies) leaves the
  row's numbers as the file has them.

Numbers are written as the decimal text of the source (energies shifted from
MeV to keV exactly), so the compiler stores the double nearest to the value
as printed.
"""

import re
import sys
from decimal import Decimal

from generated_file import TOP, parse_arguments, write_or_check

TARGET = "shielding/ans643_table.cpp"
COEFFICIENTS = "data/sources/ans643_gp_coefficients.tsv"
COMPOSITIONS = "data/sources/ans643_compositions.tsv"
COLUMNS = ["material", "Z", "response", "energy_MeV", "b", "c", "a", "Xk", "d", "max_dev_pct", "note"]
COMPOSITION_COLUMNS = ["material", "Z", "element", "mass_fraction", "density_g_cm3"]
RESPONSES = {"EXP": "BuildupResponse::kExposure", "EA": "BuildupResponse::kEnergyAbsorption"}
MATERIAL_COUNT = 26
LOWEST_MEV = Decimal("0.015")
HIGHEST_MEV = Decimal("15")
EDGE_MARK = re.compile(r"(last|first) energy (BELOW|ABOVE) K edge \(([0-9.]+) keV\)")


def _data_lines(path):
    lines = (TOP / path).read_text(encoding="utf-8").splitlines()
    return [line.split("\t") for line in lines if line and not line.startswith("#")]


def _number(text, what):
    if not re.fullmatch(r"-?[0-9]+(\.[0-9]+)?", text):
        raise ValueError(f"{what}: {text!r} is not a plain decimal")
    return Decimal(text)


def _literal(value):
    text = format(value.normalize(), "f")
    return text if "." in text else text + ".0"


class Table:
    def __init__(self, material, z, response):
        self.material, self.z, self.response = material, z, response
        self.rows = []  # (energy keV, [b, c, a, Xk, d], max deviation or None, suspect)
        self.edge_kev = None
        self.rows_below_edge = None


def read_tables():
    lines = _data_lines(COEFFICIENTS)
    if lines[0] != COLUMNS:
        raise ValueError(f"{COEFFICIENTS}: unexpected header {lines[0]}")
    tables = {}
    marks = {}
    for fields in lines[1:]:
        fields += [""] * (len(COLUMNS) - len(fields))
        row = dict(zip(COLUMNS, fields))
        note = row["note"]
        if note.startswith("PLACEHOLDER"):
            continue
        where = f"{COEFFICIENTS} {row['material']} {row['response']} {row['energy_MeV']}"
        key = (row["material"], row["response"])
        if key not in tables:
            z = 0 if row["Z"] == "mix" else int(row["Z"])
            tables[key] = Table(row["material"], z, row["response"])
        table = tables[key]
        energy = _number(row["energy_MeV"], where)
        if table.rows and energy <= table.rows[-1][0] / 1000:
            raise ValueError(f"{where}: energies out of order")
        if not LOWEST_MEV <= energy <= HIGHEST_MEV:
            raise ValueError(f"{where}: outside 15 keV to 15 MeV")
        coefficients = [_number(row[name], where) for name in ("b", "c", "a", "Xk", "d")]
        deviation = _number(row["max_dev_pct"], where) if row["max_dev_pct"] else None
        table.rows.append((energy * 1000, coefficients, deviation, note.startswith("SUSPECT")))
        for side, _, edge in EDGE_MARK.findall(note):
            marks.setdefault(key, {})[side] = (len(table.rows) - 1, Decimal(edge))
    for key, sides in marks.items():
        (below, edge), (above, edge_above) = sides["last"], sides["first"]
        table = tables[key]
        if edge != edge_above or above != below + 1:
            raise ValueError(f"{COEFFICIENTS} {key}: K-edge marks do not bracket one edge")
        if not table.rows[below][0] < edge <= table.rows[above][0]:
            raise ValueError(f"{COEFFICIENTS} {key}: K edge {edge} keV outside its rows")
        table.edge_kev, table.rows_below_edge = edge, above
    if [r[:2] for r in tables[("Air", "EA")].rows] != [r[:2] for r in tables[("Air", "EXP")].rows]:
        raise ValueError(f"{COEFFICIENTS}: air EA and EXP differ")
    materials = list(dict.fromkeys(material for material, _ in tables))
    if len(materials) != MATERIAL_COUNT:
        raise ValueError(f"{COEFFICIENTS}: {len(materials)} materials, expected {MATERIAL_COUNT}")
    return tables, materials


def read_mixtures():
    lines = _data_lines(COMPOSITIONS)
    if lines[0] != COMPOSITION_COLUMNS:
        raise ValueError(f"{COMPOSITIONS}: unexpected header {lines[0]}")
    mixtures = {}
    for material, z, _, fraction, density in lines[1:]:
        where = f"{COMPOSITIONS} {material} Z={z}"
        entry = mixtures.setdefault(material, {"density": _number(density, where), "shares": []})
        entry["shares"].append((int(z), _number(fraction, where)))
    for material, entry in mixtures.items():
        if abs(sum(f for _, f in entry["shares"]) - 1) > Decimal("0.0005"):
            raise ValueError(f"{COMPOSITIONS}: {material} fractions do not sum to 1")
    return mixtures


def generate(tables, materials, mixtures):
    lines = [
        "// Generated by tools/gen_buildup_table.py from data/sources/ans643_gp_coefficients.tsv",
        "// and data/sources/ans643_compositions.tsv (ANSI/ANS-6.4.3-1991; ORNL/RSIC-49, 1988).",
        "// Do not edit: change the source or the generator and run it again (a test checks the",
        "// committed copy).",
        '#include "shielding/ans643_table.h"',
        "",
        "namespace pheltra {",
        "namespace {",
        "",
        "// Energy (keV), b, c, a, Xk, d, the stated maximum deviation of the fit (%; -1 where",
        "// the report's value is illegible), whether the row is flagged as suspect.",
        "const Ans643Row kRows[] = {",
    ]
    table_lines = []
    first = 0
    for material in materials:
        for response in RESPONSES:
            table = tables.get((material, response))
            if table is None:
                continue
            lines.append(f"    // {material}, {response}")
            for energy, coefficients, deviation, suspect in table.rows:
                values = ", ".join(_literal(c) for c in coefficients)
                lines.append(f"    {{{_literal(energy)}, {{{values}}}, "
                             f"{_literal(deviation) if deviation is not None else '-1.0'}, "
                             f"{'true' if suspect else 'false'}}},")
            count = len(table.rows)
            edge = _literal(table.edge_kev) if table.edge_kev else "0.0"
            below = table.rows_below_edge if table.edge_kev else count
            table_lines.append(f'    {{"{material}", {table.z}, {RESPONSES[response]}, '
                               f"{first}, {count}, {edge}, {below}}},")
            first += count
    lines += ["};", "", "// Material, Z (0 for a mixture), response, first row, rows, K edge (keV; 0 for none),",
              "// rows below the edge.", "const Ans643Table kTables[] = {"]
    lines += table_lines
    lines += ["};", "", "// The standard's own compositions of its mixtures other than water (mass fractions).",
              "const Ans643Share kShares[] = {"]
    mixture_lines = []
    first = 0
    for material, entry in mixtures.items():
        for z, fraction in entry["shares"]:
            lines.append(f"    {{{z}, {_literal(fraction)}}}, // {material}")
        mixture_lines.append(f'    {{"{material}", {first}, {len(entry["shares"])}, '
                             f'{_literal(entry["density"])}}},')
        first += len(entry["shares"])
    lines += ["};", "", "const Ans643Mixture kMixtures[] = {"] + mixture_lines + ["};", ""]
    lines += [
        "} // namespace",
        "",
        "std::span<const Ans643Row> Ans643Rows()",
        "{",
        "    return kRows;",
        "}",
        "",
        "std::span<const Ans643Table> Ans643Tables()",
        "{",
        "    return kTables;",
        "}",
        "",
        "std::span<const Ans643Share> Ans643Shares()",
        "{",
        "    return kShares;",
        "}",
        "",
        "std::span<const Ans643Mixture> Ans643Mixtures()",
        "{",
        "    return kMixtures;",
        "}",
        "",
        "} // namespace pheltra",
        "",
    ]
    return "\n".join(lines).encode("ascii")


def main():
    arguments = parse_arguments(__doc__)
    tables, materials = read_tables()
    return write_or_check(TARGET, generate(tables, materials, read_mixtures()), arguments)


if __name__ == "__main__":
    sys.exit(main())
