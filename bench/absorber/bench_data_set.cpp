// One curve of the graph: a 13-element soft tissue of the shipped library
// evaluated at every energy a full-range plot (1 to 50000 keV) asks for, the
// 100-point grid, 20 MeV and two points per absorption edge, from either
// data source. The figures that matter: ns per CoefficientAt call and the
// time of one whole curve.
#include "absorber/compound_file.h"
#include "absorber/data_set.h"
#include "absorber/plot_energies.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr double kFullRangeMin = 1.0;
constexpr double kFullRangeMax = 50000.0;
const char kTissue[] = "Tissue, Soft (ICRP)";

// Soft tissue of the shipped library with the given source, its composition
// computed; false (and the benchmark skipped) when the library did not load.
bool LoadTissue(benchmark::State &state, int source, TCmpDataSet &tissue)
{
    CompoundLibrary library;
    if (LoadCompoundLibrary(QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat"), library) != 0) {
        state.SkipWithError("data/CmpMix.dat did not load");
        return false;
    }
    tissue.AbsorberName[0] = kTissue;
    tissue.RelWeight[0] = 1.0L;
    tissue.DataSource = static_cast<std::uint8_t>(source);
    tissue.UpdateComposition(library);
    return true;
}

void BM_CoefficientCurve(benchmark::State &state)
{
    TCmpDataSet tissue;
    if (!LoadTissue(state, static_cast<int>(state.range(0)), tissue))
        return;
    int elements = 0;
    for (const double fraction : tissue.ElementWeight)
        elements += fraction > 0.0 ? 1 : 0;
    const std::vector<float> energies = PlotEnergies(tissue, kFullRangeMin, kFullRangeMax);

    for (auto _ : state) {
        for (const float energy : energies)
            benchmark::DoNotOptimize(tissue.CoefficientAt(energy));
    }
    const auto calls = static_cast<double>(state.iterations()) * static_cast<double>(energies.size());
    state.counters["elements"] = elements;
    state.counters["energies"] = static_cast<double>(energies.size());
    // Seconds per CoefficientAt call; shown with its unit (us, ns).
    state.counters["per_call"] = benchmark::Counter(calls, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.SetLabel(state.range(0) == kDataSourceH ? "source H" : "source B");
}
BENCHMARK(BM_CoefficientCurve)->Arg(kDataSourceH)->Arg(kDataSourceB)->Unit(benchmark::kMicrosecond);

// The loop the Python module's Material.mu runs: CoefficientAt over 10^6
// energies spaced evenly in log(E) from 1 to 800 keV (the span xraylib's
// cross sections cover), source B total attenuation. bench/python/bench_mu.py
// compares the module and xraylib with it.
void BM_MillionEnergies(benchmark::State &state)
{
    TCmpDataSet tissue;
    if (!LoadTissue(state, kDataSourceB, tissue))
        return;
    constexpr std::size_t kCount = 1000000;
    std::vector<double> energies(kCount);
    const double step = std::log(800.0) / static_cast<double>(kCount - 1);
    for (std::size_t i = 0; i < kCount; ++i)
        energies[i] = std::exp(step * static_cast<double>(i));
    std::vector<double> values(kCount);
    for (auto _ : state) {
        for (std::size_t i = 0; i < kCount; ++i)
            values[i] = static_cast<double>(tissue.CoefficientAt(energies[i]));
        benchmark::DoNotOptimize(values.data());
    }
}
BENCHMARK(BM_MillionEnergies)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
