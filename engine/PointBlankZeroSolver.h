#pragma once
// The optimum point-blank zero for a circular vital zone: the farthest zero range at which the
// bullet rises no more than the zone's radius above the line of sight before the zero, found
// by bisection over whole-yard trajectories zeroed at each candidate, and the ranges between
// which the bullet then stays inside the zone.
//
//   MaxRangeSolver -> longest range -> trajectory zeroed there -> n, its last row
//   bisection on the zero z in (0, n], halving the step from n/2 down to below 0.5 yd
//   -> optimum zero Z -> row scans of the last trajectory -> minimum and maximum range

#include <cstdint>

#include "engine/Atmosphere.h"
#include "engine/DragFunction.h"
#include "engine/TrajectorySolver.h"

namespace vorlan {

struct PointBlankZero {
    bool found = false;      // the longest trajectory recorded rows beyond the muzzle
    double optimumZero = 0;  // yd, a whole number
    int minimumRange = 0;    // yd where the bullet comes up into the zone, never beyond the zero
    int maximumRange = 0;    // yd where it is last inside the zone (0.01 in of grace), never negative
    int searchLimit = 0;     // yd, n: the last row of the trajectory zeroed at the longest range
    int trials = 0;          // trajectories the bisection computed
};

class PointBlankZeroSolver {
public:
    double muzzleVelocity = 0.0;  // ft/s
    double bulletWeight = 0.0;    // grains
    double sightHeight = 1.5;     // inches above the bore
    double crosswind = 0.0;       // mph
    double targetDiameter = 1.0;  // inches of vital zone
    Atmosphere atmosphere;        // derived values recomputed by every trajectory
    DragModel dragModel;
    // The shot's effects beyond the designed flight, flown by every trajectory of the search
    // and by the longest range; all off: the designed search.
    AdvancedEffects advanced;

    // Finds the longest range with a MaxRangeSolver of the same bullet and air, then searches.
    PointBlankZero solve() const;
    // The search below a longest range (yd) that the caller already knows.
    PointBlankZero solve(double longestRange) const;

    // The computed trajectory zeroed at `zero` yd (rounded to whole yards), one row per yard
    // out to twice that, without elevation, cant, target or line-of-sight angle.
    TrajectorySolver pointBlankTrajectory(double zero) const;

    // The row scans, on the recorded rows only; `radius` in inches. The first row from `from`
    // down to 0 that is more than `radius` above the line of sight, or -1.
    static int highestRowAbove(const TrajectorySolver& trajectory, int from, double radius);
    // The first row below `zero` where the bullet is no more than `radius` below the line of
    // sight; `zero` when none is, 0 when `zero` is not positive.
    static int minimumPointBlankRange(const TrajectorySolver& trajectory, int zero, double radius);
    // The last row from `zero` on, short of `limit`, before the bullet is more than `radius`
    // (plus 0.01 in) below the line of sight.
    static int maximumPointBlankRange(const TrajectorySolver& trajectory, int zero, int limit, double radius);

    static constexpr double kGrace = 0.01;  // inches below the zone that still count as inside

private:
    double searchZero(int n, double radius, TrajectorySolver& last, int& trials) const;
};

}  // namespace vorlan
