// Figures for the trajectory march: one integration step, and a whole 5000-yard range table
// (both trajectories with their zeroing, the windage correction and the report text).

#include <benchmark/benchmark.h>

#include "Ballistics.h"
#include "RangeTable.h"
#include "ShotSetup.h"
#include "TrajectorySolver.h"

namespace vorlan {
namespace {

ShotParameters rifle308() {
    ShotParameters shot;
    shot.name = ".308 Win 175 gr";
    shot.caliber = ".308";
    shot.velocity = 2700;
    shot.weight = 175;
    shot.ballisticCoefficient = 0.243;
    shot.dragFunction = 4;  // G7
    shot.sightInRange = 100;
    shot.crosswind = 10;
    shot.rangeIncrement = 1;
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
                              solver.atmosphere.speedOfSound,
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

// A table that really flies all 5000 yards: a fast, slippery bullet fired uphill along the
// line of sight, so that it stays within the drop limit and above 50 ft/s.
ShotParameters longFlight() {
    ShotParameters shot = rifle308();
    shot.velocity = 4000;
    shot.ballisticCoefficient = 1.5;
    shot.muzzleAngleCorrection = false;
    shot.muzzleAngle = 150;
    return shot;
}
BENCHMARK_CAPTURE(rangeTable5000, fullLength, longFlight())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(rangeTableText5000, fullLength, longFlight())->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorlan
