# Types of the compiled module pheltra._core, for editors and type checkers.
# tests/python/test_stubs.py checks the names and signatures against the
# module.
import os
from typing import Mapping, Sequence, Union

import numpy as np
import numpy.typing as npt

__version__: str

_Number = Union[float, int, np.integer, np.floating]
_Numbers = Union[_Number, npt.ArrayLike]
_Values = Union[float, npt.NDArray[np.float64]]
_Path = Union[str, os.PathLike[str]]

class Material:
    def __init__(
        self,
        material: Union[str, Mapping[Union[str, Material], _Number], None] = None,
        *,
        formula: Union[str, None] = None,
        weights: Union[Mapping[int, _Number], None] = None,
        density: Union[_Number, None] = None,
        library: Union[_Path, None] = None,
    ) -> None: ...
    @property
    def composition(self) -> dict[int, float]: ...
    @property
    def parts(self) -> list[tuple[str, float]]: ...
    @property
    def density(self) -> Union[float, None]: ...
    @property
    def electrons_per_gram(self) -> float: ...
    @property
    def electrons_per_cm3(self) -> Union[float, None]: ...
    @property
    def effective_z(self) -> float: ...
    def mu(self, energy: _Numbers, kind: str = "mu", source: str = "B", *, type: Union[str, None] = None) -> _Values: ...
    def mu_linear(
        self, energy: _Numbers, kind: str = "mu", source: str = "B", *, type: Union[str, None] = None
    ) -> _Values: ...
    def mean_free_path(
        self, energy: _Numbers, kind: str = "mu", source: str = "B", *, type: Union[str, None] = None
    ) -> _Values: ...
    def hvl(self, energy: _Numbers, kind: str = "mu", source: str = "B", *, type: Union[str, None] = None) -> _Values: ...
    def tvl(self, energy: _Numbers, kind: str = "mu", source: str = "B", *, type: Union[str, None] = None) -> _Values: ...
    def transmission(
        self,
        thickness: _Numbers,
        energy: _Numbers,
        kind: str = "mu",
        source: str = "B",
        *,
        type: Union[str, None] = None,
    ) -> _Values: ...
    def thickness_for(
        self,
        transmission: _Numbers,
        energy: _Numbers,
        kind: str = "mu",
        source: str = "B",
        *,
        type: Union[str, None] = None,
    ) -> _Values: ...
    def table(
        self, energy: _Numbers, kinds: Union[Sequence[str], None] = None, source: str = "B"
    ) -> dict[str, npt.NDArray[np.float64]]: ...

def library(path: Union[_Path, None] = None) -> dict[str, npt.NDArray[np.generic]]: ...
def element(element: Union[int, str]) -> dict[str, object]: ...
def edges(element: Union[int, str], source: str = "B") -> list[float]: ...
def kinds(source: str = "B") -> list[str]: ...
def types() -> list[str]: ...
def sources() -> dict[str, str]: ...
