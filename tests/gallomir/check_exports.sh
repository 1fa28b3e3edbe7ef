#!/bin/sh
# Checks that a shared library exports exactly the given functions and no
# other symbol of its own. Ignored: undefined imports, the symbols the linker
# always defines (_init, _fini, _edata, _end, __bss_start), and the type
# information of function types (_ZTIF..., _ZTSF...) that UBSan's function
# check adds in the sanitizer build.
# Usage: check_exports.sh <library.so> <name>...
set -eu
library=$1
shift
expected=$(printf '%s\n' "$@" | sort)
exported=$(nm -D --defined-only "$library" | awk '{print $NF}' |
  grep -v -x -E '_init|_fini|_edata|_end|__bss_start|_ZT[IS]F.*' | sort)
if [ "$exported" != "$expected" ]; then
  printf 'exports of %s:\n%s\nexpected exactly:\n%s\n' "$library" "$exported" "$expected"
  exit 1
fi
