"""The stubs agree with the compiled module, every docstring says what the
standard asks and its examples run as doctests, and docs/python.md holds the
current API reference and a tour that runs."""
import ast
import doctest
import os
import pathlib
import subprocess
import sys

import numpy as np
import pytest

import pheltra
from pheltra import _core

SOURCE_DIR = pathlib.Path(os.environ["PHELTRA_SOURCE_DIR"])
sys.path.insert(0, str(SOURCE_DIR / "tools"))
import python_api_reference  # noqa: E402

STUB = ast.parse((pathlib.Path(pheltra.__file__).parent / "_core.pyi").read_text())


def stub_parameters(function):
    arguments = function.args
    positional = arguments.posonlyargs + arguments.args
    defaults = [None] * (len(positional) - len(arguments.defaults)) + arguments.defaults
    found = [(a.arg, d) for a, d in zip(positional, defaults) if a.arg != "self"]
    if arguments.kwonlyargs:
        found += [("*", None), *zip((a.arg for a in arguments.kwonlyargs), arguments.kw_defaults)]
    return [(name, None if default is None else ast.unparse(default)) for name, default in found]


def stub_members(body):
    members = {}
    for node in body:
        if isinstance(node, ast.FunctionDef):
            is_property = any(getattr(d, "id", None) == "property" for d in node.decorator_list)
            members[node.name] = "property" if is_property else stub_parameters(node)
        elif isinstance(node, ast.ClassDef):
            members[node.name] = stub_members(node.body)
        elif isinstance(node, ast.AnnAssign):
            members[node.target.id] = "value"
    return members


def module_members(namespace, names):
    members = {}
    for name in names:
        item = getattr(namespace, name)
        if isinstance(item, type):
            own = [n for n in vars(item)
                   if not n.startswith("_") or n == "__init__" and python_api_reference.constructed(item)]
            members[name] = module_members(item, own)
        elif isinstance(namespace.__dict__.get(name), property):
            members[name] = "property"
        elif callable(item):
            members[name] = python_api_reference.parameters(item)
        else:
            members[name] = "value"
    return members


def test_the_stubs_name_what_the_module_holds():
    stubbed = stub_members(STUB.body)
    public = [name for name in dir(_core) if not name.startswith("_")] + ["__version__"]
    assert stubbed == module_members(_core, public)
    assert set(pheltra.__all__) == set(public)


DOCUMENTED = [member for member in python_api_reference.members(pheltra) if not member[0].endswith("__init__")]


@pytest.mark.parametrize("name, item, kind", DOCUMENTED, ids=[member[0] for member in DOCUMENTED])
def test_every_docstring_has_the_sections_and_its_examples_run(name, item, kind):
    text = item.__doc__
    assert "Examples\n--------\n>>> " in text
    if kind in ("function", "method"):
        assert "Returns\n-------\n" in text
    if kind in ("class", "function", "method") and "Parameters" in text:
        assert "Raises\n------\n" in text
    parser = doctest.DocTestParser()
    test = parser.get_doctest(text, {"pheltra": pheltra, "np": np}, name, None, 0)
    runner = doctest.DocTestRunner(optionflags=doctest.ELLIPSIS)
    runner.run(test)
    assert runner.summarize(verbose=False).failed == 0, name


def test_units_are_named():
    assert "keV" in pheltra.Material.mu.__doc__ and "cm²/g" in pheltra.Material.mu.__doc__
    assert "g/cm³" in pheltra.Material.__doc__ and "cm" in pheltra.Material.hvl.__doc__


def test_the_guide_is_current_and_its_tour_runs():
    checked = subprocess.run([sys.executable, str(SOURCE_DIR / "tools/python_api_reference.py"), "--check"],
                             capture_output=True, text=True)
    assert checked.returncode == 0, checked.stderr
    failed, tried = doctest.testfile(str(SOURCE_DIR / "docs/python.md"), module_relative=False,
                                     optionflags=doctest.ELLIPSIS)
    assert tried > 10 and failed == 0
