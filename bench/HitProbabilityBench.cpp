// Figures for the hit probability: 10,000 sampled shots of the .308 load, each flown once to
// 1000 yd and counted at the 19 ranges from 100 to 1000 yd every 50, with every spread in
// force; on one thread and on every core, and the first 500 of them on every core. Beside
// them the error budget of the same shot and ranges, and the Hit Probability window's answer
// (the budget at its 40 ranges and the target's, the shot set up from its record).

#include <benchmark/benchmark.h>

#include "engine/HitProbability.h"
#include "shot/ShotSetup.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan {
namespace {

// The .308 with every spread in force, into a 10 mph crosswind.
ShotParameters everySpread() {
    ShotParameters shot = testing::load308();
    shot.crosswind = 10;
    shot.hit.spreads = {.velocitySd = 10,
                        .coefficientSdPercent = 2,
                        .rangeSd = 10,
                        .windSd = 2,
                        .windDirectionSd = 10,
                        .precisionMoa = 0.5,
                        .cantSd = 1};
    shot.hit.target = {HitTarget::Shape::Circle, 8.0, 0.0};
    shot.targetRange = 600;
    return shot;
}

std::vector<int> nineteenRanges() {
    std::vector<int> ranges;
    for (int range = 100; range <= 1000; range += 50) ranges.push_back(range);
    return ranges;
}

void hitProbability1000(benchmark::State& state) {
    const ShotParameters shot = everySpread();
    const TrajectorySolver solver = setUpHitShot(shot);
    const HitSpreads& spreads = shot.hit.spreads;
    const HitTarget& target = shot.hit.target;
    const std::vector<int> ranges = nineteenRanges();
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

// The error budget at the same 19 ranges, and the misses put down to the spreads.
void hitBudget1000(benchmark::State& state) {
    const ShotParameters shot = everySpread();
    const TrajectorySolver solver = setUpHitShot(shot);
    const std::vector<int> ranges = nineteenRanges();
    for (auto _ : state)
        benchmark::DoNotOptimize(computeHitBudget(solver, shot.hit.spreads, shot.hit.target, ranges, HitRunOptions{}));
}
BENCHMARK(hitBudget1000)->Unit(benchmark::kMillisecond);

// The window's answer: the shot set up, the budget at its ranges with the scatter drawn.
void hitBudgetWindow(benchmark::State& state) {
    const ShotParameters shot = everySpread();
    const std::vector<int> ranges = shotHitRanges(shot, kHitCurveRanges);
    HitRunOptions options = shotHitOptions(shot);
    options.scatterRange = 600;
    for (auto _ : state) benchmark::DoNotOptimize(shotHitBudget(shot, ranges, options));
    state.counters["ranges"] = static_cast<double>(ranges.size());
}
BENCHMARK(hitBudgetWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorlan
