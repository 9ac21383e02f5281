// Figures for truing: a fit from ten holds, 300 to 1200 yd, of a rifle whose velocity and drag
// function differ from its shot's (the fit flies the shot for every nudge of every value).

#include <benchmark/benchmark.h>

#include "shot/ShotSetup.h"
#include "shot/Truing.h"
#include "tests/support/CalcTestLoads.h"
#include "tests/support/ObservedHolds.h"

namespace vorlan {
namespace {

std::vector<Observation> tenHolds() {
    ShotParameters truth = testing::load308();
    truth.velocity = 2650.0;
    truth.dragFunction = 0;
    truth.ballisticCoefficient = 0.47;
    return testing::holdsOf(truth, {300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200});
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
