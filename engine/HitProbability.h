#pragma once
// How likely the first shot hits a target aimed at its centre with the holds of the range
// table, when the shot is not quite as entered: the muzzle velocity varies from shot to shot,
// the coefficient is known to a few percent, the range is estimated, the wind is called, the
// rifle and shooter spread their shots, the rifle is canted. A Monte-Carlo run: every sample
// is one shot, flown once through all the ranges of interest with the muzzle angle of the
// shot as entered (the zero is taken once, for the shot as entered), and the hits counted
// per range.
//
// Each sample draws its numbers from a stream of its own, keyed by the seed and the sample's
// index, so the figures depend on the seed and the number of samples only, never on how many
// threads share the work or which thread flies which sample.

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/HitInputs.h"
#include "engine/TrajectorySolver.h"
#include "engine/Units.h"

namespace vorlan {

inline constexpr int kDefaultHitRuns = 10000;

// The inputs that spread the shots, in the order the misses are put down to them.
enum class HitSpread { Velocity, Coefficient, Range, Wind, Precision, Cant };
inline constexpr int kHitSpreadCount = 6;
// "the muzzle velocity", "the coefficient", "the range estimate", "the wind call", ...
const char* hitSpreadName(HitSpread spread);
// The spreads with only `spread` in force.
HitSpreads onlySpread(const HitSpreads& spreads, HitSpread spread);
bool spreadInForce(const HitSpreads& spreads, HitSpread spread);

// The standard deviation per axis (MOA) of shots whose groups of `shots` (2 to 10) measure
// `groupMoa` from centre to centre of the two farthest holes, on average: for a circular
// normal spread the mean extreme spread of n shots is a fixed multiple of the deviation
// (sqrt(pi) = 1.772 for two shots, 2.409 for three, 3.066 for five, 3.813 for ten). NaN for
// another number of shots.
double precisionFromGroup(double groupMoa, int shots);

struct HitRunOptions {
    int runs = kDefaultHitRuns;
    std::uint64_t seed = 1;
    int threads = 0;                             // 0: every core
    int scatterRange = -1;                       // keep the impacts at this range (yd), -1 none
    int scatterLimit = 2000;                     // at most this many of them
    int firstRow = 1;                            // yd: the table's first row; a shorter estimate holds for it
    const std::atomic<bool>* cancel = nullptr;   // set: the run stops early and says so
    std::atomic<std::int64_t>* flown = nullptr;  // set: counts the samples flown, as they are
    // What the ranges (the asked ones, the scatter range, the figures') are whole numbers of:
    // yards, or metres, each flown at its exact yards (100 m is 109.36 yd).
    UnitSystem rangeUnit = UnitSystem::Imperial;
};

struct HitRangeFigure {
    int range;  // in the run's range unit
    int hits;
    double probability;    // hits / runs
    double standardError;  // sqrt(p (1 - p) / runs); 0 for a figure of the error budget (HitBudget.h)
    bool sampled = true;   // counted by samples, not by the error budget
};

struct HitImpact {
    double x, y;  // inches from the target's centre, right and up
};

struct HitProbabilityResult {
    std::vector<HitRangeFigure> figures;  // one per range, in the order asked
    std::vector<HitImpact> impacts;       // the first samples' impacts at the scatter range
    int runs = 0;
    bool cancelled = false;
    double muzzleElevation = 0.0;  // rad: the zero every sample keeps
};

// Flies `runs` samples of the shot that `shot` describes (set up as the range table sets up
// its trajectory, zeroing included) and counts the hits on `target` at every range of
// `ranges` (whole yards or metres, 1 and more). `target` must be set.
HitProbabilityResult computeHitProbability(const TrajectorySolver& shot, const HitSpreads& spreads,
                                           const HitTarget& target, const std::vector<int>& ranges,
                                           const HitRunOptions& options);

// The last range of a run, in the order of its figures, up to which P(hit) stays at or
// above `level`; none when the first range already falls short.
std::optional<int> ethicalRange(const std::vector<HitRangeFigure>& figures, double level);

// Which spread decides most of the misses at each range: the one that, alone in force, misses
// most often. None at a range where no spread alone misses.
struct MissCause {
    int range;
    std::optional<HitSpread> spread;
};
std::vector<MissCause> missCauses(const TrajectorySolver& shot, const HitSpreads& spreads, const HitTarget& target,
                                  const std::vector<int>& ranges, const HitRunOptions& options);
// The causes in words: "The wind call decides most of the misses." or "The precision
// decides most of the misses up to 400 yd, the wind call beyond 400 yd."; empty without misses.
// `rangeUnit` names the causes' ranges' unit.
std::string missCausesText(const std::vector<MissCause>& causes, UnitSystem rangeUnit = UnitSystem::Imperial);

}  // namespace vorlan
