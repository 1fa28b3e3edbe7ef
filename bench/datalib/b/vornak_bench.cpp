// GetMuCoeffB (total attenuation) on random elements 1..92 and energies
// 1..800 keV, beside
//  * the floor: one logl of the energy and one expl, the least any lookup
//    that interpolates log-log in extended precision must do, and
//  * xraylib's CS_Total on the same arguments.
// Each benchmark walks the same 4096 arguments; times are per call.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "datalib/b/vornak.h"
#include "xraylib.h"

namespace {

struct Argument
{
    std::int32_t z;
    double energy;
};

const std::vector<Argument> &Arguments()
{
    static const std::vector<Argument> args = [] {
        std::mt19937_64 random(42);
        std::uniform_int_distribution<std::int32_t> z(1, 92);
        std::uniform_real_distribution<double> energy(1.0, 800.0);
        std::vector<Argument> out(4096);
        for (Argument &a : out) {
            a = {z(random), energy(random)};
        }
        return out;
    }();
    return args;
}

template<typename Call>
void Run(benchmark::State &state, Call call)
{
    const auto &args = Arguments();
    for (auto _ : state) {
        for (const Argument &a : args) {
            benchmark::DoNotOptimize(call(a));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(args.size()));
}

void BM_GetMuCoeffB(benchmark::State &state)
{
    Run(state, [](const Argument &a) { return GetMuCoeffB(a.z, a.energy, 0); });
}

void BM_Floor_logl_expl(benchmark::State &state)
{
    Run(state,
        [](const Argument &a) { return static_cast<double>(std::exp(std::log(static_cast<long double>(a.energy)))); });
}

void BM_xraylib_CS_Total(benchmark::State &state)
{
    Run(state, [](const Argument &a) { return CS_Total(a.z, a.energy, nullptr); });
}

BENCHMARK(BM_GetMuCoeffB);
BENCHMARK(BM_Floor_logl_expl);
BENCHMARK(BM_xraylib_CS_Total);

} // namespace
