"""Chemical formulas of the library's compounds, and their check.

The program shows an entry's formula as a text and never reads it; the
composition always comes from the entry's weight fractions. So that a formula
cannot contradict the composition beside it, formula_fractions() works out the
mass fractions a formula implies, and gen_cmpmix.py refuses to write an entry
whose formula does not match its weights.

Only compounds with a definite stoichiometry have a formula: molecules in Hill
order (C first, then H, then the rest alphabetically), inorganic compounds as
chemists write them (CaSO4, Li2B4O7), polymers as their repeat unit (C2H4)n,
hydrates with a middle dot. Mixtures, tissues, glasses, resins, copolymers and
materials of variable composition (cellulose nitrate, ethyl cellulose, paraffin
wax) have none. So has terphenyl: its NIST composition (H 0.044543, C 0.955457)
is that of C18H10, not of terphenyl, C18H14, and a formula must not contradict
the weights the program computes with.
"""

import re

HYDRATE_DOT = "\u00b7"

# Keyed by the entry's name as the library ships it.
FORMULAS = {
    # Molecules
    "Acetone": "C3H6O",
    "Acetylene": "C2H2",
    "Adenine": "C5H5N5",
    "Alanine": "C3H7NO2",
    "Ammonia": "NH3",
    "Aniline": "C6H7N",
    "Anthracene": "C14H10",
    "Benzene": "C6H6",
    "Butane": "C4H10",
    "N-Butyl Alcohol": "C4H10O",
    "Carbon Dioxide": "CO2",
    "Carbon Tetrachloride": "CCl4",
    "Chlorobenzene": "C6H5Cl",
    "Chloroform": "CHCl3",
    "Cyclohexane": "C6H12",
    "1,2-Dichlorobenzene": "C6H4Cl2",
    "Dichlorodiethyl Ether": "C4H8Cl2O",
    "1,2-Dichloroethane": "C2H4Cl2",
    "Diethyl Ether": "C4H10O",
    "N,N-Dimethyl Formamide": "C3H7NO",
    "Dimethyl Sulfoxide": "C2H6OS",
    "Ethane": "C2H6",
    "Ethyl Alcohol": "C2H6O",
    "Ethylene": "C2H4",
    "Freon-12": "CCl2F2",
    "Freon-12B2": "CBr2F2",
    "Freon-13": "CClF3",
    "Freon-13B1": "CBrF3",
    "Freon-13I1": "CF3I",
    "Glucose": "C6H12O6" + HYDRATE_DOT + "H2O",  # the monohydrate, as NIST composes it
    "Glutamine": "C5H10N2O3",
    "Glycerol": "C3H8O3",
    "Guanine": "C5H5N5O",
    "N-Heptane": "C7H16",
    "N-Hexane": "C6H14",
    "Methane": "CH4",
    "Methanol": "CH4O",
    "Naphthalene": "C10H8",
    "Nitrobenzene": "C6H5NO2",
    "Nitrous Oxide": "N2O",
    "Octane, Liquid": "C8H18",
    "N-Pentane": "C5H12",
    "Propane": "C3H8",
    "Propane, Liquid": "C3H8",
    "N-Propyl Alcohol": "C3H8O",
    "Pyridine": "C5H5N",
    "Stilbene": "C14H12",
    "Sucrose": "C12H22O11",
    "Tetrachloroethylene": "C2Cl4",
    "Toluene": "C7H8",
    "Trichloroethylene": "C2HCl3",
    "Triethyl Phosphate": "C6H15O4P",
    "Urea": "CH4N2O",
    "Valine": "C5H11NO2",
    "Water, Liquid": "H2O",
    "Water Vapor": "H2O",
    "Xylene": "C8H10",
    # Inorganic compounds
    "Aluminum Oxide": "Al2O3",
    "Barium Fluoride": "BaF2",
    "Barium Sulfate": "BaSO4",
    "Beryllium oxide": "BeO",
    "Bismuth Germanium oxide": "Bi4Ge3O12",
    "Boron Carbide": "B4C",
    "Boron Oxide": "B2O3",
    "Cadmium Telluride": "CdTe",
    "Cadmium Tungstate": "CdWO4",
    "Calcium Carbonate": "CaCO3",
    "Calcium Fluoride": "CaF2",
    "Calcium Oxide": "CaO",
    "Calcium Sulfate": "CaSO4",
    "Calcium Tungstate": "CaWO4",
    "Cesium Fluoride": "CsF",
    "Cesium Iodide": "CsI",
    "Ferric Oxide": "Fe2O3",
    "Ferroboride": "FeB",
    "Ferrous Oxide": "FeO",
    "Gadolinium Oxysulfide": "Gd2O2S",
    "Gallium Arsenide": "GaAs",
    "Gypsum, Plaster of Paris": "CaSO4" + HYDRATE_DOT + "2H2O",
    "Lanthanum Oxybromide": "LaOBr",
    "Lanthanum Oxysulfide": "La2O2S",
    "Lead Oxide": "PbO",
    "Lithium Amide": "LiNH2",
    "Lithium Carbonate": "Li2CO3",
    "Lithium Fluoride": "LiF",
    "Lithium Hydride": "LiH",
    "Lithium Iodide": "LiI",
    "Lithium Oxide": "Li2O",
    "Lithium Tetraborate": "Li2B4O7",
    "Magnesium Carbonate": "MgCO3",
    "Magnesium Fluoride": "MgF2",
    "Magnesium Oxide": "MgO",
    "Magnesium Tetraborate": "MgB4O7",
    "Mercuric Iodide": "HgI2",
    "Plutonium Dioxide": "PuO2",
    "Potassium Iodide": "KI",
    "Potassium Oxide": "K2O",
    "Silicon Dioxide": "SiO2",
    "Silver Bromide": "AgBr",
    "Silver Chloride": "AgCl",
    "Silver Iodide": "AgI",
    "Sodium Carbonate": "Na2CO3",
    "Sodium Iodide": "NaI",
    "Sodium Monoxide": "Na2O",
    "Sodium Nitrate": "NaNO3",
    "Thallium Chloride": "TlCl",
    "Titanium Dioxide": "TiO2",
    "Tungsten Hexafluoride": "WF6",
    "Uranium Dicarbide": "UC2",
    "Uranium Monocarbide": "UC",
    "Uranium Oxide": "UO2",
    # Polymers, by their repeat unit
    "Cellulose Acetate, Cellophane": "(C6H10O5)n",  # NIST composes it as cellulose
    "Kapton Polyimide Film": "(C22H10N2O5)n",
    "Nylon, type 6 and type 6/6": "(C6H11NO)n",
    "Nylon, type 6/10": "(C16H30N2O2)n",
    "Nylon, type 11 (Rilsan)": "(C11H21NO)n",
    "Polyacrylonitrile": "(C3H3N)n",
    "Polycarbonate (Makrolon, Lexan)": "(C16H14O3)n",
    "Polyethylene": "(C2H4)n",
    "Polyethylene Terephthalate (Mylar)": "(C10H8O4)n",
    "Polyethylene Terephthalate, (Mylar)": "(C10H8O4)n",
    "Polymethyl Methacrylate": "(C5H8O2)n",
    "Polymethyl Methacrylate (Lucite, Perspex)": "(C5H8O2)n",
    "Polyoxymethylene": "(CH2O)n",
    "Polypropylene": "(C3H6)n",
    "Polystyrene": "(C8H8)n",
    "Polytetrafluoroethylene (Teflon)": "(C2F4)n",
    "Polytetrafluoroethylene, (Teflon)": "(C2F4)n",
    "Polytrifluorochloroethylene": "(C2ClF3)n",
    "Polyvinyl Acetate": "(C4H6O2)n",
    "Polyvinyl Alcohol": "(C2H4O)n",
    "Polyvinyl Chloride": "(C2H3Cl)n",
    "Polyvinylidene Chloride, Saran": "(C2H2Cl2)n",
    "Polyvinylidene Fluoride": "(C2H2F2)n",
    "Polyvinyl Pyrrolidone": "(C6H9NO)n",
    "Rubber, Butyl": "(C4H8)n",
    "Rubber, Natural": "(C5H8)n",
    "Rubber, Neoprene": "(C4H5Cl)n",
}

