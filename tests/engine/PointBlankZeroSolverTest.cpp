#include "engine/PointBlankZeroSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "shot/ShotSetup.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan {
namespace {

PointBlankZero solveFor(double diameter, double sightHeight = 1.5) {
    ShotParameters shot = testing::load308();
    shot.targetDiameter = diameter;
    shot.sightHeight = sightHeight;
    return shotPointBlankZeroSolver(shot).solve();
}

// Highest point before `zero`, inches above the line of sight.
double riseBefore(const TrajectorySolver& t, int zero) {
    double highest = -1e9;
    for (int i = 0; i <= zero && i <= t.lastRowIndex; ++i) highest = std::max(highest, t.rows[i].drop * 12.0);
    return highest;
}

// A trajectory with the given heights (inches) as its rows.
TrajectorySolver rowsOf(std::initializer_list<double> inches) {
    TrajectorySolver t;
    for (double h : inches) t.rows.push_back({static_cast<double>(t.rows.size()), 0, 0, 0, h / 12.0, 0, 0, 0});
    t.lastRowIndex = static_cast<std::int32_t>(t.rows.size()) - 1;
    return t;
}

TEST(PointBlankZeroSolver, Load308WithEightInchZone) {
    const PointBlankZero r = solveFor(8.0);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.optimumZero, std::trunc(r.optimumZero));
    EXPECT_EQ(r.minimumRange, 0);  // sight height 1.5 in is inside the 4-in radius
    EXPECT_GT(r.maximumRange, r.optimumZero);
    // A .308 with an 8-in zone zeroes some 230 to 280 yd and stays inside to about 300.
    EXPECT_GT(r.optimumZero, 220.0);
    EXPECT_LT(r.optimumZero, 290.0);
    EXPECT_GT(r.maximumRange, 270);
    EXPECT_LT(r.maximumRange, 340);
    EXPECT_LE(r.trials, static_cast<int>(std::log2(2.0 * r.searchLimit)) + 2);
}

// The zero found rises no higher than the radius before it, two yards farther it would, and
// the bullet leaves the zone where it does: all read from the range table's own rows zeroed
// there. With a headwind and cold powder the search flies them as the table does.
TEST(PointBlankZeroSolver, ZeroIsTheFarthestThatKeepsTheRiseInsideTheZone) {
    const ShotParameters windy = testing::load308HeadwindColdPowder();
    double calmZero = 0.0;
    for (const ShotParameters& shot : {testing::load308(), windy}) {
        const PointBlankZero r = shotPointBlankZeroSolver(shot).solve();
        const int z = static_cast<int>(r.optimumZero);
        const auto table = [&shot](int zero) {
            ShotParameters zeroed = shot;
            zeroed.sightInRange = zero;
            TrajectorySolver t;
            setUpTrajectory(t, zeroed, kTableCantDivisor);
            t.computeTrajectory();
            return t;
        };
        EXPECT_LE(riseBefore(table(z - 2), z - 2), 4.0) << shot.advanced.windSpeed;
        EXPECT_GT(riseBefore(table(z + 2), z + 2), 4.0) << shot.advanced.windSpeed;
        const TrajectorySolver atZero = table(z);
        int leaves = z;
        while (leaves <= atZero.lastRowIndex && atZero.rows[static_cast<std::size_t>(leaves)].drop * 12 >= -4.0)
            ++leaves;
        EXPECT_NEAR(r.maximumRange, leaves - 1, 1) << shot.advanced.windSpeed;
        if (calmZero == 0.0) calmZero = r.optimumZero;
    }
    EXPECT_LT(shotPointBlankZeroSolver(windy).solve().optimumZero, calmZero - 5) << "the effects change the zero";
}

TEST(PointBlankZeroSolver, LargerZoneZeroesFartherAndHoldsLonger) {
    PointBlankZero previous = solveFor(2.0);
    for (double diameter : {4.0, 6.0, 8.0, 10.0, 12.0}) {
        const PointBlankZero r = solveFor(diameter);
        EXPECT_GE(r.optimumZero, previous.optimumZero) << diameter;
        EXPECT_LE(r.minimumRange, previous.minimumRange) << diameter;
        EXPECT_GE(r.maximumRange, previous.maximumRange) << diameter;
        EXPECT_LE(r.minimumRange, r.optimumZero);
        previous = r;
    }
}

