// Figures for the hit probability: 10,000 sampled shots of the .308 load, each flown once to
// 1000 yd and counted at the 19 ranges from 100 to 1000 yd every 50, with every spread in
// force; on one thread and on every core, and the first 500 of them on every core.

#include <benchmark/benchmark.h>

#include "engine/HitProbability.h"
#include "shot/ShotSetup.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan {
namespace {

void hitProbability1000(benchmark::State& state) {
    ShotParameters shot = testing::load308();
    shot.crosswind = 10;
    const TrajectorySolver solver = setUpHitShot(shot);
    HitSpreads spreads;
    spreads.velocitySd = 10;
    spreads.coefficientSdPercent = 2;
    spreads.rangeSd = 10;
    spreads.windSd = 2;
    spreads.windDirectionSd = 0;
    spreads.precisionMoa = 0.5;
    spreads.cantSd = 1;
    const HitTarget target{HitTarget::Shape::Circle, 8.0, 0.0};
    std::vector<int> ranges;
    for (int range = 100; range <= 1000; range += 50) ranges.push_back(range);
    HitRunOptions options;
    options.runs = static_cast<int>(state.range(1));
    options.threads = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(computeHitProbability(solver, spreads, target, ranges, options));
    state.counters["per_sample"] =
        benchmark::Counter(options.runs, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
// Args: threads (0: every core) and samples; 500 samples are the Hit Probability window's first
// answer. Real time, since the work runs on threads of its own.
BENCHMARK(hitProbability1000)
    ->Args({1, 10000})
    ->Args({0, 10000})
    ->Args({0, 500})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace vorlan
