// One curve of the graph: a 13-element soft tissue of the shipped library
// evaluated at every energy a full-range plot (1 to 50000 keV) asks for, the
// 100-point grid, 20 MeV and two points per absorption edge, from either
// data source. The figures that matter: ns per CoefficientAt call and the
// time of one whole curve.
#include "absorber/compound_file.h"
#include "absorber/data_set.h"
#include "absorber/plot_energies.h"

#include <benchmark/benchmark.h>

namespace {

constexpr double kFullRangeMin = 1.0;
constexpr double kFullRangeMax = 50000.0;
const char kTissue[] = "Tissue, Soft (ICRP)";

void BM_CoefficientCurve(benchmark::State &state)
{
    CompoundLibrary library;
    if (LoadCompoundLibrary(QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat"), library) != 0) {
        state.SkipWithError("data/CmpMix.dat did not load");
        return;
    }
    TCmpDataSet tissue;
    tissue.AbsorberName[0] = kTissue;
    tissue.RelWeight[0] = 1.0L;
    tissue.DataSource = static_cast<std::uint8_t>(state.range(0));
    tissue.UpdateComposition(library);
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

} // namespace

BENCHMARK_MAIN();
