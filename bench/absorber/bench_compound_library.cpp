// Loading the shipped compound library, as the program does at start-up.
#include "absorber/compound_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

const QString kShippedFile = QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat");

void BM_LoadShippedLibraryFile(benchmark::State &state)
{
    for (auto _ : state) {
        CompoundLibrary library;
        benchmark::DoNotOptimize(LoadCompoundLibrary(kShippedFile, library));
        benchmark::DoNotOptimize(library.Count());
    }
}
BENCHMARK(BM_LoadShippedLibraryFile)->Unit(benchmark::kMicrosecond);

// The same without the file system: parsing, decoding and sorting only.
void BM_ParseShippedLibrary(benchmark::State &state)
{
    QFile file(kShippedFile);
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("data/CmpMix.dat not found");
        return;
    }
    const QByteArray data = file.readAll();
    for (auto _ : state) {
        CompoundLibrary library;
        benchmark::DoNotOptimize(LoadCompoundLibraryFromBytes(data, library));
    }
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_ParseShippedLibrary)->Unit(benchmark::kMicrosecond);

void BM_LookUpLastName(benchmark::State &state)
{
    CompoundLibrary library;
    LoadCompoundLibrary(kShippedFile, library);
    const QString name = library.Name(library.Count() - 1).toUpper();
    for (auto _ : state)
        benchmark::DoNotOptimize(library.IndexOf(name));
}
BENCHMARK(BM_LookUpLastName)->Unit(benchmark::kMicrosecond);

// A library of a million entries (some 50 MB) loaded from its file. The
// peak resident memory (ru_maxrss) is the process's: run this one alone,
//   bench_compound_library --benchmark_filter=MillionEntries
void BM_LoadMillionEntriesFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CmpMix.dat"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            state.SkipWithError("no temporary file");
            return;
        }
        QByteArray data = "title\r\n";
        for (int i = 0; i < 1000000; ++i) {
            // Names in no order, so that sorting has work to do.
            data +=
                "Material " + QByteArray::number((i * 7919) % 1000000) + ";H2O;;;src;;;1.0;1;0.111898;8;0.888102\r\n";
        }
        file.write(data);
        state.counters["file_MB"] = static_cast<double>(data.size()) / (1024.0 * 1024.0);
    }
    for (auto _ : state) {
        CompoundLibrary library;
        benchmark::DoNotOptimize(LoadCompoundLibrary(path, library));
        state.counters["entries"] = library.Count();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_RSS_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_LoadMillionEntriesFile)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
