#include "engine/HitProbability.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <thread>
#include <tuple>
#include <utility>

#include "engine/Ballistics.h"
#include "engine/HitFlight.h"

namespace vorlan {

namespace {

// A spread missing fewer than one shot in a hundred decides nothing worth saying.
constexpr double kNoticeableMisses = 0.01;

constexpr std::array<const char*, kHitSpreadCount> kSpreadNames = {
    "the muzzle velocity", "the coefficient", "the range estimate", "the wind call", "the precision", "the cant",
};

// Mean extreme spread of n shots (index n) in standard deviations per axis of a circular
// normal spread; two shots: sqrt(pi).
constexpr std::array<double, 11> kGroupFactor = {0, 0, 1.7725, 2.409, 2.794, 3.066, 3.273, 3.441, 3.586, 3.707, 3.813};

bool flightSpreads(const HitSpreads& s) {
    return s.velocitySd > 0.0 || s.coefficientSdPercent > 0.0 || s.windSd > 0.0 || s.windDirectionSd > 0.0 ||
           s.cantSd > 0.0;
}

// Everything the samples share: the ranges, the flight as entered (its rows every yard give
// the holds) and the flight each sample starts from.
struct HitPlan {
    const HitSpreads& spreads;
    const HitTarget& target;
    const std::vector<int>& ranges;
    const HitRunOptions& options;
    HitFlights flights;
    bool flies = false;  // some spread changes the flight; else every sample flies the nominal
    int scatterIndex = -1;
};

// One sample's inputs: its draws in the order the streams have always given them.
SpreadDraws sampleDraws(SampleStream& stream) {
    SpreadDraws d;
    std::tie(d.velocity, d.coefficient) = stream.normals();
    std::tie(d.windSpeed, d.windDirection) = stream.normals();
    d.cant = stream.normals().first;
    return d;
}

// Counts the hits of samples [first, last) into `hits` (one per range).
void flySamples(const HitPlan& plan, TrajectorySolver& flight, int first, int last, std::vector<int>& hits,
                std::vector<HitImpact>& impacts) {
    const HitSpreads& s = plan.spreads;
    const double precision = moaToRadians(s.precisionMoa) * TrajectorySolver::kStep;  // ft per yd of range
    const TrajectorySolver& flown = plan.flies ? flight : plan.flights.nominal;
    if (plan.flights.nominal.lastRowIndex < 1) return;  // a shot that never leaves the muzzle has no holds and no hits
    for (int sample = first; sample < last; ++sample) {
        SampleStream stream(plan.options.seed, static_cast<std::uint64_t>(sample));
        if (plan.flies) {
            strayFlight(flight, plan.flights.nominal, s, plan.flights.wind, sampleDraws(stream));
            flight.computeTrajectory();
        } else {
            for (int i = 0; i < 3; ++i) stream.normals();  // keep the streams in step with a flown run
        }
        for (std::size_t r = 0; r < plan.ranges.size(); ++r) {
            const double range = rangeYards(plan.ranges[r], plan.options.rangeUnit);
            const auto [precisionX, precisionY] = stream.normals();
            const auto [rangeError, unused] = stream.normals();
            (void)unused;
            const std::optional<TrajectoryPoint> point = flightRowAt(flown, range);
            if (!point) continue;  // the bullet never gets there
            const double rangeSd = rangeSpreadAt(s, range);
            const Hold hold = holdAt(plan.flights.nominal, range + rangeError * rangeSd, plan.options.firstRow);
            const double x = (point->windage - hold.windage * range + precisionX * precision * range) * 12.0;
            const double y = (point->drop - hold.drop * range + precisionY * precision * range) * 12.0;
            if (plan.target.contains(x, y)) ++hits[r];
            if (static_cast<int>(r) == plan.scatterIndex && sample < static_cast<int>(impacts.size()))
                impacts[static_cast<std::size_t>(sample)] = {x, y};
        }
    }
}

int threadCount(int asked, int blocks) {
    int threads = asked > 0 ? asked : static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(threads, 1, std::max(blocks, 1));
}

}  // namespace

bool HitTarget::contains(double x, double y) const {
    if (shape == Shape::Circle) return x * x + y * y <= width * width / 4.0;
    return std::fabs(x) <= width / 2.0 && std::fabs(y) <= height / 2.0;
}

const char* hitSpreadName(HitSpread spread) { return kSpreadNames[static_cast<std::size_t>(spread)]; }

// A spread is in force when what it alone leaves of the spreads spreads anything.
bool spreadInForce(const HitSpreads& s, HitSpread spread) {
    const HitSpreads only = onlySpread(s, spread);
    return flightSpreads(only) || only.rangeSd > 0.0 || only.precisionMoa > 0.0;
}

HitSpreads onlySpread(const HitSpreads& s, HitSpread spread) {
    HitSpreads only;
    only.rangeSdPercent = s.rangeSdPercent;
    switch (spread) {
        case HitSpread::Velocity:
            only.velocitySd = s.velocitySd;
            break;
        case HitSpread::Coefficient:
            only.coefficientSdPercent = s.coefficientSdPercent;
            break;
        case HitSpread::Range:
            only.rangeSd = s.rangeSd;
            break;
        case HitSpread::Wind:
            only.windSd = s.windSd;
            only.windDirectionSd = s.windDirectionSd;
            break;
        case HitSpread::Precision:
            only.precisionMoa = s.precisionMoa;
            break;
        case HitSpread::Cant:
            only.cantSd = s.cantSd;
            break;
    }
    return only;
}

double precisionFromGroup(double groupMoa, int shots) {
    if (shots < 2 || shots >= static_cast<int>(kGroupFactor.size())) return std::nan("");
    return groupMoa / kGroupFactor[static_cast<std::size_t>(shots)];
}

HitProbabilityResult computeHitProbability(const TrajectorySolver& shot, const HitSpreads& spreads,
                                           const HitTarget& target, const std::vector<int>& ranges,
                                           const HitRunOptions& options) {
    HitProbabilityResult result;
    if (ranges.empty() || options.runs <= 0) return result;
    HitPlan plan{spreads, target, ranges, options, hitFlights(shot, spreads, ranges, options.rangeUnit)};
    result.muzzleElevation = plan.flights.nominal.muzzleElevation;
    plan.flies = flightSpreads(spreads);
    for (std::size_t r = 0; r < ranges.size(); ++r)
        if (ranges[r] == options.scatterRange) plan.scatterIndex = static_cast<int>(r);

    std::vector<HitImpact> impacts(plan.scatterIndex >= 0 ? std::min(options.runs, options.scatterLimit) : 0,
                                   HitImpact{std::nan(""), std::nan("")});
    constexpr int kBlock = 64;
    const int blocks = (options.runs + kBlock - 1) / kBlock;
    std::atomic<int> nextBlock{0};
    std::atomic<bool> stopped{false};
    const auto work = [&](std::vector<int>& hits) {
        TrajectorySolver flight = plan.flights.flight;
        for (int block = nextBlock++; block < blocks; block = nextBlock++) {
            if (options.cancel && options.cancel->load(std::memory_order_relaxed)) {
                stopped = true;
                return;
            }
            const int last = std::min(options.runs, (block + 1) * kBlock);
            flySamples(plan, flight, block * kBlock, last, hits, impacts);
            if (options.flown) *options.flown += last - block * kBlock;
        }
    };
    const int threads = threadCount(options.threads, blocks);
    std::vector<std::vector<int>> hits(static_cast<std::size_t>(threads), std::vector<int>(ranges.size(), 0));
    std::vector<std::thread> workers;
    for (int t = 1; t < threads; ++t) workers.emplace_back(work, std::ref(hits[static_cast<std::size_t>(t)]));
    work(hits[0]);
    for (std::thread& worker : workers) worker.join();

    result.cancelled = stopped;
    result.runs = options.runs;
    const double n = options.runs;
    for (std::size_t r = 0; r < ranges.size(); ++r) {
        int total = 0;
        for (const std::vector<int>& counts : hits) total += counts[r];
        const double p = total / n;
        result.figures.push_back({ranges[r], total, p, std::sqrt(p * (1.0 - p) / n)});
    }
    for (const HitImpact& impact : impacts)
        if (!std::isnan(impact.x)) result.impacts.push_back(impact);
    return result;
}

std::optional<int> ethicalRange(const std::vector<HitRangeFigure>& figures, double level) {
    std::optional<int> range;
    for (const HitRangeFigure& figure : figures) {
        if (!(figure.probability >= level)) break;
        range = figure.range;
    }
    return range;
}

std::vector<MissCause> missCauses(const TrajectorySolver& shot, const HitSpreads& spreads, const HitTarget& target,
                                  const std::vector<int>& ranges, const HitRunOptions& options) {
    std::vector<MissCause> causes;
    for (const int range : ranges) causes.push_back({range, std::nullopt});
    std::vector<double> worst(ranges.size(), 0.0);
    HitRunOptions alone = options;
    alone.scatterRange = -1;
    for (int i = 0; i < kHitSpreadCount; ++i) {
        const auto spread = static_cast<HitSpread>(i);
        if (!spreadInForce(spreads, spread)) continue;
        const HitProbabilityResult run =
            computeHitProbability(shot, onlySpread(spreads, spread), target, ranges, alone);
        if (run.cancelled) return {};
        for (std::size_t r = 0; r < run.figures.size(); ++r) {
            const double misses = 1.0 - run.figures[r].probability;
            if (misses > worst[r] && misses >= kNoticeableMisses) {
                worst[r] = misses;
                causes[r].spread = spread;
            }
        }
    }
    return causes;
}

std::string missCausesText(const std::vector<MissCause>& causes, UnitSystem rangeUnit) {
    struct Stretch {
        HitSpread spread;
        int first, last;
    };
    std::vector<Stretch> stretches;
    for (const MissCause& cause : causes) {
        if (!cause.spread) continue;
        if (!stretches.empty() && stretches.back().spread == *cause.spread)
            stretches.back().last = cause.range;
        else
            stretches.push_back({*cause.spread, cause.range, cause.range});
    }
    if (stretches.empty()) return {};
    const char* const unit = rangeUnit == UnitSystem::Metric ? " m" : " yd";
    std::string text = std::string(hitSpreadName(stretches[0].spread)) + " decides most of the misses";
    text[0] = 'T';
    if (stretches.size() == 1) return text + ".";
    text += " up to " + std::to_string(stretches[0].last) + unit;
    for (std::size_t i = 1; i < stretches.size(); ++i) {
        text += std::string(", ") + hitSpreadName(stretches[i].spread);
        const Stretch& here = stretches[i];
        if (i + 1 < stretches.size() && here.first == here.last)
            text += " at " + std::to_string(here.first) + unit;
        else if (i + 1 < stretches.size())
            text += " from " + std::to_string(here.first) + " to " + std::to_string(here.last) + unit;
        else
            text += " beyond " + std::to_string(stretches[i - 1].last) + unit;
    }
    return text + ".";
}

}  // namespace vorlan
