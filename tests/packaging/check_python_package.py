#!/usr/bin/env python3
"""The Python package as a user installs it, from a copy of the tree (the
files git knows, as a clean checkout holds them):

    check_python_package.py SOURCE_DIR PYTHON

`PYTHON -m venv --system-site-packages` and `pip install
--no-build-isolation`, then, with the copy removed, the package imported from
an empty folder: its version, its compound library (its own copy, or the
working folder's CmpMix.dat), its data libraries found beside the module
only, its stubs and py.typed. Then `PYTHON -m build --no-isolation` makes a
source distribution and a wheel from a second copy, and the wheel holds the
same files. ccache, when there is one, is shared across copies through
CCACHE_BASEDIR. Exit status 0 when everything holds, 77 when the source is
no git checkout."""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)
    return condition


def copy_tree(source_dir, target):
    listed = subprocess.run(["git", "-C", source_dir, "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            capture_output=True, check=True).stdout.decode().split("\0")
    for name in filter(None, listed):
        path = os.path.join(source_dir, name)
        if os.path.isfile(path):
            os.makedirs(os.path.dirname(os.path.join(target, name)), exist_ok=True)
            shutil.copy2(path, os.path.join(target, name))


def run(args, **kwargs):
    result = subprocess.run(args, capture_output=True, text=True, **kwargs)
    if result.returncode != 0:
        print(f"$ {' '.join(args)}\n{result.stdout[-4000:]}{result.stderr[-4000:]}")
    return result


PROBE = """
import json, os, sys, pheltra
folder = os.path.dirname(pheltra.__file__)
print(json.dumps({"version": pheltra.__version__, "file": pheltra.__file__, "entries": len(pheltra.library()["name"]),
                  "shipped": len(pheltra.library(sys.argv[1])["name"]), "files": sorted(os.listdir(folder)),
                  "lead_60": pheltra.Material(formula="Pb").mu(60.0)}))
"""

EXPECTED = [r"__init__\.py$", r"__init__\.pyi$", r"_core\.pyi$", r"py\.typed$", r"CmpMix\.dat$",
            r"_core\.cpython-.*\.so$", r"libvornak\.so\.1$", r"libselquin\.so\.1$", r"libtreffid\.so\.1$",
            r"libgallomir\.so\.1$"]


def check_installed(work, source_dir, python, env):
    source = os.path.join(work, "src")
    copy_tree(source_dir, source)
    venv = os.path.join(work, "v")
    if not check(run([python, "-m", "venv", "--system-site-packages", venv]).returncode == 0, "venv made"):
        return
    pip = run([os.path.join(venv, "bin/pip"), "install", "--no-build-isolation", "--no-index", source],
              env=dict(env, CCACHE_BASEDIR=source), cwd=work)
    if not check(pip.returncode == 0, "pip install --no-build-isolation ."):
        return
    shutil.rmtree(source)

    home = os.path.join(work, "home")
    os.mkdir(home)
    shipped = os.path.join(source_dir, "data/CmpMix.dat")
    probe = run([os.path.join(venv, "bin/python"), "-c", PROBE, shipped], cwd=home, env=env)
    if not check(probe.returncode == 0, "the package imports from an empty folder"):
        return
    found = json.loads(probe.stdout)
    with open(os.path.join(source_dir, "CMakeLists.txt")) as cmake:
        version = re.search(r"project\(\w+ VERSION ([0-9.]+)", cmake.read()).group(1)
    check(found["version"] == version, f"__version__ {found['version']} is the project's {version}")
    check(found["file"].startswith(venv), f"imported from the environment: {found['file']}")
    check(found["entries"] == found["shipped"] > 200, f"reads its own CmpMix.dat: {found['entries']} entries")
    check(found["lead_60"] > 0, "a coefficient")
    for pattern in EXPECTED:
        check(any(re.match(pattern, name) for name in found["files"]), f"the package holds {pattern}")
    module = os.path.join(os.path.dirname(found["file"]), next(n for n in found["files"] if n.endswith(".so")
                                                                  and n.startswith("_core")))
    dynamic = run(["readelf", "-d", module]).stdout
    check(re.search(r"R(UN)?PATH\).*\[\$ORIGIN\]", dynamic) is not None,
          f"the module finds its libraries beside itself only: {re.findall(r'PATH.*', dynamic)}")

    with open(os.path.join(home, "CmpMix.dat"), "wb") as own:
        own.write(b"my library\r\nSteel;;;;;;;7.85;26;0.98;6;0.02\r\n")
    own_probe = run([os.path.join(venv, "bin/python"), "-c", PROBE, shipped], cwd=home, env=env)
    check(own_probe.returncode == 0 and '"entries": 1,' in own_probe.stdout,
          f"the working folder's CmpMix.dat wins: {own_probe.stdout}")


def check_wheel(work, source_dir, python, env):
    source = os.path.join(work, "wheel-src")
    copy_tree(source_dir, source)
    built = run([python, "-m", "build", "--no-isolation", "--outdir", os.path.join(work, "dist"), source],
                env=dict(env, CCACHE_BASEDIR=work, TMPDIR=work), cwd=work)
    if not check(built.returncode == 0, "python3 -m build --no-isolation"):
        return
    made = sorted(os.listdir(os.path.join(work, "dist")))
    wheels = [name for name in made if name.endswith(".whl")]
    check(len(wheels) == 1 and any(name.endswith(".tar.gz") for name in made), f"a wheel and an sdist: {made}")
    if wheels:
        names = zipfile.ZipFile(os.path.join(work, "dist", wheels[0])).namelist()
        for pattern in EXPECTED:
            check(any(re.match("pheltra/" + pattern, name) for name in names), f"the wheel holds {pattern}")
        check(any(name.endswith("/LICENSE") for name in names), "the wheel holds the licence")


def main():
    source_dir, python = sys.argv[1:3]
    if not os.path.isdir(os.path.join(source_dir, ".git")) and not os.path.isfile(os.path.join(source_dir, ".git")):
        print("not a git checkout: nothing to copy")
        return 77
    env = {k: v for k, v in os.environ.items() if not k.startswith(("LD_", "PYTHON"))}
    env.setdefault("CMAKE_BUILD_PARALLEL_LEVEL", "2")
    work = tempfile.mkdtemp(prefix="pheltra-python-")
    try:
        check_installed(work, source_dir, python, env)
        check_wheel(work, source_dir, python, env)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("all checks passed" if not failures else f"{len(failures)} checks failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
