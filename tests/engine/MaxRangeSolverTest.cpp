#include "engine/MaxRangeSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/Ballistics.h"
#include "shot/ShotSetup.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan {
namespace {

const double kDegree = kPi / 180.0;

TEST(MaxRangeSolver, NewSolverHoldsStandardAirAndG1Coefficient) {
    const MaxRangeSolver solver;
    EXPECT_DOUBLE_EQ(solver.atmosphere.temperature, 59.0);
    EXPECT_DOUBLE_EQ(solver.atmosphere.pressure, 29.92);
    EXPECT_DOUBLE_EQ(solver.dragModel.ballisticCoefficient, 0.65);
    EXPECT_EQ(solver.dragModel.dragFunction, kG1);
}

TEST(MaxRangeSolver, ElevationIsWholeDegreesFromElevenAndRangeEvenYards) {
    for (double velocity : {120.0, 800.0, 2700.0, 4000.0}) {
        ShotParameters shot = testing::load308();
        shot.velocity = velocity;
        const MaximumRange r = shotMaxRangeSolver(shot).computeMaximumRange();
        ASSERT_TRUE(r.found) << velocity;
        EXPECT_GE(r.firingElevation, 11.0 - 1e-9);
        EXPECT_NEAR(r.firingElevation, std::round(r.firingElevation), 1e-9);
        EXPECT_EQ(std::fmod(r.maximumRange, 2.0), 0.0) << r.maximumRange;
        EXPECT_NEAR(r.terminalEnergy, bulletEnergy(shot.weight, r.terminalVelocity), 1e-9);
        EXPECT_GT(r.maximumHeight, 0.0);
    }
}

// The result is the last trial of the first run of increasing ranges.
TEST(MaxRangeSolver, ReportsTheTrialBeforeTheFirstThatFliesNoFarther) {
    const MaxRangeSolver solver = shotMaxRangeSolver(testing::load308());
    const MaximumRange r = solver.computeMaximumRange();
    const double best = std::round(r.firingElevation);
    ASSERT_GT(best, 11.0);
    const double at = solver.flightAt(best * kDegree).distance;
    EXPECT_DOUBLE_EQ(r.maximumRange, at / 3.0);
    EXPECT_GT(at, solver.flightAt((best - 1.0) * kDegree).distance);
    EXPECT_LE(solver.flightAt((best + 1.0) * kDegree).distance, at);
    // A .308 carries some 4,000 to 5,500 yd at 30 to 35 degrees.
    EXPECT_GT(r.maximumRange, 4000.0);
    EXPECT_LT(r.maximumRange, 5500.0);
    EXPECT_GE(best, 28.0);
    EXPECT_LE(best, 36.0);
}

// The longest range the range table's own flight gives: trajectories fired at whole degrees
// over level ground, each searched along its rows for where it comes back to the line of
// sight (3-ft steps against the search's 6).
int longestTableRange(ShotParameters shot) {
    shot.sightHeight = 0;
    shot.muzzleAngleCorrection = false;
    shot.incrementCount = 6000;
    int longest = 0;
    for (int degrees = 11; degrees <= 89; ++degrees) {
        shot.muzzleAngle = degrees * 60.0;
        TrajectorySolver t;
        setUpTrajectory(t, shot, kTableCantDivisor);
        t.computeTrajectory();
        int row = 1;
        while (row <= t.lastRowIndex && t.rows[static_cast<std::size_t>(row)].drop > 0.0) ++row;
        if (row <= longest) break;
        longest = row;
    }
    return longest;
}

// With a headwind and cold powder the longest range is the table's own; with wind zones each
// zone's head- or tailwind blows where the zone is, not the first zone's over the whole flight.
TEST(MaxRangeSolver, EffectsAgainstTheTablesOwnRows) {
    const ShotParameters headwind = testing::load308HeadwindColdPowder();
    ShotParameters zoned = headwind;
    zoned.advanced.windSpeed = 0;
    zoned.advanced.windZones = {{1000, 20, 0}, {10000, 20, 180}};  // head to 1000 yd, tail beyond
    double ranges[2] = {};
    for (int i = 0; i < 2; ++i) {
        const ShotParameters& shot = i == 0 ? headwind : zoned;
        const int longest = longestTableRange(shot);
        ranges[i] = shotMaxRangeSolver(shot).computeMaximumRange().maximumRange;
        EXPECT_NEAR(ranges[i], longest, 0.003 * longest) << (i ? "zoned" : "headwind");
    }
    EXPECT_LT(ranges[0], 0.95 * shotMaxRangeSolver(testing::load308()).computeMaximumRange().maximumRange);
    EXPECT_GT(ranges[1], 1.05 * ranges[0]) << "the tail wind beyond 1000 yd carries the bullet";
}

TEST(MaxRangeSolver, SlowFlightEndsBelowFiftyFeetPerSecond) {
    MaxRangeSolver solver;
    solver.muzzleVelocity = 400.0;
    solver.dragModel.ballisticCoefficient = 0.001;  // loses speed long before it lands
    const MaxRangeFlight flight = solver.flightAt(11.0 * kDegree);
    EXPECT_LT(flight.speed, 50.0);
    EXPECT_GT(flight.distance, 0.0);
    EXPECT_EQ(std::fmod(flight.distance, 6.0), 0.0);
}

// A bullet with less drag never flies a shorter way, down to coefficients so small that it
// all but stops in its first steps: there the flight ends, rather than step on at a speed
// its drag has spent (without that stop a coefficient of 0.0004 flies farther than 0.0007).
TEST(MaxRangeSolver, LessDragNeverFliesShorter) {
    for (const double degrees : {11.0, 45.0}) {
        double before = 0.0;
        for (const double coefficient : {0.0001, 0.0002, 0.0003, 0.0004, 0.0005, 0.0007, 0.001, 0.002, 0.005}) {
            MaxRangeSolver solver;
            solver.muzzleVelocity = 2700.0;
            solver.dragModel.ballisticCoefficient = coefficient;
            const MaxRangeFlight flight = solver.flightAt(degrees * kDegree);
            EXPECT_GE(flight.distance, before) << coefficient << " at " << degrees << " degrees";
            before = flight.distance;
        }
        EXPECT_GT(before, 0.0);
    }
}

// Nearly without drag the climb approaches the vacuum figures v^2 / 2g and v / g.
TEST(MaxRangeSolver, VerticalShotWithoutDragReachesTheVacuumHeight) {
    MaxRangeSolver solver;
    solver.muzzleVelocity = 1000.0;
    solver.dragModel.ballisticCoefficient = 1e9;
    const MaximumRange r = solver.computeMaximumRange();
    EXPECT_NEAR(r.verticalHeight, 1000.0 * 1000.0 / (2.0 * kGravity), 12.0);
    EXPECT_NEAR(r.verticalTime, 1000.0 / kGravity, 0.3);
    EXPECT_EQ(std::fmod(r.verticalHeight, 6.0), 0.0);
}

// The climb integrated finely in time: height and time at the top of a vertical shot.
std::pair<double, double> fineClimb(const MaxRangeSolver& solver) {
    Atmosphere air = solver.atmosphere;
    air.updateDerived();
    const double dt = 1e-4;
    double v = solver.muzzleVelocity, height = 0.0, time = 0.0;
    const auto decel = [&](double speed) {
        return solver.dragModel.coefficientAt(speed / air.speedOfSound) * kDragConstant /
                   solver.dragModel.ballisticCoefficient * (air.density / kStandardDensity) * speed * speed +
               kGravity;
    };
    while (v > 0.0) {
        const double vm = v - 0.5 * dt * decel(v);
        height += vm * dt;
        v -= dt * decel(std::max(vm, 0.0));
        time += dt;
    }
    return {height, time};
}

// Near the top a 6-ft step can stop the bullet before its midpoint; such a step is not counted,
// rather than letting a negative midpoint speed push the bullet up again.
TEST(MaxRangeSolver, VerticalShotStopsAtTheTop) {
    for (DragFunction drag : {kG1, DragFunction{4}}) {
        for (double velocity : {800.0, 1200.0, 3200.0}) {
            for (double bc : {0.02, 0.243, 0.5}) {
                MaxRangeSolver solver;
                solver.muzzleVelocity = velocity;
                setDragModel(solver.dragModel, bc, drag);
                const MaximumRange r = solver.computeMaximumRange();
                const auto [height, time] = fineClimb(solver);
                EXPECT_NEAR(r.verticalHeight, height, 0.01 * height + 12.0) << drag << " " << velocity << " " << bc;
                // Each step's time is its length over its end speed, which overstates the last slow step.
                EXPECT_GE(r.verticalTime, 0.95 * time) << drag << " " << velocity << " " << bc;
            }
        }
    }
}

// Below 50 ft/s no trial flies, so no distance result is stored; the vertical shot still climbs.
TEST(MaxRangeSolver, NoImprovingTrialLeavesTheDistanceResultsAtZero) {
    MaxRangeSolver solver;
    solver.muzzleVelocity = 40.0;
    solver.bulletWeight = 150.0;
    const MaximumRange r = solver.computeMaximumRange();
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.maximumRange, 0.0);
    EXPECT_EQ(r.firingElevation, 0.0);
    EXPECT_EQ(r.terminalVelocity, 0.0);
    EXPECT_EQ(r.timeOfFlight, 0.0);
    EXPECT_GT(r.verticalHeight, 0.0);
    EXPECT_LT(r.verticalHeight, 40.0 * 40.0 / (2.0 * kGravity));
}

// Every input a file can hold ends the search with finite results.
TEST(MaxRangeSolver, HostileInputsEndWithFiniteResults) {
    for (double value : testing::kHostileValues) {
        for (int field = 0; field < 4; ++field) {
            MaxRangeSolver solver = shotMaxRangeSolver(testing::load308());
            double* targets[] = {&solver.muzzleVelocity, &solver.dragModel.ballisticCoefficient,
                                 &solver.atmosphere.temperature, &solver.atmosphere.pressure};
            *targets[field] = value;
            const MaximumRange r = solver.computeMaximumRange();
            EXPECT_LE(r.maximumRange, MaxRangeSolver::kStepLimit * MaxRangeSolver::kStep / 3.0);
            EXPECT_LE(r.verticalHeight, MaxRangeSolver::kStepLimit * MaxRangeSolver::kStep);
            EXPECT_LE(r.firingElevation, MaxRangeSolver::kLastElevation + 1e-9);
            EXPECT_FALSE(std::isnan(r.verticalHeight)) << field << " " << value;
        }
    }
}

}  // namespace
}  // namespace vorlan
