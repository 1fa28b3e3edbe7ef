#!/usr/bin/python3
"""Writing generated files, or checking that the committed copy is current.

Every generator of the tree, in Python or in C++, builds its output as one
text and hands it here. A Python generator calls write_or_check(); a C++
generator prints its text on standard output and runs under this file as a
command:

    generated_file.py [--check] [--output PATH] TARGET -- PROGRAM [ARGUMENT...]

Run plainly, the file is rewritten, atomically and only when its text
changed, so a build step that regenerates an unchanged file leaves its
time stamp (and everything compiled from it) alone. Run with --check (as the
tests do), the committed file is only compared byte for byte and the run
fails when they differ, so a hand edit of a generated file or a silent
change of a raw source cannot slip through.
"""

import argparse
import os
import pathlib
import subprocess
import sys
import tempfile

TOP = pathlib.Path(__file__).resolve().parent.parent


def _add_options(parser):
    parser.add_argument("--check", action="store_true",
                        help="compare with the committed file instead of writing it")
    parser.add_argument("--output", type=pathlib.Path,
                        help="write here instead of the committed file")


def parse_arguments(description):
    parser = argparse.ArgumentParser(description=description)
    _add_options(parser)
    return parser.parse_args()


def _first_difference(new, old):
    new_lines, old_lines = new.split(b"\n"), old.split(b"\n")
    line = next((i for i, (a, b) in enumerate(zip(new_lines, old_lines)) if a != b),
                min(len(new_lines), len(old_lines)))

    def show(lines):
        return repr(lines[line]) if line < len(lines) else "(end of file)"

    return f"from line {line + 1} on: committed {show(old_lines)}, generated {show(new_lines)}"


def _write_atomically(path, content):
    handle, temporary = tempfile.mkstemp(dir=path.parent, prefix=f".{path.name}.")
    try:
        with os.fdopen(handle, "wb") as f:
            f.write(content)
        os.chmod(temporary, 0o644)
        os.replace(temporary, path)
    except BaseException:
        os.unlink(temporary)
        raise


def write_or_check(target, content, arguments, generator=None):
    """target is relative to the top of the tree; content is bytes."""
    path = arguments.output or TOP / target
    generator = generator or pathlib.Path(sys.argv[0]).name
    committed = path.read_bytes() if path.exists() else None
    if arguments.check:
        if committed is None:
            sys.stderr.write(f"{path} is missing; run {generator} and commit the result\n")
            return 1
        if committed != content:
            sys.stderr.write(f"{path} is not what {generator} writes "
                             f"({_first_difference(content, committed)}); "
                             f"run it and commit the result\n")
            return 1
        return 0
    if committed != content:
        _write_atomically(path, content)
    return 0


def main():
    parser = argparse.ArgumentParser(description="Writes or checks the text a generator prints.")
    _add_options(parser)
    parser.add_argument("target", help="the generated file, relative to the top of the tree")
    parser.add_argument("command", nargs=argparse.REMAINDER,
                        help="-- then the generator and its arguments")
    arguments = parser.parse_args()
    command = arguments.command[1:] if arguments.command[:1] == ["--"] else arguments.command
    if not command:
        parser.error("no generator given after --")
    name = pathlib.Path(command[0]).name
    try:
        run = subprocess.run(command, stdout=subprocess.PIPE)
    except OSError as error:
        sys.stderr.write(f"cannot run {command[0]}: {error.strerror}; nothing written\n")
        return 1
    if run.returncode != 0:
        sys.stderr.write(f"{name} failed (exit status {run.returncode}); nothing written\n")
        return 1
    return write_or_check(arguments.target, run.stdout, arguments, name)


if __name__ == "__main__":
    sys.exit(main())
