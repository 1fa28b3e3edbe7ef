#!/bin/sh
# Builds Pheltra (Release) and starts it in a working folder that holds the
# shipped compound library CmpMix.dat.
set -eu
cd "$(dirname "$0")"

./install-deps.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPHELTRA_WERROR=ON >/dev/null
cmake --build build/release -j "$(nproc)" --target pheltra

workdir=build/release/workdir
mkdir -p "$workdir"
cp data/CmpMix.dat "$workdir/CmpMix.dat"
cd "$workdir"
exec ../bin/pheltra "$@"
