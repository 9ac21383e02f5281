#pragma once
// The hit probability as an error budget: for the spreads a shooter meets the impact moves
// very nearly in proportion to each input, so at every range it is a bivariate normal whose
// covariance sums each spread's slope (taken by central differences: two flights a spread,
// each flown once through every range, exactly as a sample flies) with the precision; P(hit)
// is that normal's probability over the target (ImpactNormal.h), not a count of samples.
//
// The same flights give each slope's second-order term. Where it would move P(hit) by more
// than kHitBudgetLimit (very large spreads, a bullet near the end of its flight, a range
// estimate reaching past it) the range is counted by the seeded samples instead and flagged.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/HitProbability.h"

namespace vorlan {

inline constexpr double kHitBudgetLimit = 0.005;
// The second-order term is moment-matched: where the impact is skewed (a large coefficient
// spread, the drop going as its inverse) it understates the move several times over, so a
// range falls back once the term passes the limit over this margin. Typical spreads stay
// well inside it (a 10-yd estimate and a 10-degree wind direction with the rest on a .308:
// 0.002 at most).
inline constexpr double kSecondOrderMargin = 2.0;

// How hit probability is counted: the error budget (falling back to the samples where it is
// not enough) or the samples alone.
enum class HitMethod { Budget, Sampled };
// "budget" or "sampled"; none for another word.
std::optional<HitMethod> hitMethodNamed(const std::string& word);

struct HitBudgetResult {
    HitProbabilityResult hits;      // the figures (a sampled one flagged), impacts drawn from the normal
    std::vector<MissCause> causes;  // one per range: the spread that alone misses most
    // Per range, each spread's share of the impact's variance (0 to 1, summing to 1 with any spread).
    std::vector<std::array<double, kHitSpreadCount>> shares;
    std::vector<double> secondOrder;  // per range: how far the second-order terms move P(hit)
    int sampledRanges = 0;
};

// As computeHitProbability, through the budget. `options` serve the ranges that fall back to
// the samples (all of them then, so that their figures are those of a sampled run) and the
// scatter: as many impacts drawn from the normal as a sampled run would keep.
HitBudgetResult computeHitBudget(const TrajectorySolver& shot, const HitSpreads& spreads, const HitTarget& target,
                                 const std::vector<int>& ranges, const HitRunOptions& options);

}  // namespace vorlan
