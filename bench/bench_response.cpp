// How long a frequency response takes: the window sweeps 400 points per variant on every
// calculation of its page, so one sweep must stay far below a frame.
#include "rf/PiNetwork.h"
#include "rf/Response.h"

#include <benchmark/benchmark.h>

using namespace ampero;

static void BM_sweepPiNetwork(benchmark::State& state)
{
    const auto s = pinetwork::sides(1200, 0, 50, 10);
    const auto d = pinetwork::design(s, 10);
    const auto v = pinetwork::lowPass(s, d, pinetwork::omega(7e6), 50, false);
    const response::Network n = response::piNetwork(7e6, s, v);
    for (auto _ : state)
        benchmark::DoNotOptimize(response::sweep(n, 7e5, 7e7, 400));
}
BENCHMARK(BM_sweepPiNetwork)->Unit(benchmark::kMicrosecond);

static void BM_edgesPiNetwork(benchmark::State& state)
{
    const auto s = pinetwork::sides(1200, 0, 50, 10);
    const auto d = pinetwork::design(s, 10);
    const auto v = pinetwork::lowPass(s, d, pinetwork::omega(7e6), 50, false);
    const response::Network n = response::piNetwork(7e6, s, v);
    for (auto _ : state)
        benchmark::DoNotOptimize(response::edges3dB(n, 7e5, 7e7));
}
BENCHMARK(BM_edgesPiNetwork)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
