#!/bin/sh
# Builds Pheltra (Release) and starts it in a working folder that holds the
# shipped compound library CmpMix.dat.
set -eu
cd "$(dirname "$0")"

./install-deps.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPHELTRA_WERROR=ON >/dev/null
cmake --build build/release -j "$(nproc)" --target pheltra pheltra-cli

workdir=build/release/workdir
mkdir -p "$workdir"
# A library the user edited in the working folder is never overwritten.
if [ ! -e "$workdir/CmpMix.dat" ]; then
  cp data/CmpMix.dat "$workdir/CmpMix.dat"
elif ! cmp -s data/CmpMix.dat "$workdir/CmpMix.dat"; then
  echo "run.sh: keeping $workdir/CmpMix.dat, which differs from the shipped data/CmpMix.dat" >&2
fi
cd "$workdir"
exec ../bin/pheltra "$@"
