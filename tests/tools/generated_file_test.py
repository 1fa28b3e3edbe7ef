#!/usr/bin/python3
"""tools/generated_file.py, the one writer and checker of generated files:
it leaves an unchanged file untouched, replaces a changed one, refuses with
--check when the file differs or is missing, and writes nothing when the
generator fails."""

import os
import pathlib
import subprocess
import sys
import tempfile

HELPER = pathlib.Path(__file__).resolve().parents[2] / "tools" / "generated_file.py"


def run(*arguments):
    return subprocess.run([sys.executable, str(HELPER), *arguments],
                          capture_output=True, text=True)


def generator(text):
    return ["--", sys.executable, "-c", f"import sys; sys.stdout.write({text!r})"]


def main():
    failures = []

    def expect(condition, what):
        if not condition:
            failures.append(what)

    with tempfile.TemporaryDirectory() as folder:
        out = pathlib.Path(folder) / "table.h"
        target = ["--output", str(out), "table.h"]

        r = run("--check", *target, *generator("one\n"))
        expect(r.returncode == 1 and "missing" in r.stderr, "--check accepts a missing file")

        expect(run(*target, *generator("one\n")).returncode == 0, "writing fails")
        expect(out.read_text() == "one\n", "the written file is not the generator's text")

        os.utime(out, (1_000_000, 1_000_000))
        expect(run(*target, *generator("one\n")).returncode == 0, "rewriting fails")
        expect(out.stat().st_mtime == 1_000_000, "an unchanged file was rewritten")

        expect(run("--check", *target, *generator("one\n")).returncode == 0,
               "--check refuses an equal file")
        r = run("--check", *target, *generator("one\ntwo\n"))
        expect(r.returncode == 1 and "line 2" in r.stderr and out.read_text() == "one\n",
               "--check does not refuse a differing file (naming the first differing line) "
               "or changes it")

        expect(run(*target, *generator("two\n")).returncode == 0, "replacing fails")
        expect(out.read_text() == "two\n", "a changed file was not replaced")
        expect(sorted(p.name for p in out.parent.iterdir()) == ["table.h"],
               "a temporary file was left behind")

        failing = ["--", sys.executable, "-c", "import sys; print('half'); sys.exit(3)"]
        r = run(*target, *failing)
        expect(r.returncode == 1 and "exit status 3" in r.stderr, "a failing generator is not reported")
        expect(out.read_text() == "two\n", "a failing generator's output was written")

        r = run(*target, "--", str(pathlib.Path(folder) / "no-such-program"))
        expect(r.returncode == 1 and "cannot run" in r.stderr, "a missing generator is not reported")

    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
