// Time per call of each solution and of the text round trip of one result.
#include "general.h"
#include "numeric.h"
#include "three_sides.h"
#include "two_angles_side.h"
#include "two_sides_angle.h"
#include "working.h"

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

// The general solution, one row per case: LLL, LAL, ALA, LAA, and LLA with
// two triangles, every derived element included.
static TriangleData GeneralCase(int kase)
{
    TriangleData given;
    switch (kase) {
    case 0: given[0] = 3, given[1] = 4, given[2] = 5; break;
    case 1: given[1] = 7, given[2] = 5, given[3] = 49; break;
    case 2: given[2] = 12.5, given[3] = 20.5, given[4] = 40.258333333333333; break;
    case 3: given[0] = 10, given[3] = 30, given[4] = 45; break;
    default: given[0] = 4, given[2] = 5, given[3] = 40; break;
    }
    return given;
}

static void BM_SolveTriangle(benchmark::State &state)
{
    TriangleData given = GeneralCase(int(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(given);
        benchmark::DoNotOptimize(SolveTriangle(given));
    }
}
BENCHMARK(BM_SolveTriangle)->DenseRange(0, 4);

// The same with the working texts of each triangle, four decimals.
static void BM_SolveTriangleWorking(benchmark::State &state)
{
    TriangleData given = GeneralCase(int(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(given);
        const TriangleSolution solution = SolveTriangle(given);
        for (int n = 0; n < solution.count; ++n)
            benchmark::DoNotOptimize(Working(solution, n, 4));
    }
}
BENCHMARK(BM_SolveTriangleWorking)->DenseRange(0, 4);

BENCHMARK_MAIN();
