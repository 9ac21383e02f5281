#pragma once
// The shot comparison: where the current shot strikes relative to a baseline shot at the
// target range. Both shots are flown as the range table flies its windless reference (cant
// over 57.296, no target movement) and carry their windage from the same footing: the
// windage of their own windless run at the sight-in range is subtracted.
//
//   Set Baseline:  ShotParameters -> setBaseline -> ShotBaseline (kept by the main dialog)
//   Shoot:         ShotBaseline + ShotParameters -> comparisonTrajectory -> compareShots
//                  -> compared row, relative drop and drift, status -> comparisonTexts

#include <optional>
#include <string>
#include <string_view>

#include "engine/Catalogue.h"
#include "engine/TrajectorySolver.h"
#include "shot/ShotParameters.h"
#include "shot/Units.h"

namespace vorlan {

// The status texts, in English; the texts shown (ComparisonTexts) are translated.
inline constexpr std::string_view kNoBaselineStatus = N_("No baseline set");
inline constexpr std::string_view kBeyondShotStatus = N_("Target beyond shot range");
inline constexpr std::string_view kBeyondBaselineStatus = N_("Target beyond baseline range");
inline constexpr std::string_view kBeyondMaximumStatus = N_("Target beyond maximum range");
// A negative target range (possible from a file) names no row.
inline constexpr std::string_view kInvalidTargetStatus = N_("Invalid target range");

// The baseline as the main dialog keeps it until the next Set Baseline.
struct ShotBaseline {
    TrajectorySolver trajectory;  // computed, windage corrected
    std::string name;             // the shot's name when the baseline was set
};

// The computed trajectory of a shot for a comparison, windage corrected.
TrajectorySolver comparisonTrajectory(const ShotParameters& shot);

// Set Baseline: the shot's comparison trajectory and name; with the muzzle-angle correction
// on, the zeroed angle is written back into the shot, rounded to three decimals as shown.
ShotBaseline setBaseline(ShotParameters& shot);

struct ShotComparison {
    bool compared = false;       // a row of both trajectories was compared
    int range = 0;               // yd: the compared row
    double relativeDrop = 0.0;   // in, positive when the current shot strikes higher
    double relativeDrift = 0.0;  // in, positive towards +windage; both exactly 0 under 0.005 in
    std::string_view status;     // empty when compared at the target range itself
};

// Compares at the target range truncated to whole yards, or at the last row both trajectories
// have when either ends short of it. Without a row to compare (a trajectory without rows, a
// negative target range) `compared` is false and the status says why.
ShotComparison compareShots(const TrajectorySolver& baseline, const TrajectorySolver& current, double targetRange);

// The six texts of the comparison window.
struct ComparisonTexts {
    std::string status;
    std::string relativeDrop;   // "%.2f", empty without a compared row
    std::string relativeDrift;  // "%.2f", empty without a compared row
    std::string targetRange;    // the compared row "%u"; without a baseline the target range "%.0f"
    std::string baselineName;
    std::string currentName;
    // Where the current shot strikes from the baseline: "high" or "low", "right" or "left";
    // empty for a difference that shows as 0.00 and without a compared row.
    std::string dropSide;
    std::string driftSide;
    std::string effects;  // the current shot's effects line in the chosen words and units; empty when designed
};

// Shoot: the comparison of the shot against the baseline, or the texts without one (status
// "No baseline set", the entered target range, an empty baseline name and the shot's name).
// The differences are told in `units`' Offset unit and the range in its Distance unit; in the
// designed units exactly as the designed window shows them.
ComparisonTexts shootComparison(const std::optional<ShotBaseline>& baseline, const ShotParameters& shot,
                                const UnitChoice& units = UnitChoice());

}  // namespace vorlan
