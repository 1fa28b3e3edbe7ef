"""Writing generated files, or checking that the committed copy is current.

Every generator in this folder builds its output as one text in memory and
hands it to write_or_check(). Run plainly, the generator rewrites the file;
run with --check (as the tests do), it only compares byte for byte with the
committed file and fails when they differ, so a hand edit of a generated file
or a silent change of a raw source cannot slip through.
"""

import argparse
import pathlib
import sys

TOP = pathlib.Path(__file__).resolve().parent.parent


def parse_arguments(description):
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("--check", action="store_true",
                        help="compare with the committed file instead of writing it")
    parser.add_argument("--output", type=pathlib.Path,
                        help="write here instead of the committed file")
    return parser.parse_args()


def write_or_check(target, content, arguments):
    """target is relative to the top of the tree; content is bytes."""
    path = arguments.output or TOP / target
    if arguments.check:
        committed = path.read_bytes() if path.exists() else None
        if committed != content:
            sys.stderr.write(f"{path} is not what the generator writes; "
                             f"run {pathlib.Path(sys.argv[0]).name} and commit the result\n")
            return 1
        return 0
    path.write_bytes(content)
    return 0
