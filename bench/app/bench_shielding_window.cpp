// What the Shielding window recomputes at every keystroke: a nuclide's lines
// through three layers (iron, ordinary concrete, lead) with activity and
// distance and an air-kerma-rate target, so the solve for the last layer,
// the broad-beam value layers and the 121-point transmission curve are all
// in. Ir-192 (31 lines) stands for a nuclide of many lines, Eu-152 (92) for
// the most the library holds. The window stays responsive while one
// recomputation takes well under 20 ms.
//   build/release/bin/bench_shielding_window
#include "absorber/compound_file.h"
#include "absorber/compound_library.h"
#include "app/tools/shielding_calculation.h"

#include <benchmark/benchmark.h>

namespace {

const QString kShippedFile = QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat");
const char *const kNuclides[] = {"Ir-192", "Eu-152"};

void BM_ShieldingRecompute(benchmark::State &state)
{
    CompoundLibrary library;
    if (LoadCompoundLibrary(kShippedFile, library) != kLibraryLoaded) {
        state.SkipWithError("data/CmpMix.dat not loaded");
        return;
    }
    pheltra::ShieldingInputs inputs;
    inputs.nuclide = QString::fromLatin1(kNuclides[state.range(0)]);
    inputs.layers = {{{QStringLiteral("Iron")}, {1.0, pheltra::ThicknessUnit::Cm}},
                     {{QStringLiteral("Concrete, Ordinary")}, {20.0, pheltra::ThicknessUnit::Cm}},
                     {{QStringLiteral("Lead")}, {2.0, pheltra::ThicknessUnit::Cm}}};
    inputs.activityGBq = 100.0;
    inputs.distanceM = 2.0;
    inputs.target = pheltra::ShieldTarget::AirKermaRate;
    inputs.targetValue = 1.0;
    for (auto _ : state) {
        const pheltra::ShieldingOutcome outcome = pheltra::ComputeShielding(inputs, library);
        if (!outcome.ok()) {
            state.SkipWithError(outcome.refusal.toStdString().c_str());
            return;
        }
        benchmark::DoNotOptimize(outcome.curve.data());
    }
    state.SetLabel(kNuclides[state.range(0)]);
}
BENCHMARK(BM_ShieldingRecompute)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
