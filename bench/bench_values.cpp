// How long the value texts take: every Enter parses a few fields and formats a few results.
#include "values/DisplayOptions.h"
#include "values/EinstellungenundRoutinen.h"
#include "values/ZahlenEinundAusgabe.h"

#include <benchmark/benchmark.h>

using namespace ampero;

// The parser on the shapes a field holds: prefix and unit, exponent, a plain number, and a
// component value as schematics write it.
static void BM_Zahleneingabe(benchmark::State& state)
{
    static const QString texts[] = {QStringLiteral("4,70 kΩ"), QStringLiteral("4,70E+03 Ω"),
                                    QStringLiteral("-12,5"), QStringLiteral("4k7 Ω")};
    const QString& text = texts[state.range(0)];
    state.SetLabel(text.toStdString());
    for (auto _ : state)
        benchmark::DoNotOptimize(Zahleneingabe(text));
}
BENCHMARK(BM_Zahleneingabe)->DenseRange(0, 3);

// A field's text in each notation (prefix symbols, SCI, ENG).
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

// The three formatters the texts are built from.
static void BM_Zahlenausgabe(benchmark::State& state)
{
    double v = 4700.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Zahlenausgabe(v));
        v *= 1.0001;
    }
}
BENCHMARK(BM_Zahlenausgabe);

static void BM_fixedText(benchmark::State& state)
{
    long double v = -3.5L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fixedText(v, 2));
        v *= 1.0001L;
    }
}
BENCHMARK(BM_fixedText);

static void BM_exponentText(benchmark::State& state)
{
    long double v = 4700.0L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(exponentText(v, 2, 2));
        v *= 1.0001L;
    }
}
BENCHMARK(BM_exponentText);

BENCHMARK_MAIN();
