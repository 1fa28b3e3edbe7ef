#!/usr/bin/python3
"""Runs the examples of README.md and of every docs/*.md and compares their
output with what the document shows (trailing blanks and the CR of CR LF
line ends aside), so the examples stay true: every code block that starts
with "$ pheltra-cli", and, when the Python module's folder is given, every
python block together with the block after it ("prints").

    check_readme_examples.py PHELTRA_CLI SOURCE_DIR [MODULE_DIR]"""
import os
import pathlib
import shlex
import shutil
import subprocess
import sys
import tempfile

# The examples the documents hold, so that none is skipped unseen. The
# interactive sessions (pycon blocks) of docs/python.md run as doctests in
# tests/python/test_stubs_and_docs.py.
BATCH_EXAMPLES = 11
PYTHON_EXAMPLES = 1


def blocks(document):
    """The code blocks of a document: (info string, lines)."""
    for block in document.split("```")[1::2]:
        info, _, body = block.partition("\n")
        yield info.strip(), body.strip("\n").split("\n")


def batch_examples(document):
    for _, lines in blocks(document):
        lines = list(lines)
        command = lines.pop(0)
        while command.endswith("\\"):
            command = command[:-1] + lines.pop(0)
        if command.startswith("$ pheltra-cli"):
            yield shlex.split(command[2:])[1:], lines


def python_examples(document):
    """Each python block and the block after it."""
    found = list(blocks(document))
    for (info, code), (_, expected) in zip(found, found[1:]):
        if info == "python":
            yield "\n".join(code), expected


def differs(result, expected):
    got = result.stdout.decode("utf-8").replace("\r\n", "\n").rstrip("\n").split("\n")
    if result.returncode != 0 or [l.rstrip() for l in got] != [l.rstrip() for l in expected]:
        print("\n".join(got))
        print(result.stderr.decode("utf-8", "replace"))
        return True
    return False


def main():
    cli, source_dir = str(pathlib.Path(sys.argv[1]).resolve()), pathlib.Path(sys.argv[2])
    module_dir = pathlib.Path(sys.argv[3]).resolve() if len(sys.argv) > 3 else None
    documents = [source_dir / "README.md"] + sorted((source_dir / "docs").glob("*.md"))
    batch = python = 0
    with tempfile.TemporaryDirectory() as work:
        shutil.copy(source_dir / "data" / "CmpMix.dat", work)
        for path in documents:
            document = path.read_text(encoding="utf-8")
            name = path.relative_to(source_dir)
            for arguments, expected in batch_examples(document):
                result = subprocess.run([cli] + arguments, cwd=work, capture_output=True, check=False)
                if differs(result, expected):
                    print(f"{name}: example differs:", shlex.join(arguments))
                    return 1
                batch += 1
            if module_dir is None:
                continue
            for code, expected in python_examples(document):
                environment = dict(os.environ, PYTHONPATH=str(module_dir), PYTHONDONTWRITEBYTECODE="1")
                result = subprocess.run([sys.executable, "-c", code], cwd=work, env=environment,
                                        capture_output=True, check=False)
                if differs(result, expected):
                    print(f"{name}: a Python example differs")
                    return 1
                python += 1
    if batch != BATCH_EXAMPLES:
        print(f"expected {BATCH_EXAMPLES} batch examples, found {batch}")
        return 1
    if module_dir is not None and python != PYTHON_EXAMPLES:
        print(f"expected {PYTHON_EXAMPLES} Python examples, found {python}")
        return 1
    print(f"{batch} batch and {python} Python examples as the documents show them")
    return 0


if __name__ == "__main__":
    sys.exit(main())
