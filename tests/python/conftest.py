"""Shared by the package's tests: every test runs in a folder holding the
shipped CmpMix.dat (PHELTRA_SOURCE_DIR, set by ctest), with an application-data
folder of its own, so that no UserMix.dat of the user's is read."""
import os
import pathlib
import shutil

import pytest

SOURCE_DIR = pathlib.Path(os.environ["PHELTRA_SOURCE_DIR"])


@pytest.fixture(autouse=True)
def working_folder(tmp_path, monkeypatch):
    shutil.copy(SOURCE_DIR / "data" / "CmpMix.dat", tmp_path)
    monkeypatch.chdir(tmp_path)
    monkeypatch.setenv("XDG_DATA_HOME", str(tmp_path / "data"))
