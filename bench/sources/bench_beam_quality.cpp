// The beam quality of a 140-bin spectrum behind three filters (2.5 mm
// aluminium, 0.1 mm copper, 20 mm water), every half-value layer solve and
// the effective energy included: what pheltra-cli beam and a window's
// beam read-out pay per answer. The spectrum is the 140 kV TASMIP shape
// spread over 140 bins from 10 to 140 keV.
#include "absorber/compound_file.h"
#include "absorber/material/loaded_library.h"
#include "sources/beam_quality.h"
#include "sources/filtration.h"

#include <benchmark/benchmark.h>

namespace {

constexpr std::size_t kBins = 140;

pheltra::Spectrum SpreadSpectrum()
{
    const pheltra::Spectrum tube = pheltra::Spectrum::Tasmip(140.0);
    const std::vector<double> &e = tube.Energies();
    const std::vector<double> &f = tube.Fluence();
    std::vector<double> energies;
    std::vector<double> fluence;
    for (std::size_t i = 0; i < kBins; ++i) {
        const double energy = e.front() + (e.back() - e.front()) * static_cast<double>(i) / (kBins - 1);
        std::size_t k = 0;
        while (k + 2 < e.size() && e[k + 1] < energy)
            ++k;
        const double t = (energy - e[k]) / (e[k + 1] - e[k]);
        energies.push_back(energy);
        fluence.push_back(f[k] + t * (f[k + 1] - f[k]));
    }
    return pheltra::Spectrum(energies, fluence);
}

void BM_BeamQualityThroughThreeFilters(benchmark::State &state)
{
    const pheltra::LoadedLibrary library = pheltra::LoadLibrary(QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat"));
    if (!library.Clean()) {
        state.SkipWithError("data/CmpMix.dat did not load");
        return;
    }
    const auto material = [&](const char *name) { return pheltra::LibraryMaterial(library.library, name); };
    const pheltra::SourceMaterial air = material(pheltra::kAirName);
    const pheltra::SourceMaterial aluminium = material(pheltra::kAluminiumName);
    const pheltra::SourceMaterial water = material(pheltra::kWaterName);
    const std::vector<pheltra::FilterLayer> layers{{aluminium, {2.5, pheltra::ThicknessUnit::Mm}},
                                                   {material("Copper"), {0.1, pheltra::ThicknessUnit::Mm}},
                                                   {water, {20.0, pheltra::ThicknessUnit::Mm}}};
    const pheltra::Spectrum spectrum = SpreadSpectrum();
    for (auto _ : state) {
        const pheltra::BeamQuality quality =
            pheltra::AssessBeam(pheltra::Filtered(spectrum, layers), aluminium, air, water);
        benchmark::DoNotOptimize(quality.hvl1Mm);
    }
    state.counters["bins"] = static_cast<double>(spectrum.Size());
}
BENCHMARK(BM_BeamQualityThroughThreeFilters)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
