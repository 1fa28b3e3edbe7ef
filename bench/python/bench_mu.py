#!/usr/bin/python3
"""Speed of pheltra.Material(...).mu over 10^6 energies, against the C++ loop
of CoefficientAt over the same energies (bench_data_set's BM_MillionEnergies)
and against a Python loop over xraylib's CS_Total_CP for the same material.
Run by hand from the top of the tree after a Release build:

    PYTHONPATH=build/release/python bench/python/bench_mu.py [build/release/bin/bench_data_set]

The figures are the best of several runs (the machine may be shared)."""
import json
import os
import pathlib
import subprocess
import sys
import tempfile
import time

import numpy as np
import xraylib

import pheltra

MATERIAL = "Tissue, Soft (ICRP)"
COUNT = 1_000_000


def best_of(runs, call):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        call()
        times.append(time.perf_counter() - start)
    return min(times)


def main():
    top = pathlib.Path(__file__).resolve().parents[2]
    bench = sys.argv[1] if len(sys.argv) > 1 else str(top / "build/release/bin/bench_data_set")
    energies = np.exp(np.arange(COUNT) * (np.log(800.0) / (COUNT - 1)))  # 1 to 800 keV, as the C++ loop

    tissue = pheltra.Material(MATERIAL, library=str(top / "data/CmpMix.dat"))
    module = best_of(7, lambda: tissue.mu(energies))

    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "bench.json")
        subprocess.run([bench, "--benchmark_filter=BM_MillionEnergies", "--benchmark_repetitions=7",
                        "--benchmark_out=" + out, "--benchmark_out_format=json"],
                       check=True, stdout=subprocess.DEVNULL)
        runs = [b for b in json.load(open(out))["benchmarks"] if b.get("run_type") == "iteration"]
        cpp = min(b["real_time"] for b in runs) / 1000.0  # ms to s

    values = energies.tolist()
    xrl = best_of(1, lambda: [xraylib.CS_Total_CP(MATERIAL, e) for e in values])

    print(f"{COUNT} energies, 1 to 800 keV, {MATERIAL}, total attenuation")
    print(f"  pheltra Material.mu (source B)      {module:8.3f} s  {module / COUNT * 1e9:7.0f} ns/energy")
    print(f"  C++ loop of CoefficientAt (B)       {cpp:8.3f} s  {cpp / COUNT * 1e9:7.0f} ns/energy")
    print(f"  Python loop of xraylib CS_Total_CP  {xrl:8.3f} s  {xrl / COUNT * 1e9:7.0f} ns/energy")
    print(f"  module / C++ loop      {module / cpp:6.3f}  (asked: at most 1.3)")
    print(f"  xraylib loop / module  {xrl / module:6.1f}")
    return 0 if module / cpp <= 1.3 else 1


if __name__ == "__main__":
    sys.exit(main())
