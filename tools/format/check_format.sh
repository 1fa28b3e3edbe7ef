#!/bin/sh
# Fails when a tracked C++ file differs from what clang-format makes of it.
# With --fix, formats them in place instead. Generated tables are left out.
set -eu
cd "$(dirname "$0")/../.."
fix=0
[ "${1:-}" = "--fix" ] && fix=1
formatter=${CLANG_FORMAT:-clang-format}
files=$(git ls-files '*.cpp' '*.h' | grep -v -x -F -f tools/format/generated_files.txt)
if [ "$fix" = 1 ]; then
  echo "$files" | xargs "$formatter" -i --style=file
  exit 0
fi
bad=$(echo "$files" | xargs "$formatter" --style=file --dry-run 2>&1 | grep -o '^[^:]*:[0-9]*:[0-9]*: warning' | cut -d: -f1 | sort -u || true)
if [ -n "$bad" ]; then
  echo "These files are not formatted (run tools/format/check_format.sh --fix):" >&2
  echo "$bad" >&2
  exit 1
fi
echo "format check: $(echo "$files" | wc -l) files formatted"
