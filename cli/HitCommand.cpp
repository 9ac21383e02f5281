#include <chrono>
#include <condition_variable>
#include <iostream>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>
#include <tuple>

#include "cli/Commands.h"
#include "engine/Catalogue.h"
#include "engine/HitBudget.h"
#include "shot/CLocaleNumbers.h"
#include "shot/HitShotKeys.h"
#include "shot/ShotCheck.h"
#include "shot/ShotSetup.h"
#include "shot/TextNumbers.h"

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
    bool sweepGiven = false;  // an empty --sweep is refused, not the default
    bool csv = false;
    std::string method = "budget";
    UnitSystem units = UnitSystem::Imperial;  // of the ranges, speeds and target given and printed
};

constexpr int kMostRanges = 10000;
constexpr int kMostRuns = 10000000;

// The unit ranges are given and printed in: "yd" or "m".
const char* rangeUnit(UnitSystem units) { return unitLabelIn(Quantity::Distance, units); }

// The farthest range a flight reaches, in whole yards or metres.
int farthestRange(UnitSystem units) {
    return static_cast<int>(std::floor(shownIn(TrajectorySolver::kMarchLimit, Quantity::Distance, units)));
}

// "FROM:TO:STEP" in whole yards (or metres), each read whole (no wrap, no rounding).
std::vector<int> sweepRanges(const std::string& text, UnitSystem units) {
    const int farthest = farthestRange(units);
    const char* sentence = units == UnitSystem::Metric ? N_("--sweep: '%1' is not FROM:TO:STEP in whole metres (1 <= "
                                                            "FROM <= TO <= %2, STEP >= 1, at most %3 ranges)")
                                                       : N_("--sweep: '%1' is not FROM:TO:STEP in whole yards (1 <= "
                                                            "FROM <= TO <= %2, STEP >= 1, at most %3 ranges)");
    const std::string refusal = translated(sentence, {text, std::to_string(farthest), std::to_string(kMostRanges)});
    std::vector<std::int64_t> parts;
    std::string_view rest = text;
    for (int i = 0; i < 3; ++i) {
        const std::size_t colon = i < 2 ? rest.find(':') : rest.size();
        if (colon == std::string_view::npos) throw UsageError(refusal);
        const std::optional<std::int64_t> part = wholeNumber(rest.substr(0, colon), 1, farthest);
        if (!part) throw UsageError(refusal);
        parts.push_back(*part);
        rest.remove_prefix(std::min(colon + 1, rest.size()));
    }
    const auto [from, to, step] = std::tuple(parts[0], parts[1], parts[2]);
    if (to < from || (to - from) / step >= kMostRanges) throw UsageError(refusal);
    std::vector<int> ranges;
    for (std::int64_t range = from; range <= to; range += step) ranges.push_back(static_cast<int>(range));
    return ranges;
}

// A typed value of `quantity` in the flags' units: the spreads are differences, which the
// units' zero (of degrees) does not move.
double designedSpread(double typed, Quantity quantity, UnitSystem units) {
    return toDesigned(typed, quantity, UnitChoice::preset(units).of(quantity));
}

// A target typed in inches, or in metric in centimetres ("20cm", "20x40cm"); in inches.
std::optional<HitTarget> targetTyped(std::string_view text, UnitSystem units) {
    if (units == UnitSystem::Imperial) return parseTargetSize(text);
    text = trimmedBlanks(text);
    if (text.size() > 2 && equalsNoCase(text.substr(text.size() - 2), "cm")) text.remove_suffix(2);
    if (text.size() > 2 && equalsNoCase(text.substr(text.size() - 2), "in")) return std::nullopt;
    std::optional<HitTarget> target = parseTargetSize(text);
    if (!target) return std::nullopt;
    for (double* size : {&target->width, &target->height}) *size = designedSpread(*size, Quantity::Offset, units);
    return target;
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
    if (flags.velocitySd) hit.spreads.velocitySd = designedSpread(*flags.velocitySd, Quantity::Velocity, flags.units);
    if (flags.windSd) hit.spreads.windSd = designedSpread(*flags.windSd, Quantity::Speed, flags.units);
    const bool metric = flags.units == UnitSystem::Metric;
    if (!flags.rangeSd.empty()) {
        std::optional<HitSpreads> spreads = parseRangeSpread(flags.rangeSd, hit.spreads);
        if (!spreads)
            throw UsageError(translated(metric ? N_("'%1' is not a range spread in metres or a percentage (5%)")
                                               : N_("'%1' is not a range spread in yards or a percentage (5%)"),
                                        {flags.rangeSd}));
        if (!spreads->rangeSdPercent)
            spreads->rangeSd = designedSpread(spreads->rangeSd, Quantity::Distance, flags.units);
        hit.spreads = *spreads;
    }
    if (!flags.target.empty()) {
        const std::optional<HitTarget> target = targetTyped(flags.target, flags.units);
        if (!target)
            throw UsageError(translated(metric ? N_("'%1' is not a target such as 20cm or 25x50cm")
                                               : N_("'%1' is not a target such as 8in or 10x20in"),
                                        {flags.target}));
        hit.target = *target;
    }
}

