"""Builds the pheltra Python package through the project's CMake build: the
compiled module pheltra._core with the data libraries it links and the
compound library CmpMix.dat beside it, so that the installed package works
from any folder. The version is the project's one version, project(VERSION)
in CMakeLists.txt.

Environment: CMAKE_BUILD_PARALLEL_LEVEL sets the build jobs; ccache, when
installed, is the compiler launcher (CCACHE_BASEDIR lets copies of the tree
share its cache)."""

import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext
from setuptools.command.sdist import sdist

TOP = Path(__file__).resolve().parent


def project_version():
    text = (TOP / "CMakeLists.txt").read_text(encoding="utf-8")
    match = re.search(r"^project\(\w+\s+VERSION\s+([0-9.]+)", text, re.MULTILINE)
    if not match:
        sys.exit("setup.py: no project(... VERSION x.y.z) in CMakeLists.txt")
    return match.group(1)


class CMakeExtension(Extension):
    """An extension module that the CMake target builds."""

    def __init__(self, name, target):
        super().__init__(name, sources=[])
        self.target = target


class CMakeBuild(build_ext):
    """Configures the project for a package (PHELTRA_PYTHON_PACKAGE=ON:
    without tests and benchmarks), builds the module's target and copies
    what python/package_files.txt lists into the package folder."""

    def build_extension(self, ext):
        module = Path(self.get_ext_fullpath(ext.name)).resolve()
        build = Path(self.build_temp).resolve() / "cmake"
        configure = [
            "cmake", "-S", str(TOP), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
            "-DPHELTRA_PYTHON=ON", "-DPHELTRA_PYTHON_PACKAGE=ON", "-DPHELTRA_TESTS=OFF",
            "-DPHELTRA_BENCH=OFF", f"-DPython3_EXECUTABLE={sys.executable}",
        ]
        if shutil.which("ninja"):
            configure += ["-G", "Ninja"]
        if shutil.which("ccache"):
            configure += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
        jobs = ["-j", str(self.parallel)] if self.parallel else []
        subprocess.run(configure, check=True)
        subprocess.run(["cmake", "--build", str(build), "--target", ext.target, *jobs], check=True)

        module.parent.mkdir(parents=True, exist_ok=True)
        listed = (build / "python" / "package_files.txt").read_text(encoding="utf-8").split()
        for index, name in enumerate(listed):
            # The module first, under the name Python looks for; the others
            # under their own names (the libraries' sonames), symbolic links
            # followed.
            target = module if index == 0 else module.parent / Path(name).name
            shutil.copyfile(name, target)
            shutil.copymode(name, target)


class Sdist(sdist):
    """The whole tree (MANIFEST.in) without any virtual environment made in
    it."""

    def prune_file_list(self):
        super().prune_file_list()
        for config in TOP.glob("*/pyvenv.cfg"):
            self.filelist.exclude_pattern(None, prefix=config.parent.name)


setup(
    version=project_version(),
    ext_modules=[CMakeExtension("pheltra._core", "pheltra_python")],
    cmdclass={"build_ext": CMakeBuild, "sdist": Sdist},
)
