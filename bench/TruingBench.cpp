// Figures for truing: a fit from ten holds, 300 to 1200 yd, of a rifle whose velocity and drag
// function differ from its shot's (the fit flies the shot for every nudge of every value).

#include <benchmark/benchmark.h>

#include "shot/ShotSetup.h"
#include "shot/Truing.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan {
namespace {

std::vector<Observation> tenHolds() {
    ShotParameters truth = testing::load308();
    truth.velocity = 2650.0;
    truth.dragFunction = 0;
    truth.ballisticCoefficient = 0.47;
    TrajectorySolver t;
    setUpTrajectory(t, truth, kTableCantDivisor);
    t.lastRange = 1200;
    t.computeTrajectory();
    std::vector<Observation> observations;
    for (int range = 300; range <= 1200; range += 100) {
        Observation o;
        o.range = range;
        o.upMoa =
            -std::atan(t.rows[static_cast<std::size_t>(range)].drop / (range * 3.0)) * 10800.0 / 3.141592653589793;
        observations.push_back(o);
    }
    return observations;
}

void truingFit(benchmark::State& state, TruingFit fit) {
    const ShotParameters shot = testing::load308();
    const std::vector<Observation> observations = tenHolds();
    int flights = 0;
    for (auto _ : state) {
        const TruingResult result = trueShot(shot, observations, fit);
        if (result.outcome != TruingResult::Outcome::Fitted) state.SkipWithError(result.message.c_str());
        flights = result.flights;
        benchmark::DoNotOptimize(result);
    }
    state.counters["flights"] = flights;
}
BENCHMARK_CAPTURE(truingFit, mach, TruingFit::Mach)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(truingFit, bc, TruingFit::Bc)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorlan
