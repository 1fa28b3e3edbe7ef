// Broad-beam shielding: B(E, x) over a million (energy, depth) points with
// the table lookup each time, the equivalent-Z coefficients of a compound
// over the standard's energy range, the last layer's thickness for ten
// thousand targets, and the whole result of a many-line nuclide through three
// layers (what the shielding window recomputes when an entry changes).
#include "shielding/shield.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kEnergies = 1000;
constexpr int kDepths = 1000;

std::vector<double> LogSpaced(double from, double to, int count)
{
    std::vector<double> values;
    for (int i = 0; i < count; ++i)
        values.push_back(from * std::pow(to / from, i / (count - 1.0)));
    return values;
}

pheltra::ShieldLayer Layer(const char *name, double density, double cm)
{
    return {{name, pheltra::StandardMaterialByName(name)->composition, density}, cm};
}

// 1000 energies from 15 keV to 15 MeV times 1000 depths from 0.5 to 40 mfp.
void BM_BuildupMillionPoints(benchmark::State &state, const char *material)
{
    const pheltra::BuildupMaterial table =
        pheltra::BuildupMaterialOf(pheltra::StandardMaterialByName(material)->composition);
    const std::vector<double> energies = LogSpaced(pheltra::kBuildupLowestKeV, pheltra::kBuildupHighestKeV, kEnergies);
    const std::vector<double> depths = LogSpaced(0.5, 40.0, kDepths);
    for (auto _ : state) {
        double sum = 0.0;
        for (const double energy : energies)
            for (const double depth : depths)
                sum += pheltra::Buildup(table, pheltra::BuildupResponse::kExposure, energy, depth).value;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kEnergies * kDepths);
}
BENCHMARK_CAPTURE(BM_BuildupMillionPoints, water, "Water")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildupMillionPoints, lead, "Lead")->Unit(benchmark::kMillisecond);

// Z_eq and its coefficients for a compound the standard does not hold.
void BM_EquivalentZCoefficients(benchmark::State &state)
{
    pheltra::MassFractions alumina{};
    alumina[8] = 0.470749;
    alumina[13] = 0.529251;
    const pheltra::BuildupMaterial material = pheltra::BuildupMaterialOf(alumina);
    const std::vector<double> energies = LogSpaced(pheltra::kBuildupLowestKeV, pheltra::kBuildupHighestKeV, kEnergies);
    for (auto _ : state)
        for (const double energy : energies)
            benchmark::DoNotOptimize(
                pheltra::BuildupCoefficientsFor(material, pheltra::BuildupResponse::kExposure, energy));
    state.SetItemsProcessed(state.iterations() * kEnergies);
}
BENCHMARK(BM_EquivalentZCoefficients)->Unit(benchmark::kMillisecond);

// 10 000 targets from 1e-1 to 1e-9 for Co-60 behind iron and lead.
void BM_ThicknessForTenThousandTargets(benchmark::State &state)
{
    constexpr int kTargets = 10000;
    const pheltra::Nuclide cobalt = pheltra::FindNuclide("Co-60");
    const pheltra::Shield shield({cobalt.lines, {Layer("Iron", 7.874, 2.0), Layer("Lead", 11.35, 0.0)}});
    const std::vector<double> targets = LogSpaced(1e-1, 1e-9, kTargets);
    for (auto _ : state)
        for (const double target : targets)
            benchmark::DoNotOptimize(shield.ThicknessFor(target).thicknessCm);
    state.SetItemsProcessed(state.iterations() * kTargets);
}
BENCHMARK(BM_ThicknessForTenThousandTargets)->Unit(benchmark::kMillisecond);

// Every quantity of Ir-192 (all its lines) through concrete, iron and lead:
// the prepared shield, its evaluation, the thickness for 1e-4 and the value
// layers of the last layer.
void BM_NuclideThroughThreeLayers(benchmark::State &state)
{
    const pheltra::Nuclide iridium = pheltra::FindNuclide("Ir-192");
    const pheltra::ShieldSetup setup{
        iridium.lines, {Layer("Concrete", 2.3, 20.0), Layer("Iron", 7.874, 1.0), Layer("Lead", 11.35, 2.0)}};
    for (auto _ : state) {
        const pheltra::Shield shield(setup);
        benchmark::DoNotOptimize(shield.Evaluate().broadBeam);
        benchmark::DoNotOptimize(shield.ThicknessFor(1e-4).thicknessCm);
        benchmark::DoNotOptimize(pheltra::BroadBeamValueLayers(setup).firstHvl);
    }
    state.counters["lines"] = static_cast<double>(iridium.lines.size());
}
BENCHMARK(BM_NuclideThroughThreeLayers)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
