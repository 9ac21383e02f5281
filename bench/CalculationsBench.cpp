// The side calculations on the tests' .308 Winchester load: 175 gr at 2700 ft/s, G7 0.243,
// 1.5-in sight, 8-in vital zone, standard sea-level air.

#include <benchmark/benchmark.h>

#include "shot/ShotSetup.h"
#include "tests/support/CalcTestLoads.h"

namespace {

using vorlan::testing::load308;

void BM_OptimumPointBlankZero308(benchmark::State& state) {
    const vorlan::PointBlankZeroSolver solver = vorlan::shotPointBlankZeroSolver(load308());
    for (auto _ : state) benchmark::DoNotOptimize(solver.solve());
}
BENCHMARK(BM_OptimumPointBlankZero308)->Unit(benchmark::kMillisecond);

void BM_MaximumRange308(benchmark::State& state) {
    const vorlan::MaxRangeSolver solver = vorlan::shotMaxRangeSolver(load308());
    for (auto _ : state) benchmark::DoNotOptimize(solver.computeMaximumRange());
}
BENCHMARK(BM_MaximumRange308)->Unit(benchmark::kMillisecond);

// A far velocity of 1 ft/s: the coefficient settles only after some 250 passes.
void BM_ChronographBcFarVelocity1(benchmark::State& state) {
    vorlan::ChronographBcSolver solver = vorlan::shotChronographBcSolver(load308());
    solver.nearVelocity = 2700.0;
    solver.farVelocity = 1.0;
    solver.distance = 300.0;
    int passes = 0;
    for (auto _ : state) {
        const vorlan::ChronographBc bc = solver.solve();
        passes = bc.passes;
        benchmark::DoNotOptimize(bc);
    }
    state.counters["passes"] = passes;
}
BENCHMARK(BM_ChronographBcFarVelocity1)->Unit(benchmark::kMillisecond);

}  // namespace
