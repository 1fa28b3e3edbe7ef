"""Photon interaction coefficients of materials.

The program's materials (compound library entries, mixtures, chemical
formulas, mass fractions) and their coefficients over the same absorber code
and data libraries as the window and the batch tool, NumPy arrays in and out.
Energies are in keV, thicknesses in cm, densities in g/cm³ and mass
coefficients in cm²/g. help(pheltra.Material) starts the tour.
"""

from ._core import Material, __version__, edges, element, kinds, library, sources, types

__all__ = ["Material", "__version__", "edges", "element", "kinds", "library", "sources", "types"]