// A sight higher than the radius: the bullet enters the zone from below some way out.
TEST(PointBlankZeroSolver, HighSightMovesTheMinimumOut) {
    const PointBlankZero r = solveFor(4.0, 3.0);
    ASSERT_TRUE(r.found);
    EXPECT_GT(r.minimumRange, 0);
    EXPECT_LE(r.minimumRange, r.optimumZero);
}

TEST(PointBlankZeroSolver, RowScans) {
    const TrajectorySolver t = rowsOf({-1.5, 1.0, 3.9, 4.1, 2.0, 0.0, -3.0, -4.005, -4.02, -6.0});
    EXPECT_EQ(PointBlankZeroSolver::highestRowAbove(t, 5, 4.0), 3);
    EXPECT_EQ(PointBlankZeroSolver::highestRowAbove(t, 2, 4.0), -1);
    EXPECT_EQ(PointBlankZeroSolver::highestRowAbove(t, 50, 4.0), 3);  // rows past the last are not read
    EXPECT_EQ(PointBlankZeroSolver::minimumPointBlankRange(t, 5, 1.0), 1);
    EXPECT_EQ(PointBlankZeroSolver::minimumPointBlankRange(t, 5, 2.0), 0);
    EXPECT_EQ(PointBlankZeroSolver::minimumPointBlankRange(t, 0, 1.0), 0);
    // Row 7 is below the zone by 0.005 in, inside the 0.01-in grace; row 8 by 0.02 in is not.
    EXPECT_EQ(PointBlankZeroSolver::maximumPointBlankRange(t, 5, 9, 4.0), 7);
    EXPECT_EQ(PointBlankZeroSolver::maximumPointBlankRange(t, 5, 9, 4.012), 8);
    EXPECT_EQ(PointBlankZeroSolver::maximumPointBlankRange(rowsOf({0.0, -3.0, -4.5, -6.0}), 0, 3, 4.0), 1);
    const TrajectorySolver past = rowsOf({-1.5, 1.0, 3.9, 4.1, 2.0, 0.0, -3.0, -4.02});
    EXPECT_EQ(PointBlankZeroSolver::maximumPointBlankRange(past, 5, 7, 4.0), 6);  // the limit is not scanned
    EXPECT_EQ(PointBlankZeroSolver::maximumPointBlankRange(past, 7, 7, 4.0), 6);  // but checked
    EXPECT_EQ(PointBlankZeroSolver::maximumPointBlankRange(past, 20, 7, 4.0), 20);
    EXPECT_EQ(PointBlankZeroSolver::maximumPointBlankRange(rowsOf({-5.0}), 0, 0, 1.0), 0);  // never negative
}

TEST(PointBlankZeroSolver, NoFlightGivesNoResult) {
    PointBlankZeroSolver solver = shotPointBlankZeroSolver(testing::load308());
    solver.muzzleVelocity = 40.0;
    const PointBlankZero r = solver.solve();
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.optimumZero, 0.0);
    EXPECT_EQ(r.minimumRange, 0);
    EXPECT_EQ(r.maximumRange, 0);
}

TEST(PointBlankZeroSolver, HostileInputsEnd) {
    for (double value : testing::kHostileValues) {
        for (int field = 0; field < 5; ++field) {
            PointBlankZeroSolver solver = shotPointBlankZeroSolver(testing::load308());
            double* targets[] = {&solver.muzzleVelocity, &solver.targetDiameter, &solver.sightHeight,
                                 &solver.dragModel.ballisticCoefficient, &solver.crosswind};
            *targets[field] = value;
            // A given longest range keeps the run short; a NaN one is tried as well.
            const PointBlankZero r = solver.solve(std::isnan(value) ? value : 4000.0);
            EXPECT_GE(r.minimumRange, 0);
            EXPECT_GE(r.maximumRange, 0);
            EXPECT_LE(r.trials, 40);
        }
    }
}

}  // namespace
}  // namespace vorlan
