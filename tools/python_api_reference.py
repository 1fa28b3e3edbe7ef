#!/usr/bin/python3
"""Writes the API reference of the pheltra Python package into docs/python.md
from the package's docstrings: everything after the reference heading is
generated, everything before it is written by hand. Run with the built
package importable:

    PYTHONPATH=build/release/python tools/python_api_reference.py [--check]

--check (as the tests run it) only compares with the committed file. The
signature reader here serves the stub test as well."""

import inspect
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import generated_file  # noqa: E402

TARGET = "docs/python.md"
HEADING = "## API reference"
NOTE = ("<!-- Generated from the docstrings by tools/python_api_reference.py; "
        "edit the docstrings, not this part. -->")


def _split_top_level(text):
    """text split at the commas outside brackets and quotes."""
    parts, depth, quote, start = [], 0, None, 0
    for i, c in enumerate(text):
        if quote:
            quote = None if c == quote else quote
        elif c in "'\"":
            quote = c
        elif c in "([{":
            depth += 1
        elif c in ")]}":
            depth -= 1
        elif c == "," and depth == 0:
            parts.append(text[start:i].strip())
            start = i + 1
    if text[start:].strip():
        parts.append(text[start:].strip())
    return parts


def parameters(routine):
    """[(name, default text or None)] of a compiled function or method, from
    the signature line that starts its docstring; "*" stands for the start of
    the keyword-only ones. self is left out."""
    line = routine.__doc__.splitlines()[0]
    start = line.index("(")
    depth = 0
    for end in range(start, len(line)):
        depth += {"(": 1, ")": -1}.get(line[end], 0)
        if depth == 0:
            break
    result = []
    for part in _split_top_level(line[start + 1:end]):
        if part == "*":
            result.append(("*", None))
            continue
        name, _, rest = part.partition(":")
        default = rest.partition(" = ")[2] or None
        if name.strip() != "self":
            result.append((name.strip(), default))
    return result


def signature_text(name, routine):
    shown = [n if n == "*" or d is None else f"{n}={d}" for n, d in parameters(routine)]
    return f"{name}({', '.join(shown)})"


def body(docstring, skip_signature):
    """The docstring without pybind11's signature line, and a blank line that
    ends the last example's output for doctest before the closing fence."""
    lines = docstring.splitlines()[1:] if skip_signature else docstring.splitlines()
    return inspect.cleandoc("\n".join(lines)) + "\n"


def constructed(cls):
    """Whether Python code can make the class (pybind11 gives one without a
    constructor an __init__ that only refuses)."""
    return (cls.__init__.__doc__ or "").startswith("__init__(")


def members(package):
    """(qualified name, object, kind) of every documented thing: the
    functions, the classes and their methods and properties, in the order of
    __all__ and then of definition."""
    found = []
    for name in package.__all__:
        item = getattr(package, name)
        if inspect.isclass(item):
            found.append((f"pheltra.{name}", item, "class"))
            for member, value in vars(item).items():
                value = value.__func__ if isinstance(value, staticmethod) else value
                if isinstance(value, property):
                    found.append((f"pheltra.{name}.{member}", value, "property"))
                elif callable(value) and (not member.startswith("_") or member == "__init__" and constructed(item)):
                    found.append((f"pheltra.{name}.{member}", value, "method"))
        elif callable(item):
            found.append((f"pheltra.{name}", item, "function"))
    return found


def reference(package):
    out = [HEADING, "", NOTE, ""]
    for name, item, kind in members(package):
        if kind == "class":
            heading = signature_text(name, item.__init__) if constructed(item) else name
            out += [f"### class {heading}", "", "```text", body(item.__doc__, False), "```", ""]
        elif kind == "property":
            out += [f"#### {name} (property)", "", "```text", body(item.__doc__, False), "```", ""]
        elif name.endswith(".__init__"):
            continue
        else:
            level = "####" if kind == "method" else "###"
            out += [f"{level} {signature_text(name, item)}", "", "```text", body(item.__doc__, True), "```", ""]
    return "\n".join(out)


def main():
    arguments = generated_file.parse_arguments(__doc__.splitlines()[0])
    import pheltra
    path = arguments.output or generated_file.TOP / TARGET
    text = path.read_text(encoding="utf-8") if path.exists() else ""
    written = text.split(HEADING)[0] if HEADING in text else text
    content = written.rstrip("\n") + "\n\n" + reference(pheltra)
    return generated_file.write_or_check(TARGET, content.encode("utf-8"), arguments)


if __name__ == "__main__":
    sys.exit(main())
