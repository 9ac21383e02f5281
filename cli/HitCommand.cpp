#include <iostream>
#include <optional>
#include <thread>

#include "cli/Commands.h"
#include "engine/HitProbability.h"
#include "shot/CLocaleNumbers.h"
#include "shot/HitShotKeys.h"
#include "shot/ShotCheck.h"
#include "shot/ShotSetup.h"

namespace vorlan::cli {

namespace {

struct HitFlags {
    std::string path;
    int runs = kDefaultHitRuns;
    std::uint64_t seed = 1;
    int threads = 0;
    std::string target;
    std::optional<double> velocitySd, coefficientSd, windSd, windDirectionSd, precision, cantSd, level;
    std::string rangeSd;
    std::string sweep;
    bool csv = false;
};

constexpr int kMostRanges = 10000;

// "FROM:TO:STEP" in whole yards.
std::vector<int> sweepRanges(const std::string& text) {
    int from = 0, to = 0, step = 0;
    char tail = 0;
    const bool read = std::sscanf(text.c_str(), "%d:%d:%d%c", &from, &to, &step, &tail) == 3;
    if (!read || from < 1 || to < from || to > TrajectorySolver::kMarchLimit || step < 1 ||
        (to - from) / step >= kMostRanges)
        throw UsageError("'" + text + "' is not a sweep FROM:TO:STEP in whole yards (1 <= FROM <= TO, STEP >= 1, " +
                         cFormat("at most %d ranges)", kMostRanges));
    std::vector<int> ranges;
    for (int range = from; range <= to; range += step) ranges.push_back(range);
    return ranges;
}

// The shot's hit inputs with the flags laid over them.
void applyFlags(const HitFlags& flags, HitInputs& hit) {
    const std::pair<const std::optional<double>*, double*> numbers[] = {
        {&flags.velocitySd, &hit.spreads.velocitySd},
        {&flags.coefficientSd, &hit.spreads.coefficientSdPercent},
        {&flags.windSd, &hit.spreads.windSd},
        {&flags.windDirectionSd, &hit.spreads.windDirectionSd},
        {&flags.precision, &hit.spreads.precisionMoa},
        {&flags.cantSd, &hit.spreads.cantSd},
        {&flags.level, &hit.level},
    };
    for (const auto& [flag, value] : numbers)
        if (flag->has_value()) *value = **flag;
    if (!flags.rangeSd.empty()) {
        const std::optional<HitSpreads> spreads = parseRangeSpread(flags.rangeSd, hit.spreads);
        if (!spreads) throw UsageError("'" + flags.rangeSd + "' is not a range spread in yards or a percentage (5%)");
        hit.spreads = *spreads;
    }
    if (!flags.target.empty()) {
        const std::optional<HitTarget> target = parseTargetSize(flags.target);
        if (!target) throw UsageError("'" + flags.target + "' is not a target such as 8in or 10x20in");
        hit.target = *target;
    }
}

std::string targetText(const HitTarget& target) {
    if (target.shape == HitTarget::Shape::Circle) return cFormat("circle %g in", target.width);
    return cFormat("rectangle %g x %g in", target.width, target.height);
}

void runHit(const HitFlags& flags) {
    ShotParameters shot = loadShot(flags.path);
    applyFlags(flags, shot.hit);
    if (const std::string problem = shotProblem(shot); !problem.empty()) throw UsageError(problem);
    const std::vector<int> ranges = flags.sweep.empty() ? shotHitRanges(shot) : sweepRanges(flags.sweep);
    if (ranges.empty()) throw UsageError("the shot's table has no range to count hits at; give --sweep");
    const HitTarget target = shotHitTarget(shot);
    if (!target.isSet()) throw UsageError("the target has no size; give --target or the shot's Target Diameter");
    HitRunOptions options = shotHitOptions(shot);
    options.runs = flags.runs;
    options.seed = flags.seed;
    options.threads = flags.threads;
    const HitProbabilityResult result = shotHitProbability(shot, ranges, options);
    if (flags.csv) {
        std::cout << "range_yd,p_hit,p_hit_se\n";
        for (const HitRangeFigure& figure : result.figures) {
            std::string line = std::to_string(figure.range) + ",";
            appendRoundTrip(line, figure.probability);
            line += ',';
            appendRoundTrip(line, figure.standardError);
            std::cout << line << '\n';
        }
        return;
    }
    printValue(std::cout, "target", targetText(target));
    printValue(std::cout, "runs", std::to_string(result.runs));
    printValue(std::cout, "seed", std::to_string(flags.seed));
    for (const HitRangeFigure& figure : result.figures) {
        const std::string label = std::to_string(figure.range) + " yd";
        printValue(std::cout, label.c_str(), cFormat("%.4f +/- %.4f", figure.probability, figure.standardError));
    }
    for (const HitRangeFigure& figure : result.figures)
        if (figure.range == static_cast<int>(std::round(shot.targetRange))) {
            printValue(std::cout, "p_hit",
                       cFormat("%.4f +/- %.4f at the target range of %d yd", figure.probability, figure.standardError,
                               figure.range));
            break;
        }
    const std::optional<int> ethical = ethicalRange(result.figures, shot.hit.level);
    printValue(std::cout, "ethical_range",
               (ethical ? std::to_string(*ethical) + " yd" : std::string("none")) +
                   cFormat(" (P(hit) at or above %g)", shot.hit.level));
    const std::string misses =
        missCausesText(missCauses(setUpHitShot(shot), shot.hit.spreads, target, ranges, options));
    if (!misses.empty()) printValue(std::cout, "misses", misses);
}

}  // namespace

void addHitCommand(CLI::App& app) {
    auto* command = app.add_subcommand("hit", "Print the probability of a first-shot hit at every range");
    auto flags = std::make_shared<HitFlags>();
    command->add_option("shot", flags->path, "Shot file (.vxf)")->required();
    command->add_option("--runs", flags->runs, "Sampled shots (default 10000)")->check(CLI::Range(1, 10000000));
    command->add_option("--seed", flags->seed, "Seed of the samples: the same seed gives the same figures");
    command->add_option("--threads", flags->threads, "Threads (default 0: every core)")->check(CLI::Range(0, 1024));
    command->add_option("--target", flags->target, "Target: 8in (a circle) or 10x20in (width x height)");
    command->add_option("--mv-sd", flags->velocitySd, "Muzzle-velocity standard deviation, ft/s");
    command->add_option("--bc-sd", flags->coefficientSd, "Coefficient standard deviation, percent");
    command->add_option("--range-sd", flags->rangeSd, "Range-estimate standard deviation, yd (or 5% of the range)");
    command->add_option("--wind-sd", flags->windSd, "Wind-call standard deviation, mph");
    command->add_option("--wind-direction-sd", flags->windDirectionSd, "Wind-direction standard deviation, degrees");
    command->add_option("--precision", flags->precision, "Rifle and shooter: standard deviation per axis, MOA");
    command->add_option("--cant-sd", flags->cantSd, "Cant standard deviation, degrees");
    command->add_option("--sweep", flags->sweep, "Ranges FROM:TO:STEP in yards (default: the table's ranges)");
    command->add_option("--level", flags->level, "P(hit) an ethical shot must reach (default 0.9)");
    command->add_flag("--csv", flags->csv, "range_yd,p_hit,p_hit_se, one row per range");
    command->callback([flags] { runHit(*flags); });
}

}  // namespace vorlan::cli