// Tells on standard error how far a long run has got, once a second after its first two:
// a short run says nothing.
class RunProgress {
public:
    explicit RunProgress(std::int64_t total) : total_(total), reporter_([this] { report(); }) {}
    ~RunProgress() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        woken_.notify_one();
        reporter_.join();
        if (told_) std::cerr << '\n';
    }
    std::atomic<std::int64_t> flown{0};

private:
    void report() {
        std::unique_lock lock(mutex_);
        auto wait = std::chrono::seconds(2);
        while (!woken_.wait_for(lock, wait, [this] { return done_; })) {
            std::cerr << cFormat("\rvorlan-cli: hit: %lld of %lld samples flown", static_cast<long long>(flown.load()),
                                 static_cast<long long>(total_))
                      << std::flush;
            told_ = true;
            wait = std::chrono::seconds(1);
        }
    }
    std::int64_t total_;
    std::mutex mutex_;
    std::condition_variable woken_;
    bool done_ = false;
    bool told_ = false;
    std::thread reporter_;
};

std::string targetText(const HitTarget& target, UnitSystem units) {
    const double width = shownIn(target.width, Quantity::Offset, units);
    const char* unit = unitLabelIn(Quantity::Offset, units);
    if (target.shape == HitTarget::Shape::Circle) return translated("circle %1 %2", {cFormat("%g", width), unit});
    return translated("rectangle %1 x %2 %3",
                      {cFormat("%g", width), cFormat("%g", shownIn(target.height, Quantity::Offset, units)), unit});
}

// The ranges and the target of a run, the shot's inputs checked.
struct HitRun {
    ShotParameters shot;
    std::vector<int> ranges;
    HitTarget target;
    HitRunOptions options;
    int targetRange = 0;  // among the ranges, in their unit; 0 for none
};

HitRun hitRun(const HitFlags& flags) {
    HitRun run{loadShot(flags.path), {}, {}, {}};
    applyFlags(flags, run.shot.hit);
    const ShotParameters& shot = run.shot;
    if (const std::string problem = shotProblem(shot); !problem.empty()) throw UsageError(problem);
    if (!hitSpreadsSet(shot))
        throw UsageError(
            translated("no spread to count misses with: give one or more of --mv-sd, --bc-sd, --range-sd, --wind-sd, "
                       "--wind-direction-sd, --precision or --cant-sd"));
    run.ranges = flags.sweepGiven ? sweepRanges(flags.sweep, flags.units) : shotHitRanges(shot, 0, flags.units);
    if (run.ranges.empty())
        throw UsageError(translated("the shot's table has no range to count hits at; give --sweep"));
    run.target = shotHitTarget(shot);
    if (!run.target.isSet())
        throw UsageError(translated("the target has no size; give --target or the shot's Target Diameter"));
    run.options = shotHitOptions(shot);
    run.options.runs = flags.runs;
    run.options.seed = flags.seed;
    run.options.threads = flags.threads;
    run.options.rangeUnit = flags.units;
    run.targetRange = shotHitTargetRange(shot, flags.units);
    return run;
}

std::string figureText(const HitRangeFigure& figure) {
    if (!figure.sampled) return cFormat("%.4f", figure.probability);
    return cFormat("%.4f +/- %.4f", figure.probability, figure.standardError);
}

