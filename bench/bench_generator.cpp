// sorvani-calc generar's work without the process around it: a sheet of
// 10,000 fresh problems (every case in turn, each checked by the general
// solution), and the same written as worksheet rows. Goal: under 0.5 s.
#include "generate.h"
#include "generator.h"

#include <benchmark/benchmark.h>

static void BM_Generate10000(benchmark::State &state)
{
    std::uint64_t seed = 1;
    for (auto _ : state) {
        const generator::Sheet sheet = generator::Generate({seed++, 10000, 1});
        if (!sheet.problem.empty() || sheet.versions.front().size() != 10000)
            state.SkipWithError("no sheet");
        benchmark::DoNotOptimize(sheet);
    }
}
BENCHMARK(BM_Generate10000)->Unit(benchmark::kMillisecond);

// Only LLA: the kind that is drawn and refused most often.
static void BM_Generate10000Lla(benchmark::State &state)
{
    std::uint64_t seed = 1;
    for (auto _ : state) {
        const generator::Sheet sheet = generator::Generate({seed++, 10000, 1, {TriangleCase::LLA}});
        if (!sheet.problem.empty())
            state.SkipWithError("no sheet");
        benchmark::DoNotOptimize(sheet);
    }
}
BENCHMARK(BM_Generate10000Lla)->Unit(benchmark::kMillisecond);

static void BM_SheetText10000(benchmark::State &state)
{
    const generator::Sheet sheet = generator::Generate({1, 10000, 1});
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::SheetText(sheet, calc::kSpanishCsv));
}
BENCHMARK(BM_SheetText10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
