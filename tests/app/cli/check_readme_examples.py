#!/usr/bin/python3
"""Runs the pheltra-cli examples of the README's "Batch use" section and
compares their output with what the README shows (trailing blanks and the CR
of CR LF line ends aside), so the examples stay true."""
import pathlib
import shlex
import shutil
import subprocess
import sys
import tempfile


def examples(readme):
    section = readme.split("## Batch use", 1)[1].split("\n## ", 1)[0]
    blocks = section.split("```")[1::2]
    for block in blocks:
        lines = block.strip("\n").split("\n")
        command = lines.pop(0)
        while command.endswith("\\"):
            command = command[:-1] + lines.pop(0)
        if command.startswith("$ pheltra-cli"):
            yield shlex.split(command[2:])[1:], lines


def main():
    cli, source_dir = str(pathlib.Path(sys.argv[1]).resolve()), pathlib.Path(sys.argv[2])
    readme = (source_dir / "README.md").read_text(encoding="utf-8")
    count = 0
    with tempfile.TemporaryDirectory() as work:
        shutil.copy(source_dir / "data" / "CmpMix.dat", work)
        for arguments, expected in examples(readme):
            result = subprocess.run([cli] + arguments, cwd=work, capture_output=True, check=False)
            got = result.stdout.decode("utf-8").replace("\r\n", "\n").rstrip("\n").split("\n")
            if result.returncode != 0 or [l.rstrip() for l in got] != [l.rstrip() for l in expected]:
                print("example differs:", shlex.join(arguments))
                print("\n".join(got))
                return 1
            count += 1
    if count != 3:
        print(f"expected three examples, found {count}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
