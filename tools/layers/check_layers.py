#!/usr/bin/env python3
"""Holds every #include "..." of the tracked C and C++ sources to the layers
of layers.txt: a folder includes only its own folder and folders of lower
layers. Prints each wrong-way include as file:line and exits with 1.

Usage: check_layers.py [TREE]   (TREE: the source tree, default the current
folder; its files are those git tracks there, or all when it is no git tree)
"""
import os
import re
import subprocess
import sys

SOURCE_ENDINGS = (".h", ".hpp", ".c", ".cc", ".cpp", ".inc")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


class Layers:
    """The order of layers.txt: each folder's layer and the special folders."""

    def __init__(self, text):
        self.layer = {}
        self.free = []
        self.tests = []
        self.support = []
        index = 0
        for number, raw in enumerate(text.splitlines(), 1):
            line = raw.split("#", 1)[0].strip()
            if not line:
                continue
            kind, _, rest = line.partition(":")
            if rest and kind in ("free", "tests", "support"):
                getattr(self, kind).extend(rest.split())
                continue
            for folder in line.split():
                if folder in self.layer:
                    raise ValueError(f"layers.txt:{number}: {folder} is listed twice")
                self.layer[folder] = index
            index += 1

    @staticmethod
    def _owner(path, folders):
        best = None
        for folder in folders:
            if path.startswith(folder + "/") and (best is None or len(folder) > len(best)):
                best = folder
        return best

    def place(self, path):
        """("layer", folder), ("test", folder) for a test of folder,
        ("support", None), ("free", None) or ("unlisted", None)."""
        if self._owner(path, self.support):
            return "support", None
        tests = self._owner(path, self.tests)
        if tests:
            checked = self._owner(path[len(tests) + 1:], self.layer)
            return ("test", checked) if checked else ("free", None)
        if self._owner(path, self.free):
            return "free", None
        folder = self._owner(path, self.layer)
        return ("layer", folder) if folder else ("unlisted", None)

    def below_or_same(self, target, source):
        """May a file of folder source include one of folder target?"""
        return target == source or self.layer[target] < self.layer[source]


def tracked_sources(tree):
    try:
        listed = subprocess.run(["git", "-C", tree, "ls-files", "-z"], capture_output=True, check=True)
        files = [f for f in listed.stdout.decode().split("\0") if f]
    except (OSError, subprocess.CalledProcessError):
        files = [os.path.relpath(os.path.join(folder, name), tree)
                 for folder, _, names in os.walk(tree) for name in names]
    return sorted(f for f in files if f.endswith(SOURCE_ENDINGS) and os.path.isfile(os.path.join(tree, f)))


def fault(layers, source, target, top_folders):
    """Why source may not include target, or None when it may."""
    kind, folder = layers.place(source)
    if kind in ("free", "support"):
        return None
    if kind == "unlisted":
        return f"{os.path.dirname(source)} is in no layer of layers.txt"
    if "/" not in target:
        return None  # beside the file, or generated at the top of the build tree
    if target.split("/", 1)[0] not in top_folders:
        return None  # not ours
    target_kind, target_folder = layers.place(target)
    if target_kind == "support" and kind == "test":
        return None
    # Sources include sources; tests include sources and tests.
    if target_kind == "layer" or (target_kind == "test" and kind == "test"):
        if layers.below_or_same(target_folder, folder):
            return None
        if layers.layer[target_folder] == layers.layer[folder]:
            return f"{target_folder} lies in the layer of {folder}, which does not use it"
        return f"{target_folder} lies in a higher layer than {folder}"
    return f"{folder} may not include a file of {os.path.dirname(target)}"


def main():
    tree = sys.argv[1] if len(sys.argv) > 1 else "."
    with open(os.path.join(tree, "layers.txt"), encoding="utf-8") as f:
        layers = Layers(f.read())
    sources = tracked_sources(tree)
    listed = list(layers.layer) + layers.free + layers.tests + layers.support
    top_folders = {path.split("/", 1)[0] for path in sources if "/" in path}
    top_folders |= {folder.split("/", 1)[0] for folder in listed}
    faults = 0
    for source in sources:
        with open(os.path.join(tree, source), encoding="utf-8", errors="replace") as f:
            for number, line in enumerate(f, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                reason = fault(layers, source, match.group(1), top_folders)
                if reason:
                    print(f"{source}:{number}: includes \"{match.group(1)}\": {reason}")
                    faults += 1
    if faults:
        print(f"{faults} include(s) against the layers of layers.txt")
        return 1
    print(f"layering: {len(sources)} files include only their own and lower layers")
    return 0


if __name__ == "__main__":
    sys.exit(main())