// The lines after the figures: P(hit) at the target range, the ethical range and the misses.
void printVerdict(const HitRun& run, const std::vector<HitRangeFigure>& figures, const std::string& misses,
                  bool flagSampled) {
    const ShotParameters& shot = run.shot;
    const char* unit = rangeUnit(run.options.rangeUnit);
    for (const HitRangeFigure& figure : figures)
        if (figure.range == run.targetRange) {
            const char* sentence = flagSampled && figure.sampled ? N_("%1 at the target range of %2 %3 (sampled)")
                                                                 : N_("%1 at the target range of %2 %3");
            printValue(std::cout, "p_hit",
                       translated(sentence, {figureText(figure), std::to_string(figure.range), unit}));
            break;
        }
    const std::optional<int> ethical = ethicalRange(figures, shot.hit.level);
    const std::string level = cFormat("%g", shot.hit.level);
    printValue(std::cout, "ethical_range",
               ethical ? translated("%1 %2 (P(hit) at or above %3)", {std::to_string(*ethical), unit, level})
                       : translated("none (P(hit) at or above %1)", {level}));
    if (!misses.empty()) printValue(std::cout, "misses", misses);
}

// range_yd (range_m),p_hit,p_hit_se rows, and with `method` how each was counted.
void printCsv(const std::vector<HitRangeFigure>& figures, bool method, UnitSystem units) {
    std::cout << (units == UnitSystem::Metric ? "range_m" : "range_yd")
              << (method ? ",p_hit,p_hit_se,method\n" : ",p_hit,p_hit_se\n");
    for (const HitRangeFigure& figure : figures) {
        std::string line = std::to_string(figure.range) + ",";
        appendRoundTrip(line, figure.probability);
        line += ',';
        appendRoundTrip(line, figure.standardError);
        if (method) line += figure.sampled ? ",sampled" : ",budget";
        std::cout << line << '\n';
    }
}

// The samples alone: a run, then (but for the CSV) one more for each spread in force to put
// the misses down to it.
void runSampled(const HitFlags& flags, HitRun& run) {
    int passes = 1;
    for (int i = 0; i < kHitSpreadCount && !flags.csv; ++i)
        passes += spreadInForce(run.shot.hit.spreads, static_cast<HitSpread>(i)) ? 1 : 0;
    RunProgress progress(std::int64_t{flags.runs} * passes);
    run.options.flown = &progress.flown;
    const HitProbabilityResult result = shotHitProbability(run.shot, run.ranges, run.options);
    if (flags.csv) return printCsv(result.figures, false, flags.units);
    printValue(std::cout, "target", targetText(run.target, flags.units));
    printValue(std::cout, "runs", std::to_string(result.runs));
    printValue(std::cout, "seed", std::to_string(flags.seed));
    for (const HitRangeFigure& figure : result.figures)
        printValue(std::cout, (std::to_string(figure.range) + " " + rangeUnit(flags.units)).c_str(),
                   figureText(figure));
    printVerdict(
        run, result.figures,
        missCausesText(missCauses(setUpHitShot(run.shot), run.shot.hit.spreads, run.target, run.ranges, run.options),
                       flags.units),
        false);
}

// "the wind call 61 %, the precision 30 %, ...": the spreads' shares of the impact's variance.
std::string sharesText(const std::array<double, kHitSpreadCount>& shares) {
    std::string text;
    for (int i = 0; i < kHitSpreadCount; ++i)
        if (shares[static_cast<std::size_t>(i)] > 0.0)
            text += cFormat("%s%s %.0f %%", text.empty() ? "" : ", ", hitSpreadName(static_cast<HitSpread>(i)),
                            100.0 * shares[static_cast<std::size_t>(i)]);
    return text;
}

