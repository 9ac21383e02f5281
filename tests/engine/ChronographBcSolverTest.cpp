#include "engine/ChronographBcSolver.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/TrajectorySolver.h"
#include "shot/ShotSetup.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan {
namespace {

ChronographBcSolver readings(double near, double far, double distance, DragFunction drag = kG1) {
    ChronographBcSolver solver;
    solver.nearVelocity = near;
    solver.farVelocity = far;
    solver.distance = distance;
    setDragModel(solver.dragModel, 0.0, drag);
    return solver;
}

TEST(ChronographBcSolver, DialogDefaultsGiveAUsableG1Coefficient) {
    const ChronographBc bc = shotChronographBcSolver(ShotParameters{}).solve();
    ASSERT_TRUE(bc.usable());
    EXPECT_GE(bc.ballisticCoefficient, 0.0001);
    EXPECT_LE(bc.ballisticCoefficient, 1.0);
    EXPECT_LT(bc.passes, 50);
}

// The velocity the trajectory solver finds 100 yd out for a known coefficient leads back to
// that coefficient (the two integrators differ, hence the tolerance).
TEST(ChronographBcSolver, RecoversTheCoefficientOfAFlownTrajectory) {
    for (DragFunction drag : {kG1, DragFunction{4}}) {
        for (double known : {0.15, 0.3, 0.5}) {
            TrajectorySolver flight;
            flight.muzzleVelocity = 2800.0;
            flight.solveElevation = false;
            flight.lastRange = 100;
            setDragModel(flight.dragModel, known, drag);
            flight.computeTrajectory();
            ASSERT_EQ(flight.lastRowIndex, 100);
            const ChronographBc bc = readings(2800.0, flight.rows[100].velocity, 300.0, drag).solve();
            ASSERT_TRUE(bc.usable());
            EXPECT_NEAR(bc.ballisticCoefficient, known, known * 0.01) << drag;
        }
    }
}

TEST(ChronographBcSolver, CoefficientDependsOnTheDragModel) {
    const double g1 = readings(2800.0, 2500.0, 300.0, kG1).solve().ballisticCoefficient;
    const double g7 = readings(2800.0, 2500.0, 300.0, 4).solve().ballisticCoefficient;
    const double unknown = readings(2800.0, 2500.0, 300.0, 99).solve().ballisticCoefficient;
    EXPECT_GT(g1, g7 * 1.5);
    EXPECT_DOUBLE_EQ(unknown, g1);  // an index above 10 flies G1
}

TEST(ChronographBcSolver, UnusableOutcomes) {
    const ChronographBc equal = readings(800.0, 800.0, 300.0).solve();
    EXPECT_EQ(equal.outcome, BcOutcome::EqualVelocities);
    EXPECT_EQ(equal.ballisticCoefficient, 4.0);
    EXPECT_EQ(equal.passes, 1);

    const ChronographBc faster = readings(800.0, 900.0, 300.0).solve();
    EXPECT_EQ(faster.outcome, BcOutcome::FarAboveNear);
    EXPECT_LT(faster.ballisticCoefficient, 0.0001);

    const ChronographBc tooLittle = readings(800.0, 799.9, 300.0).solve();
    EXPECT_EQ(tooLittle.outcome, BcOutcome::LossTooSmall);
    EXPECT_EQ(tooLittle.ballisticCoefficient, 4.0);
    EXPECT_EQ(tooLittle.passes, 1);
    for (const ChronographBc& bc : {equal, faster, tooLittle}) EXPECT_FALSE(bc.usable());
}

// A far velocity near a standstill takes hundreds of passes and still ends.
TEST(ChronographBcSolver, FarVelocityNearZeroTakesManyPassesAndEnds) {
    const ChronographBc bc = readings(800.0, 1.0, 300.0).solve();
    EXPECT_GT(bc.passes, 100);
    EXPECT_LT(bc.passes, ChronographBcSolver::kPassLimit);
    EXPECT_GT(bc.ballisticCoefficient, 0.0);
}

TEST(ChronographBcSolver, HostileReadingsEndUnusableOrInRange) {
    for (double value : testing::kHostileValues) {
        for (int field = 0; field < 4; ++field) {
            ChronographBcSolver solver = readings(800.0, 700.0, 300.0);
            double* targets[] = {&solver.nearVelocity, &solver.farVelocity, &solver.distance,
                                 &solver.atmosphere.density};
            *targets[field] = value;
            const ChronographBc bc = solver.solve();
            EXPECT_LE(bc.passes, ChronographBcSolver::kPassLimit);
            if (bc.usable()) {
                EXPECT_GE(bc.ballisticCoefficient, 0.0001);
                EXPECT_LE(bc.ballisticCoefficient, 1.0);
            }
        }
    }
}

}  // namespace
}  // namespace vorlan
