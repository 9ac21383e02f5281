#include "reports/comparison/ShotComparison.h"

#include "engine/Catalogue.h"
#include "reports/table/RangeTable.h"

#include <algorithm>
#include <cmath>

#include "engine/Ballistics.h"
#include "shot/CLocaleNumbers.h"
#include "shot/ShotSetup.h"

namespace vorlan {

namespace {

constexpr double kTinyInches = 0.005;  // differences below this show as 0.00, without a sign

// The last row a trajectory really holds, -1 for none.
double lastRow(const TrajectorySolver& t) {
    return std::min<double>(t.lastRowIndex, static_cast<double>(t.rows.size()) - 1.0);
}

double relativeInches(double currentFeet, double baselineFeet) {
    const double inches = (currentFeet - baselineFeet) * 12.0;
    return std::fabs(inches) < kTinyInches ? 0.0 : inches;
}

}  // namespace

TrajectorySolver comparisonTrajectory(const ShotParameters& shot) {
    TrajectorySolver trajectory;
    setUpTrajectory(trajectory, shot, kReferenceCantDivisor);
    trajectory.targetSpeed = 0.0;
    TrajectorySolver reference = trajectory;
    reference.crosswind = 0.0;
    reference.advanced.calm();
    trajectory.computeTrajectory();
    reference.computeTrajectory();
    correctWindage(trajectory, reference, shot.sightInRange);
    return trajectory;
}

ShotBaseline setBaseline(ShotParameters& shot) {
    ShotBaseline baseline{comparisonTrajectory(shot), shot.name};
    storeZeroedAngle(shot, baseline.trajectory);
    return baseline;
}

ShotComparison compareShots(const TrajectorySolver& baseline, const TrajectorySolver& current, double targetRange) {
    ShotComparison result;
    const double target = std::trunc(targetRange);
    if (!(target >= 0.0)) {
        result.status = kInvalidTargetStatus;
        return result;
    }
    const double k = lastRow(baseline);
    const double c = lastRow(current);
    double row = target;
    if (target <= k && target <= c) {
        row = target;
    } else if (k > c) {
        row = c;
        result.status = kBeyondShotStatus;
    } else if (k < c) {
        row = k;
        result.status = kBeyondBaselineStatus;
    } else {
        row = k;
        result.status = kBeyondMaximumStatus;
    }
    if (row < 0.0) return result;  // a trajectory without rows
    const std::size_t r = static_cast<std::size_t>(row);
    result.compared = true;
    result.range = static_cast<int>(r);
    result.relativeDrift = relativeInches(current.rows[r].windage, baseline.rows[r].windage);
    result.relativeDrop = relativeInches(current.rows[r].drop, baseline.rows[r].drop);
    return result;
}

namespace {

// A range in `units`, whole: yards are shown as they are, so whole yards stay as written.
std::string rangeText(double yards, const UnitChoice& units) {
    return cFormat("%.0f", toShown(yards, Quantity::Distance, units.of(Quantity::Distance)));
}

std::string offsetText(double inches, const UnitChoice& units) {
    return cFormat("%.2f", toShown(inches, Quantity::Offset, units.of(Quantity::Offset)));
}

}  // namespace

ComparisonTexts shootComparison(const std::optional<ShotBaseline>& baseline, const ShotParameters& shot,
                                const UnitChoice& units) {
    ComparisonTexts texts;
    if (baseline) texts.baselineName = baseline->name;
    texts.currentName = shot.name;
    texts.effects = effectsLine(shot, kChosenWords, units.system());
    if (!baseline) {
        texts.status = translated(kNoBaselineStatus.data());
        texts.targetRange = rangeText(shot.targetRange, units);
        return texts;
    }
    const ShotComparison comparison = compareShots(baseline->trajectory, comparisonTrajectory(shot), shot.targetRange);
    texts.status = comparison.status.empty() ? std::string() : translated(std::string(comparison.status).c_str());
    if (comparison.compared) {
        texts.relativeDrop = offsetText(comparison.relativeDrop, units);
        texts.relativeDrift = offsetText(comparison.relativeDrift, units);
        texts.targetRange = rangeText(comparison.range, units);
        // Differences under 0.005 in. are exactly 0 and have no side.
        const auto side = [](double inches, const char* positive, const char* negative) {
            return inches > 0.0 ? positive : inches < 0.0 ? negative : "";
        };
        texts.dropSide = side(comparison.relativeDrop, translated("high"), translated("low"));
        texts.driftSide = side(comparison.relativeDrift, translated("right"), translated("left"));
    }
    return texts;
}

}  // namespace vorlan
