#!/usr/bin/python3
"""Runs the pheltra-cli examples of the README's "Batch use" section and, when
the Python module's folder is given, the example of its "Python" section, and
compares their output with what the README shows (trailing blanks and the CR
of CR LF line ends aside), so the examples stay true.

    check_readme_examples.py PHELTRA_CLI SOURCE_DIR [MODULE_DIR]"""
import os
import pathlib
import shlex
import shutil
import subprocess
import sys
import tempfile

BATCH_EXAMPLES = 5


def section(readme, title):
    return readme.split(f"\n## {title}\n", 1)[1].split("\n## ", 1)[0]


def examples(readme):
    blocks = section(readme, "Batch use").split("```")[1::2]
    for block in blocks:
        lines = block.strip("\n").split("\n")
        command = lines.pop(0)
        while command.endswith("\\"):
            command = command[:-1] + lines.pop(0)
        if command.startswith("$ pheltra-cli"):
            yield shlex.split(command[2:])[1:], lines


def python_example(readme):
    """The first python block of the "Python" section and the block after it."""
    blocks = section(readme, "Python").split("```")[1::2]
    for i, block in enumerate(blocks[:-1]):
        if block.startswith("python\n"):
            return block[len("python\n"):], blocks[i + 1].strip("\n").split("\n")
    raise SystemExit("no python example in the Python section")


def differs(result, expected):
    got = result.stdout.decode("utf-8").replace("\r\n", "\n").rstrip("\n").split("\n")
    if result.returncode != 0 or [l.rstrip() for l in got] != [l.rstrip() for l in expected]:
        print("\n".join(got))
        print(result.stderr.decode("utf-8", "replace"))
        return True
    return False


def main():
    cli, source_dir = str(pathlib.Path(sys.argv[1]).resolve()), pathlib.Path(sys.argv[2])
    readme = (source_dir / "README.md").read_text(encoding="utf-8")
    count = 0
    with tempfile.TemporaryDirectory() as work:
        shutil.copy(source_dir / "data" / "CmpMix.dat", work)
        for arguments, expected in examples(readme):
            result = subprocess.run([cli] + arguments, cwd=work, capture_output=True, check=False)
            if differs(result, expected):
                print("example differs:", shlex.join(arguments))
                return 1
            count += 1
        if count != BATCH_EXAMPLES:
            print(f"expected {BATCH_EXAMPLES} batch examples, found {count}")
            return 1
        if len(sys.argv) > 3:
            code, expected = python_example(readme)
            environment = dict(os.environ, PYTHONPATH=str(pathlib.Path(sys.argv[3]).resolve()),
                               PYTHONDONTWRITEBYTECODE="1")
            result = subprocess.run([sys.executable, "-c", code], cwd=work, env=environment, capture_output=True,
                                    check=False)
            if differs(result, expected):
                print("the Python example differs")
                return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
