// Figures for the trajectory march: one integration step, and a whole 5000-yard range table
// (both trajectories with their zeroing, the windage correction and the report text).

#include <benchmark/benchmark.h>

#include "bench/BenchShots.h"
#include "engine/AdvancedMarch.h"
#include "engine/Ballistics.h"
#include "engine/TrajectorySolver.h"
#include "reports/table/RangeTable.h"
#include "shot/ShotSetup.h"
#include "tests/support/CalcTestLoads.h"

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

// The .308 load with every advanced effect on: wind at 2 o'clock, a 1:10 twist, the Earth's
// rotation at 45 degrees north firing east, a warm powder, a custom drag table (G7's
// points) and three coefficient bands.
ShotParameters rifle308Advanced() {
    ShotParameters shot = testing::load308();
    AdvancedEffects& e = shot.advanced;
    e.windSpeed = 10;
    e.windDirection = 60;
    e.twistRate = 10;
    e.bulletLength = 1.24;
    e.coriolis = true;
    e.latitude = 45;
    e.azimuth = 90;
    e.powderSensitivity = 1.5;
    e.powderTemperature = 90;
    const dragtables::DragTable& g7 = dragtables::kTables[4];
    e.customDrag.assign(g7.points, g7.points + g7.count);
    e.bcBands = {{2500, 0.25}, {2000, 0.24}, {0, 0.23}};
    return shot;
}

// One step of the extended march with every effect on, as integrationStep times the designed one.
void integrationStepAdvanced(benchmark::State& state) {
    const ShotParameters shot = rifle308Advanced();
    const StepContext base{
        coefficientRoutine(4), kDragConstant / 0.243, 1.0 / 1116.45, 0.0, -kGravity, 0.0, 0.0, 0.0, 0.0};
    const AdvancedStepContext context = advancedStepContext(base, shot.advanced, 1.0, 0.0, 0.0);
    constexpr int kSteps = 100;
    for (auto _ : state) {
        AdvancedFlightState flight{};
        flight.y = -0.125;
        flight.vx = 2700;
        flight.vy = 5;
        flight.speed = 2700;
        for (int i = 0; i < kSteps; ++i) advanceOneYard(flight, context);
        benchmark::DoNotOptimize(flight);
    }
    state.counters["step"] =
        benchmark::Counter(kSteps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(integrationStepAdvanced);

// A zero at 100 yd and a 1000-yd table (both trajectories, the report's rows), designed and
// with every advanced effect on.
ShotParameters table1000(ShotParameters shot) {
    shot.sightInRange = 100;
    shot.rangeIncrement = 1;
    shot.incrementCount = 1000;
    return shot;
}
void rangeTable1000(benchmark::State& state, ShotParameters shot) {
    for (auto _ : state) benchmark::DoNotOptimize(RangeTableReport(shot));
}
BENCHMARK_CAPTURE(rangeTable1000, designed, table1000(testing::load308()))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(rangeTable1000, advanced, table1000(rifle308Advanced()))->Unit(benchmark::kMicrosecond);
// The same with the zero taken in the conditions of another day (one zero run more), and with
// winds in three zones and the aerodynamic jump on top of every effect.
ShotParameters zeroedElsewhere(ShotParameters shot) {
    shot.advanced.zeroConditions = true;
    shot.advanced.zeroTemperature = 20;
    return shot;
}
ShotParameters zonesAndJump(ShotParameters shot) {
    shot.advanced.windZones = {{300, 10, 60}, {600, 12, 90}, {1000, 8, 120}};
    shot.advanced.aerodynamicJump = true;
    return shot;
}
BENCHMARK_CAPTURE(rangeTable1000, zeroConditions, table1000(zeroedElsewhere(testing::load308())))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(rangeTable1000, zonesAndJump, table1000(zonesAndJump(rifle308Advanced())))
    ->Unit(benchmark::kMicrosecond);

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
