#include "engine/TrajectorySolver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/support/CalcTestLoads.h"

#include "engine/Ballistics.h"

namespace vorlan {
namespace {

constexpr double kInch = 1.0 / 12.0;  // ft

// The default airgun shot: .177 pellet, 8 gr at 800 ft/s, G1 0.02, zeroed at 33 yd.
TrajectorySolver airgunSolver() {
    TrajectorySolver s;
    s.muzzleVelocity = 800;
    s.bulletWeight = 8;
    s.sightHeight = 1.5 * kInch;
    s.sightInRange = 33;
    s.targetDirection = degreesToRadians(90);
    s.lastRange = 45;
    s.dragModel.ballisticCoefficient = 0.02;
    return s;
}

TEST(TrajectorySolver, MuzzleRow) {
    TrajectorySolver s = airgunSolver();
    s.targetSpeed = 10;
    s.crosswind = 10;
    s.computeTrajectory();
    ASSERT_EQ(s.lastRowIndex, 45);
    ASSERT_EQ(s.rows.size(), 46u);
    const TrajectoryPoint& p = s.rows[0];
    EXPECT_EQ(p.range, 0);
    EXPECT_EQ(p.velocity, 800);
    EXPECT_DOUBLE_EQ(p.energy, 8 * 0.5 * 800 * 800 / 225190.0);
    EXPECT_DOUBLE_EQ(p.momentum, 800 * 8 / 225190.0);
    EXPECT_DOUBLE_EQ(p.drop, -1.5 * kInch);
    EXPECT_EQ(p.windage, 0);
    EXPECT_EQ(p.lead, 0);
    EXPECT_EQ(p.time, 0);
    for (int i = 0; i <= s.lastRowIndex; ++i) EXPECT_EQ(s.rows[i].range, i);
}

TEST(TrajectorySolver, ZeroesAtTheSightInRange) {
    for (const double sightIn : {10.0, 33.0, 45.0, 60.0}) {
        TrajectorySolver s = airgunSolver();
        s.sightInRange = sightIn;
        s.lastRange = 80;
        s.computeTrajectory();
        ASSERT_GE(s.lastRowIndex, sightIn);
        EXPECT_LE(std::fabs(s.rows[static_cast<int>(sightIn)].drop), 0.02 * kInch) << sightIn;
        EXPECT_GT(s.muzzleElevation, 0.0);
        // The rows run past the zero: the converged pass flies to its end.
        EXPECT_EQ(s.lastRowIndex, 80);
    }
}

TEST(TrajectorySolver, FixedElevationIsUsedAndHandedBack) {
    TrajectorySolver s = airgunSolver();
    s.solveElevation = false;
    s.muzzleElevation = 0.004;
    s.computeTrajectory();
    EXPECT_EQ(s.muzzleElevation, 0.004);
    EXPECT_GT(std::fabs(s.rows[33].drop), 0.02 * kInch);  // no zeroing was done
}

// Without drag the march's scheme has a closed form: vx stays V0 cos(theta), each step takes
// dt = 3 / vx, and the height adds the end-of-step vertical speed times dt.
TEST(TrajectorySolver, MatchesTheClosedFormWithoutDrag) {
    TrajectorySolver s;
    s.muzzleVelocity = 1000;
    s.bulletWeight = 100;
    s.sightHeight = 2 * kInch;
    s.solveElevation = false;
    s.muzzleElevation = 0.01;
    s.lastRange = 300;
    s.dragModel.ballisticCoefficient = 1e12;
    s.computeTrajectory();
    ASSERT_EQ(s.lastRowIndex, 300);
    const double vx = 1000 * std::cos(0.01), vy = 1000 * std::sin(0.01), dt = 3 / vx;
    for (int n : {1, 50, 300}) {
        const double y = -2 * kInch + vy * n * dt - kGravity * dt * dt * n * (n + 1) / 2.0;
        EXPECT_NEAR(s.rows[n].drop, y, 1e-9) << n;
    }
}

// A fast airgun zeroed at `sightIn` yards, its rows to 120 yd.
TrajectorySolver zeroedAirgun(double sightIn) {
    TrajectorySolver s = airgunSolver();
    s.muzzleVelocity = 900;
    s.dragModel.ballisticCoefficient = 0.03;
    s.sightInRange = sightIn;
    s.lastRange = 120;
    return s;
}

TEST(TrajectorySolver, ZeroingStepLiesWithinHalfAYard) {
    // 100.3 yd zeroes on the step that reaches 100 yd.
    TrajectorySolver a = zeroedAirgun(100.3);
    a.computeTrajectory();
    ASSERT_GE(a.lastRowIndex, 100);
    EXPECT_LE(std::fabs(a.rows[100].drop), 0.02 * kInch);

    // At exactly 100.5 yd no step lies within 1.5 ft: the first pass, flown level, stands.
    TrajectorySolver b = a;
    b.sightInRange = 100.5;
    b.computeTrajectory();
    EXPECT_EQ(b.muzzleElevation, 0.0);
    TrajectorySolver level = a;
    level.solveElevation = false;
    level.muzzleElevation = 0.0;
    level.computeTrajectory();
    ASSERT_EQ(b.lastRowIndex, level.lastRowIndex);
    EXPECT_EQ(b.rows[b.lastRowIndex].drop, level.rows[level.lastRowIndex].drop);
}

TEST(TrajectorySolver, ExactSightInZeroesBetweenYards) {
    // 100.49 yd lies nearest the step at 100 yd; zeroed exactly, the path crosses the line of
    // sight at 100.49 yd itself (read between the recorded yards), not at 100 yd.
    TrajectorySolver a = zeroedAirgun(100.49);
    TrajectorySolver exact = a;
    exact.exactSightIn = true;
    a.computeTrajectory();
    exact.computeTrajectory();
    const auto dropAt = [](const TrajectorySolver& s, double yards) {
        const auto i = static_cast<std::size_t>(yards);
        return s.rows[i].drop + (s.rows[i + 1].drop - s.rows[i].drop) * (yards - static_cast<double>(i));
    };
    EXPECT_LE(std::fabs(dropAt(exact, 100.49)), 0.02 * kInch);
    EXPECT_GT(std::fabs(dropAt(a, 100.49)), 0.05 * kInch);
    EXPECT_LE(std::fabs(a.rows[100].drop), 0.02 * kInch);
}

TEST(TrajectorySolver, StoppingRules) {
    // Below 50 ft/s at the muzzle: no point at all.
    TrajectorySolver slow = airgunSolver();
    slow.muzzleVelocity = 49.9;
    slow.computeTrajectory();
    EXPECT_EQ(slow.lastRowIndex, -1);
    EXPECT_TRUE(slow.rows.empty());

    // A long table ends where the bullet drops 1999.9 in below the line of sight or falls
    // under 50 ft/s; every recorded point is above both limits.
    TrajectorySolver far = airgunSolver();
    far.lastRange = 5000;
    far.computeTrajectory();
    ASSERT_GT(far.lastRowIndex, 45);
    EXPECT_LT(far.lastRowIndex, 5000);
    for (const TrajectoryPoint& p : far.rows) {
        EXPECT_GE(p.velocity, 50.0);
        EXPECT_GE(p.drop, -1999.9 * kInch);
    }

    // A sight-in range beyond the end of the flight: no correction, the elevation stays 0.
    TrajectorySolver beyond = airgunSolver();
    beyond.sightInRange = 4000;
    beyond.computeTrajectory();
    EXPECT_EQ(beyond.muzzleElevation, 0.0);
}

// The least coefficients the fields take lose most of their speed within a few yards: the
// flight must end there, never overshoot the yard step and speed the bullet up.
TEST(TrajectorySolver, ABulletOfNoCoefficientStopsRatherThanSpeedsUp) {
    for (const double bc : {0.0001, 0.0002, 0.0005, 0.001})
        for (const double velocity : {800.0, 2700.0, 4000.0})
            for (const double crosswind : {0.0, 10.0}) {
                TrajectorySolver s = airgunSolver();
                s.muzzleVelocity = velocity;
                s.crosswind = crosswind;
                s.solveElevation = false;
                s.lastRange = 200;
                setDragModel(s.dragModel, bc, kG1);
                s.computeTrajectory();
                for (std::size_t i = 1; i < s.rows.size(); ++i) {
                    ASSERT_LE(s.rows[i].velocity, s.rows[i - 1].velocity) << bc << " at " << velocity << " ft/s";
                    ASSERT_TRUE(std::isfinite(s.rows[i].windage) && std::isfinite(s.rows[i].time));
                }
                EXPECT_LT(s.lastRowIndex, 200) << bc << " at " << velocity << " ft/s";
            }
}

TEST(TrajectorySolver, WindAndLead) {
    TrajectorySolver calm = airgunSolver();
    calm.computeTrajectory();
    for (const TrajectoryPoint& p : calm.rows) {
        EXPECT_EQ(p.windage, 0.0);
        EXPECT_EQ(p.lead, 0.0);  // no target speed
    }

    TrajectorySolver windy = airgunSolver();
    windy.crosswind = 10;
    windy.targetSpeed = 5 * kMphToFps;
    windy.computeTrajectory();
    for (int i = 1; i <= windy.lastRowIndex; ++i) {
        EXPECT_GT(windy.rows[i].windage, windy.rows[i - 1].windage) << i;
        EXPECT_NEAR(windy.rows[i].lead, windy.rows[i].time * 5 * kMphToFps, 1e-12);
    }

    TrajectorySolver headOn = windy;
    headOn.targetDirection = 0;
    headOn.computeTrajectory();
    for (const TrajectoryPoint& p : headOn.rows) EXPECT_EQ(p.lead, 0.0);
}

TEST(TrajectorySolver, RecordsOnlyTheRequestedWindow) {
    TrajectorySolver s = airgunSolver();
    s.firstRange = 10;
    s.lastRange = 40;
    s.rangeStep = 5;
    s.computeTrajectory();
    ASSERT_EQ(s.lastRowIndex, 6);
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(s.rows[i].range, 10 + 5 * i);
}

// Inputs a damaged file can carry must never hang or crash the march.
TEST(TrajectorySolver, EveryInputEnds) {
    double TrajectorySolver::*inputs[] = {&TrajectorySolver::muzzleVelocity,  &TrajectorySolver::bulletWeight,
                                          &TrajectorySolver::muzzleElevation, &TrajectorySolver::losAngle,
                                          &TrajectorySolver::cantAngle,       &TrajectorySolver::sightHeight,
                                          &TrajectorySolver::targetSpeed,     &TrajectorySolver::targetDirection,
                                          &TrajectorySolver::sightInRange,    &TrajectorySolver::crosswind};
    for (auto input : inputs) {
        for (const double value : testing::kHostileValues) {
            TrajectorySolver s = airgunSolver();
            s.*input = value;
            s.computeTrajectory();
            EXPECT_LE(s.lastRowIndex, 45);
            EXPECT_EQ(s.rows.size(), static_cast<std::size_t>(s.lastRowIndex + 1));
        }
    }
    for (const double value : testing::kHostileValues) {
        TrajectorySolver s = airgunSolver();
        s.dragModel.ballisticCoefficient = value;
        s.computeTrajectory();
        s = airgunSolver();
        s.atmosphere.temperature = value;
        s.computeTrajectory();
    }
}

TEST(TrajectorySolver, HugeTablesStayWithinTheMarchLimit) {
    TrajectorySolver s = airgunSolver();
    s.lastRange = std::numeric_limits<std::int32_t>::max();
    s.rangeStep = 0;
    s.dragModel.ballisticCoefficient = 1e12;  // no drag
    s.cantAngle = degreesToRadians(90);       // gravity pulls sideways: the drop never grows
    s.computeTrajectory();
    EXPECT_EQ(s.lastRowIndex, TrajectorySolver::kMarchLimit);
}

}  // namespace
}  // namespace vorlan
