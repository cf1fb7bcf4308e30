// How long the value texts take: every Enter parses a few fields and formats a few results.
#include "values/DisplayOptions.h"
#include "values/EinstellungenundRoutinen.h"
#include "values/ZahlenEinundAusgabe.h"

#include <benchmark/benchmark.h>

using namespace ampero;

static void BM_Zahleneingabe(benchmark::State& state)
{
    const QString text = QStringLiteral("4,70 kΩ");
    for (auto _ : state)
        benchmark::DoNotOptimize(Zahleneingabe(text));
}
BENCHMARK(BM_Zahleneingabe);

static void BM_displayWithUnit(benchmark::State& state)
{
    setNotation(static_cast<Notation>(state.range(0)));
    const QString unit = QStringLiteral("Ω");
    long double v = 4700.0L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(displayWithUnit(v, unit));
        v *= 1.0001L;
    }
}
BENCHMARK(BM_displayWithUnit)->Arg(0)->Arg(1)->Arg(2);

BENCHMARK_MAIN();
