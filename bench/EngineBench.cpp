// Figures for the trajectory march: one integration step, and a whole 5000-yard range table
// (both trajectories with their zeroing, the windage correction and the report text).

#include <benchmark/benchmark.h>

#include "Ballistics.h"
#include "BenchShots.h"
#include "CalcTestLoads.h"
#include "RangeTable.h"
#include "ShotSetup.h"
#include "TrajectorySolver.h"

namespace vorlan {
namespace {

// The .308 load of the side-calculation figures, with wind and a 5000-yard table.
ShotParameters rifle308() {
    ShotParameters shot = testing::load308();
    shot.crosswind = 10;
    shot.incrementCount = 5000;
    return shot;
}
// 100 steps from the muzzle per iteration; "step" is the time of one.
void integrationStep(benchmark::State& state) {
    TrajectorySolver solver;
    setUpTrajectory(solver, rifle308(), kTableCantDivisor);
    solver.atmosphere.updateDerived();
    const StepContext context{solver.dragModel.coefficientAt,
                              kDragConstant / solver.dragModel.ballisticCoefficient,
                              1.0 / solver.atmosphere.speedOfSound,
                              0.0,
                              -kGravity,
                              0.0,
                              0.0,
                              0.0,
                              10 * kMphToFps};
    constexpr int kSteps = 100;
    for (auto _ : state) {
        FlightState flight{0, -0.125, 0, 2700, 5, 0, 2700, 0};
        for (int i = 0; i < kSteps; ++i) advanceOneYard(flight, context);
        benchmark::DoNotOptimize(flight);
    }
    state.counters["step"] =
        benchmark::Counter(kSteps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(integrationStep);

// Both trajectories with their zeroing and the windage correction.
void rangeTable5000(benchmark::State& state, ShotParameters shot) {
    for (auto _ : state) benchmark::DoNotOptimize(RangeTableReport(shot));
    state.counters["rows"] = static_cast<double>(RangeTableReport(shot).printedRows().size());
}
BENCHMARK_CAPTURE(rangeTable5000, rifle308, rifle308())->Unit(benchmark::kMicrosecond);

// The same and the report's text: what the Range Table button computes before the window.
void rangeTableText5000(benchmark::State& state, ShotParameters shot) {
    for (auto _ : state) {
        const RangeTableReport report(shot);
        benchmark::DoNotOptimize(rangeTableLines(shot, report));
    }
}
BENCHMARK_CAPTURE(rangeTableText5000, rifle308, rifle308())->Unit(benchmark::kMicrosecond);

ShotParameters airgun() {
    ShotParameters shot;
    shot.incrementCount = 5000;
    return shot;
}
BENCHMARK_CAPTURE(rangeTable5000, airgun, airgun())->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(rangeTable5000, fullLength, bench::longTableShot())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(rangeTableText5000, fullLength, bench::longTableShot())->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorlan
