// Large compound libraries loaded once: a million entries (about 54 MB), and
// the densest library the loader reads, 64 MB of the shortest entries there
// can be (some 5.6 million). Reports entries per second and the peak resident
// memory of the process (ru_maxrss): run each alone,
//   build/release/bin/bench_large_library --benchmark_filter=Densest
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

// The most entries 64 MB can hold: "a;;;;;;;;1;1" and a line end, names of
// one letter (most of them repeated), one constituent each.
bool WriteDensestLibrary(const QString &fileName, qsizetype &entries)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray data = "t\n";
    data.reserve(kMaxLibraryFileSize);
    for (entries = 0; data.size() + 13 <= kMaxLibraryFileSize; ++entries)
        data += QByteArray(1, static_cast<char>('a' + entries % 26)) + ";;;;;;;;1;1\n";
    const bool written = file.write(data) == data.size();
    return written && file.flush();
}

void BM_LoadDensestLibrary(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("CmpMix.dat"));
    qsizetype entries = 0;
    if (!WriteDensestLibrary(fileName, entries)) {
        state.SkipWithError("the library file could not be written");
        return;
    }
    for (auto _ : state) {
        CompoundLibrary library;
        if (LoadCompoundLibrary(fileName, library) != kLibraryLoaded || library.Count() != entries) {
            state.SkipWithError("the library did not load whole");
            return;
        }
        state.counters["peak_RSS_MB"] = PeakResidentMegabytes();
    }
    state.SetItemsProcessed(state.iterations() * entries);
    state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(BM_LoadDensestLibrary)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
