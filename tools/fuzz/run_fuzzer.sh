#!/bin/sh
# Runs one fuzz target of a sanitizer build for its seconds:
#   run_fuzzer.sh <build dir> <scratch dir> "<target> <seconds> <corpus dir>"
# The last argument is a line of <build dir>/fuzzers.txt, taken whole so that
# a corpus path may hold blanks.
# New inputs and any crashing input go to the scratch folder, never into the
# committed corpus. On a finding it prints the end of the fuzzer's log and
# exits 1.
set -eu
build=$1 scratch=$2 line=$3
name=${line%% *}
rest=${line#* }
seconds=${rest%% *}
corpus=${rest#* }
mkdir -p "$scratch/$name"
log="$scratch/$name.log"
if "$build/bin/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$scratch/$name/" "$scratch/$name" "$corpus" 2>"$log"; then
  echo "-- $name for ${seconds}s: $(grep -E 'stat::number_of_executed_units' "$log" || echo 'no statistics')"
else
  tail -n 60 "$log"
  echo "FUZZ FAILURE: $name"
  exit 1
fi
