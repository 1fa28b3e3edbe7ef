"""Photon interaction coefficients of materials.

The program's materials (compound library entries, mixtures, chemical
formulas, mass fractions) and their coefficients over the same absorber code
and data libraries as the window and the batch tool, NumPy arrays in and out.
Energies are in keV, thicknesses in cm, densities in g/cm³ and mass
coefficients in cm²/g. help(pheltra.Material) starts the tour.
"""

from ._core import (Material, Nuclide, Shield, Spectrum, __version__, buildup, edges, element, kinds, library,
                    nuclide, nuclides, sources, types)

__all__ = ["Material", "Nuclide", "Shield", "Spectrum", "__version__", "buildup", "edges", "element", "kinds",
           "library", "nuclide", "nuclides", "sources", "types"]
