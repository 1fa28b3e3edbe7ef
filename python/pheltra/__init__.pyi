from ._core import Material as Material
from ._core import __version__ as __version__
from ._core import edges as edges
from ._core import element as element
from ._core import kinds as kinds
from ._core import library as library
from ._core import sources as sources
from ._core import types as types

__all__: list[str]
