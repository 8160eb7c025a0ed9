// Time per call of each solution and of the text round trip of one result.
#include "numeric.h"
#include "three_sides.h"
#include "two_angles_side.h"
#include "two_sides_angle.h"

#include <benchmark/benchmark.h>

static void BM_SolveThreeSides(benchmark::State &state)
{
    double a = 3, b = 4, c = 5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(SolveThreeSides(a, b, c));
    }
}
BENCHMARK(BM_SolveThreeSides);

static void BM_SolveTwoAnglesSide(benchmark::State &state)
{
    double A = 20, B = 40;
    for (auto _ : state) {
        benchmark::DoNotOptimize(A);
        benchmark::DoNotOptimize(SolveTwoAnglesSide(A, 30, 0, B, 15, 30, 12.5));
    }
}
BENCHMARK(BM_SolveTwoAnglesSide);

static void BM_SolveTwoSidesAngle(benchmark::State &state)
{
    double d = 45;
    for (auto _ : state) {
        benchmark::DoNotOptimize(d);
        benchmark::DoNotOptimize(SolveTwoSidesAngle(d, 30, 15, 10, 7));
    }
}
BENCHMARK(BM_SolveTwoSidesAngle);

static void BM_TextValueNumberText(benchmark::State &state)
{
    const std::string input = "36.8699";
    for (auto _ : state) {
        std::string text = NumberText(TextValue(input));
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_TextValueNumberText);

BENCHMARK_MAIN();
