#include "engine/PointBlankZeroSolver.h"

#include <algorithm>
#include <cmath>

#include "engine/MaxRangeSolver.h"

namespace vorlan {

namespace {

// A zero range rounded to whole yards as the trajectory takes it, kept within the march.
std::int32_t roundedYards(double yards) {
    const double rounded = std::trunc(yards + 0.5);
    if (!(rounded > 0.0)) return 0;
    return static_cast<std::int32_t>(std::min<double>(rounded, TrajectorySolver::kMarchLimit));
}

// Height of a recorded row above the line of sight, inches.
double heightInches(const TrajectorySolver& t, int row) { return t.rows[static_cast<std::size_t>(row)].drop * 12.0; }

}  // namespace

PointBlankZero PointBlankZeroSolver::solve() const {
    MaxRangeSolver longest;
    longest.muzzleVelocity = muzzleVelocity;
    longest.bulletWeight = bulletWeight;
    longest.atmosphere = atmosphere;
    longest.dragModel = dragModel;
    longest.advanced = advanced;
    return solve(longest.computeMaximumRange().maximumRange);
}

PointBlankZero PointBlankZeroSolver::solve(double longestRange) const {
    PointBlankZero result;
    TrajectorySolver last = pointBlankTrajectory(longestRange);
    const int n = last.lastRowIndex;
    result.searchLimit = std::max(n, 0);
    if (n <= 0) return result;  // no flight to search: every result stays 0
    const double radius = targetDiameter * 0.5;
    const double zero = std::trunc(searchZero(n, radius, last, result.trials));
    const int z = static_cast<int>(zero);  // within (0, 1.5 n]
    result.found = true;
    result.optimumZero = zero;
    result.minimumRange = minimumPointBlankRange(last, z, radius);
    result.maximumRange = maximumPointBlankRange(last, z, std::min(n, last.lastRowIndex), radius);
    return result;
}

// The bisection. `last` holds the trajectory of the last trial when it returns.
double PointBlankZeroSolver::searchZero(int n, double radius, TrajectorySolver& last, int& trials) const {
    double z = n;
    double step = n;
    for (;;) {  // the step halves every trial, so this ends after about log2(2n) + 1 trials
        if (z > n || z <= 0.0) return z;
        last = pointBlankTrajectory(z);
        ++trials;
        const int j = highestRowAbove(last, static_cast<int>(z), radius);
        step *= 0.5;
        const double direction = j <= 0 ? 1.0 : -1.0;
        if (step < 0.5) return last.sightInRange;
        z += direction * step;
    }
}

TrajectorySolver PointBlankZeroSolver::pointBlankTrajectory(double zero) const {
    TrajectorySolver t;
    const std::int32_t yards = roundedYards(zero);
    t.muzzleVelocity = muzzleVelocity;
    t.bulletWeight = bulletWeight;
    t.sightHeight = sightHeight / 12.0;
    t.crosswind = crosswind;
    t.sightInRange = yards;
    t.firstRange = 0;
    t.lastRange = 2 * yards;
    t.rangeStep = 1;
    t.solveElevation = true;
    t.atmosphere = atmosphere;
    t.dragModel = dragModel;
    t.advanced = advanced;
    t.computeTrajectory();
    return t;
}

int PointBlankZeroSolver::highestRowAbove(const TrajectorySolver& t, int from, double radius) {
    for (int i = std::min(from, t.lastRowIndex); i >= 0; --i) {
        if (heightInches(t, i) > radius) return i;
    }
    return -1;
}

int PointBlankZeroSolver::minimumPointBlankRange(const TrajectorySolver& t, int zero, double radius) {
    if (zero <= 0) return 0;
    for (int i = 0; i < zero && i <= t.lastRowIndex; ++i) {
        if (heightInches(t, i) >= -radius) return i;
    }
    return zero;
}

int PointBlankZeroSolver::maximumPointBlankRange(const TrajectorySolver& t, int zero, int limit, double radius) {
    int m = zero >= limit ? zero : limit;
    for (int i = std::max(zero, 0); i < limit; ++i) {
        if (-heightInches(t, i) > radius) {
            m = i;
            break;
        }
    }
    const bool below = m >= 0 && m <= t.lastRowIndex && -heightInches(t, m) - kGrace > radius;
    return below ? std::max(m - 1, 0) : m;
}

}  // namespace vorlan
