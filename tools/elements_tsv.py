"""Reader of data/sources/elements.tsv, the per-element reference table.

One row per element Z = 1..99: symbol, name, atomic weight (g/mol), density
(g/cm3) and mean excitation energy (eV). The numbers are kept as the text that
stands in the file, so generated sources carry exactly the cited digits.
Everything the program relies on is checked here, before any file is written.
"""

import pathlib
from dataclasses import dataclass

ELEMENT_COUNT = 99
SOURCE = pathlib.Path("data/sources/elements.tsv")


@dataclass(frozen=True)
class Element:
    z: int
    symbol: str
    name: str
    atomic_weight: str
    density: str
    excitation_energy: str


def _check_number(text, what, z):
    value = float(text)
    if not value > 0:
        raise ValueError(f"Z={z}: {what} {text!r} is not positive")
    if not all(c.isdigit() or c == "." for c in text):
        raise ValueError(f"Z={z}: {what} {text!r} is not a plain decimal")


def read_elements(top):
    elements = []
    for line in (top / SOURCE).read_text(encoding="ascii").splitlines():
        if not line or line.startswith("#"):
            continue
        z, symbol, name, weight, density, excitation = line.split("\t")
        element = Element(int(z), symbol, name, weight, density, excitation)
        if element.z != len(elements) + 1:
            raise ValueError(f"row for Z={element.z} out of order")
        if not (1 <= len(symbol) <= 2 and symbol.isalpha() and symbol.isascii()
                and symbol[0].isupper()):
            raise ValueError(f"Z={element.z}: symbol {symbol!r} is not 1-2 letters")
        if not name.isascii() or not name.isalpha():
            raise ValueError(f"Z={element.z}: name {name!r} is not a plain word")
        _check_number(weight, "atomic weight", element.z)
        _check_number(density, "density", element.z)
        _check_number(excitation, "excitation energy", element.z)
        elements.append(element)
    if len(elements) != ELEMENT_COUNT:
        raise ValueError(f"{len(elements)} elements instead of {ELEMENT_COUNT}")
    if len({e.symbol.upper() for e in elements}) != ELEMENT_COUNT:
        raise ValueError("symbols are not unique regardless of case")
    return elements