_TOKEN = re.compile(r"([A-Z][a-z]?|\(|\)|\d+|n)")


def _count(tokens, position):
    """The multiplier after a symbol or group: digits, n (a repeat unit,
    counted once) or nothing (1)."""
    if position < len(tokens) and tokens[position].isdigit():
        return int(tokens[position]), position + 1
    if position < len(tokens) and tokens[position] == "n":
        return 1, position + 1
    return 1, position


def _atoms(part, formula):
    """Atoms of one part of a formula (no hydrate dot) by symbol."""
    tokens = _TOKEN.findall(part)
    if "".join(tokens) != part:
        raise ValueError(f"formula {formula!r}: cannot read {part!r}")
    stack = [{}]
    position = 0
    while position < len(tokens):
        token = tokens[position]
        position += 1
        if token == "(":
            stack.append({})
        elif token == ")":
            if len(stack) == 1:
                raise ValueError(f"formula {formula!r}: unbalanced ')'")
            group = stack.pop()
            factor, position = _count(tokens, position)
            for symbol, count in group.items():
                stack[-1][symbol] = stack[-1].get(symbol, 0) + count * factor
        elif token[0].isupper():
            factor, position = _count(tokens, position)
            stack[-1][token] = stack[-1].get(token, 0) + factor
        else:
            raise ValueError(f"formula {formula!r}: {token!r} stands where no count belongs")
    if len(stack) != 1 or not stack[0]:
        raise ValueError(f"formula {formula!r}: unbalanced '(' or no element")
    return stack[0]


def formula_fractions(formula, atomic_weights):
    """Mass fraction of each element (by symbol) that a formula implies;
    atomic_weights maps symbols to g/mol."""
    atoms = {}
    for part in formula.split(HYDRATE_DOT):
        digits = re.match(r"\d*", part).group()
        for symbol, count in _atoms(part[len(digits):], formula).items():
            atoms[symbol] = atoms.get(symbol, 0) + count * (int(digits) if digits else 1)
    unknown = sorted(set(atoms) - set(atomic_weights))
    if unknown:
        raise ValueError(f"formula {formula!r}: no element {', '.join(unknown)}")
    masses = {symbol: count * atomic_weights[symbol] for symbol, count in atoms.items()}
    total = sum(masses.values())
    return {symbol: mass / total for symbol, mass in masses.items()}


def check_formula(name, formula, fractions, atomic_weights, tolerance):
    """Raises ValueError unless the formula implies the given mass fractions
    (by symbol) within tolerance, element by element."""
    implied = formula_fractions(formula, atomic_weights)
    if set(implied) != set(fractions):
        raise ValueError(f"{name}: formula {formula} has the elements {sorted(implied)}, "
                         f"the composition {sorted(fractions)}")
    for symbol, fraction in fractions.items():
        if abs(implied[symbol] - fraction) > tolerance:
            raise ValueError(f"{name}: formula {formula} gives {symbol} {implied[symbol]:.6f}, "
                             f"the composition {fraction:.6f}")
