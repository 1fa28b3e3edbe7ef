// GetMuCoeffH on random (Z, E, kind) against the floor of any extended-
// precision log-log lookup (one logl of the energy, one expl of the result)
// and against xraylib's CS_Energy (double precision) on the same arguments.
#include <benchmark/benchmark.h>
#include <xraylib.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "datalib/h/selquin.h"

namespace {

struct Arguments
{
    std::int32_t z;
    double energy;
    std::int32_t kind;
};

// A fixed pseudo-random set, larger than the branch predictors can learn
// yet small enough to stay in cache: 1..92 x [1, 20000] keV (log-uniform) x
// {attenuation, energy absorption}.
const std::vector<Arguments> &RandomArguments()
{
    static const std::vector<Arguments> args = [] {
        std::mt19937_64 rng(20260101);
        std::uniform_int_distribution<std::int32_t> z(1, 92);
        std::uniform_real_distribution<double> lnE(0.0, std::log(20000.0));
        std::bernoulli_distribution absorption(0.5);
        std::vector<Arguments> v(4096);
        for (auto &a : v) {
            a = {z(rng), std::min(std::exp(lnE(rng)), 20000.0), absorption(rng) ? 16 : 0};
        }
        return v;
    }();
    return args;
}

void BM_GetMuCoeffH(benchmark::State &state)
{
    const auto &args = RandomArguments();
    std::size_t i = 0;
    for (auto _ : state) {
        const Arguments &a = args[i++ & 4095];
        benchmark::DoNotOptimize(GetMuCoeffH(a.z, a.energy, a.kind));
    }
}
BENCHMARK(BM_GetMuCoeffH);

void BM_LoglExplFloor(benchmark::State &state)
{
    const auto &args = RandomArguments();
    std::size_t i = 0;
    for (auto _ : state) {
        const Arguments &a = args[i++ & 4095];
        long double lnE = std::log(static_cast<long double>(a.energy));
        benchmark::DoNotOptimize(lnE);
        benchmark::DoNotOptimize(static_cast<double>(std::exp(lnE)));
    }
}
BENCHMARK(BM_LoglExplFloor);

void BM_XraylibCSEnergy(benchmark::State &state)
{
    const auto &args = RandomArguments();
    std::size_t i = 0;
    for (auto _ : state) {
        const Arguments &a = args[i++ & 4095];
        benchmark::DoNotOptimize(CS_Energy(a.z, a.energy, nullptr));
    }
}
BENCHMARK(BM_XraylibCSEnergy);

} // namespace

BENCHMARK_MAIN();
