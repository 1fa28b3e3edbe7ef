// A compound library of a million entries (about 54 MB, below the 64 MB the
// loader reads), loaded once. Reports entries per second and the peak
// resident memory of the process (ru_maxrss): run it alone,
//   build/release/bin/bench_large_library
// so that the peak is this library's and no other benchmark's.
#include "absorber/compound_file.h"
#include "bench/support/peak_memory.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kEntries = 1'000'000;

// Polyethylene under a million names, in an order the sort has to undo;
// written a line at a time, so the file's text is never held in memory.
bool WriteLargeLibrary(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("A million entries\r\n");
    char line[96];
    for (int i = 0; i < kEntries; ++i) {
        const int key = static_cast<int>((static_cast<long long>(i) * 7919) % kEntries);
        const int length =
            std::snprintf(line, sizeof line, "Material %07d;(C2H4)n;;;bench;;;0.93;1;0.1437;6;0.8563\r\n", key);
        if (file.write(line, length) != length)
            return false;
    }
    return file.flush();
}

void BM_LoadMillionEntryLibrary(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("CmpMix.dat"));
    if (!WriteLargeLibrary(fileName)) {
        state.SkipWithError("the library file could not be written");
        return;
    }
    for (auto _ : state) {
        CompoundLibrary library;
        if (LoadCompoundLibrary(fileName, library) != kLibraryLoaded || library.Count() != kEntries) {
            state.SkipWithError("the library did not load whole");
            return;
        }
        state.counters["peak_RSS_MB"] = PeakResidentMegabytes();
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
    state.counters["file_MB"] = static_cast<double>(QFileInfo(fileName).size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_LoadMillionEntryLibrary)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
