from ._core import Material as Material
from ._core import Nuclide as Nuclide
from ._core import Shield as Shield
from ._core import Spectrum as Spectrum
from ._core import __version__ as __version__
from ._core import buildup as buildup
from ._core import edges as edges
from ._core import element as element
from ._core import kinds as kinds
from ._core import library as library
from ._core import nuclide as nuclide
from ._core import nuclides as nuclides
from ._core import sources as sources
from ._core import types as types

__all__: list[str]
