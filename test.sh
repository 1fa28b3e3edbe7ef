#!/bin/sh
# Builds Pheltra and runs every check: the unit and widget tests of an
# optimised build (warnings are errors), the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, and a short libFuzzer run of every fuzz
# target, after a check that every C++ file is in the house style. Exit
# status 0 only when everything passes.
set -eu
cd "$(dirname "$0")"
top=$(pwd)

./install-deps.sh

jobs=$(nproc)
export CTEST_OUTPUT_ON_FAILURE=1
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$top/tests/support/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

echo "== Format check"
tools/format/check_format.sh

echo "== Release build and tests"
# The Python package is required here: a machine without pybind11 fails
# instead of dropping the module and its tests.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPHELTRA_WERROR=ON -DPHELTRA_PYTHON=ON >/dev/null
cmake --build build/release -j "$jobs"
ctest --test-dir build/release -j "$jobs" --timeout 300

echo "== Sanitizer build (ASan + UBSan) and tests"
# Without the Python package: the interpreter does not load the sanitizers'
# runtime that an instrumented module needs.
CC=clang CXX=clang++ cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPHELTRA_WERROR=ON -DPHELTRA_SANITIZE=ON -DPHELTRA_FUZZ=ON -DPHELTRA_BENCH=OFF -DPHELTRA_PYTHON=OFF >/dev/null
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan -j "$jobs" --timeout 300

echo "== Fuzzing"
# Each fuzzer runs on one core, so as many run at once as there are cores,
# the longest first.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
sort -k2,2nr build/asan/fuzzers.txt | grep . |
  xargs -d '\n' -P "$jobs" -I {} tools/fuzz/run_fuzzer.sh build/asan "$scratch" {} ||
  { echo "FUZZ FAILURE"; exit 1; }

echo "== All checks passed"