// The error budget, the samples where it is not enough.
void runBudget(const HitFlags& flags, HitRun& run) {
    RunProgress progress(flags.runs);
    run.options.flown = &progress.flown;
    const HitBudgetResult result = shotHitBudget(run.shot, run.ranges, run.options);
    const std::vector<HitRangeFigure>& figures = result.hits.figures;
    if (flags.csv) return printCsv(figures, true, flags.units);
    printValue(std::cout, "target", targetText(run.target, flags.units));
    printValue(std::cout, "method",
               result.sampledRanges == 0
                   ? std::string(translated("error budget"))
                   : translated("error budget; %1 of %2 ranges sampled (%3 samples, seed %4)",
                                {std::to_string(result.sampledRanges), std::to_string(figures.size()),
                                 std::to_string(result.hits.runs), std::to_string(flags.seed)}));
    for (const HitRangeFigure& figure : figures)
        printValue(std::cout, (std::to_string(figure.range) + " " + rangeUnit(flags.units)).c_str(),
                   figure.sampled ? translated("%1 sampled", {figureText(figure)}) : figureText(figure));
    printVerdict(run, figures, missCausesText(result.causes, flags.units), true);
    // What decides the misses at the target range, else at the last.
    std::size_t at = figures.size() - 1;
    for (std::size_t r = 0; r < figures.size(); ++r)
        if (figures[r].range == run.targetRange) at = r;
    if (const std::string shares = sharesText(result.shares[at]); !shares.empty())
        printValue(std::cout, "variance",
                   translated("at %1 %2: %3", {std::to_string(figures[at].range), rangeUnit(flags.units), shares}));
}

void runHit(const HitFlags& flags) {
    const std::optional<HitMethod> method = hitMethodNamed(flags.method);
    if (!method) throw UsageError(translated("--method: '%1' is not budget or sampled", {flags.method}));
    HitRun run = hitRun(flags);
    if (*method == HitMethod::Sampled)
        runSampled(flags, run);
    else
        runBudget(flags, run);
}

}  // namespace

void addHitCommand(CLI::App& app) {
    auto* command = app.add_subcommand("hit", translated("Print the probability of a first-shot hit at every range"));
    auto flags = std::make_shared<HitFlags>();
    command->add_option("shot", flags->path, translated("Shot file (.vxf)"))->required();
    addUnitSystemOption(command, flags->units, N_("ranges in metres, speeds in m/s, the target in cm"), false);
    command
        ->add_option(
            "--runs", flags->runs,
            translated(
                "Sampled shots (default 10000); a run of more than two seconds tells its progress on standard error"))
        ->check(wholeWithin(1, kMostRuns));
    command->add_option("--seed", flags->seed, translated("Seed of the samples: the same seed gives the same figures"))
        ->check(unsignedWhole());
    command->add_option("--threads", flags->threads, translated("Threads (default 0: every core)"))
        ->check(wholeWithin(0, 1024));
    command
        ->add_option("--target", flags->target,
                     translated("Target: 8in (a circle) or 10x20in (width x height); in metric 20cm or 25x50cm"))
        ->check(given());
    command
        ->add_option("--mv-sd", flags->velocitySd,
                     translated("Muzzle-velocity standard deviation, ft/s (m/s in metric)"))
        ->check(finiteNumber());
    command->add_option("--bc-sd", flags->coefficientSd, translated("Coefficient standard deviation, percent"))
        ->check(finiteNumber());
    command
        ->add_option("--range-sd", flags->rangeSd,
                     translated("Range-estimate standard deviation, yd (m in metric), or 5% of the range"))
        ->check(given());
    command->add_option("--wind-sd", flags->windSd, translated("Wind-call standard deviation, mph (m/s in metric)"))
        ->check(finiteNumber());
    command
        ->add_option("--wind-direction-sd", flags->windDirectionSd,
                     translated("Wind-direction standard deviation, degrees"))
        ->check(finiteNumber());
    command
        ->add_option("--precision", flags->precision, translated("Rifle and shooter: standard deviation per axis, MOA"))
        ->check(finiteNumber());
    command->add_option("--cant-sd", flags->cantSd, translated("Cant standard deviation, degrees"))
        ->check(finiteNumber());
    auto* sweep =
        command->add_option("--sweep", flags->sweep,
                            translated("Ranges FROM:TO:STEP in yards (metres in metric; default: the table's ranges)"));
    command->add_option("--level", flags->level, translated("P(hit) an ethical shot must reach (default 0.9)"))
        ->check(finiteNumber());
    command->add_flag(
        "--csv", flags->csv,
        translated("range_yd (range_m),p_hit,p_hit_se, one row per range (with the budget, and each row's method)"));
    command
        ->add_option("--method", flags->method,
                     translated("budget (default): the error budget, sampled where the impact is far from linear; "
                                "sampled: every range from the samples"))
        ->check(given());
    command->callback([flags, sweep] {
        flags->sweepGiven = sweep->count() > 0;
        runHit(*flags);
    });
}

}  // namespace vorlan::cli
