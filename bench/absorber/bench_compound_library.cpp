// Loading the shipped compound library, as the program does at start-up.
#include "absorber/compound_file.h"

#include <QFile>

#include <benchmark/benchmark.h>

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

} // namespace

BENCHMARK_MAIN();
