"""The layering check on a small tree of its own: each wrong-way include is
named by file and line, and a tree that keeps its layers passes."""
import os
import subprocess
import sys
import tempfile

CHECK = os.path.join(os.path.dirname(__file__), "..", "..", "tools", "layers", "check_layers.py")
LAYERS = """# bottom up
low
mid mid2
high
free: tools
tests: tests
support: tests/support
"""
GOOD = {
    "low/a.h": "",
    "mid/b.h": '#include "low/a.h"\n#include "b_detail.h"\n',
    "high/c.cpp": '#include "mid/b.h"\n#include <vector>\n#include "pybind11/x.h"\n',
    "tools/t.cpp": '#include "high/c.cpp"\n',
    "tests/support/s.h": '#include "high/c.cpp"\n',
    "tests/mid/t.cpp": '#include "mid/b.h"\n#include "tests/low/u.h"\n#include "tests/support/s.h"\n',
    "tests/low/u.h": '#include "low/a.h"\n',
}
# Each wrong-way include and the line the check must name.
BAD = [
    ("low/a.h", '#include "mid/b.h"\n', "low/a.h:1:"),
    ("mid/b.h", '#include "low/a.h"\n  # include "mid2/d.h"\n', "mid/b.h:2:"),
    ("mid/b.h", '#include "tools/t.cpp"\n', "mid/b.h:1:"),
    ("low/a.h", '#include "tests/support/s.h"\n', "low/a.h:1:"),
    ("tests/low/u.h", '#include "high/c.cpp"\n', "tests/low/u.h:1:"),
    ("tests/low/u.h", '#include "tests/mid/t.cpp"\n', "tests/low/u.h:1:"),
    ("odd/x.h", '#include "low/a.h"\n', "odd/x.h:1:"),
]


def run(files):
    with tempfile.TemporaryDirectory() as tree:
        with open(os.path.join(tree, "layers.txt"), "w") as f:
            f.write(LAYERS)
        for path, text in files.items():
            os.makedirs(os.path.join(tree, os.path.dirname(path)), exist_ok=True)
            with open(os.path.join(tree, path), "w") as f:
                f.write(text)
        return subprocess.run([sys.executable, CHECK, tree], capture_output=True, text=True, check=False)


def main():
    failures = 0
    good = run(GOOD)
    if good.returncode != 0:
        print("a tree that keeps its layers failed:\n" + good.stdout)
        failures += 1
    for path, text, named in BAD:
        result = run({**GOOD, path: text})
        if result.returncode != 1 or not any(line.startswith(named) for line in result.stdout.splitlines()):
            print(f"{path} with {text!r}: expected a fault at {named}, got {result.returncode}:\n{result.stdout}")
            failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
