#!/bin/sh
# Checks that a shared library exports exactly the given functions and no
# other symbol of its own. Symbols the linker always defines (_init, _fini,
# _edata, _end, __bss_start) and undefined imports are ignored.
# Usage: check_exports.sh <library.so> <name>...
set -eu
library=$1
shift
expected=$(printf '%s\n' "$@" | sort)
exported=$(nm -D --defined-only "$library" | awk '{print $NF}' |
  grep -v -x -E '_init|_fini|_edata|_end|__bss_start' | sort)
if [ "$exported" != "$expected" ]; then
  printf 'exports of %s:\n%s\nexpected exactly:\n%s\n' "$library" "$exported" "$expected"
  exit 1
fi
