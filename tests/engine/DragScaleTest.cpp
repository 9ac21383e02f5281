// Truing's drag scale: a factor on the drag coefficient, linear in Mach between its points.

#include <gtest/gtest.h>

#include "engine/AdvancedEffects.h"
#include "engine/TrajectorySolver.h"
#include "shot/ShotSetup.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan {
namespace {

TEST(DragScale, LinearBetweenPointsAndTheEndsBeyond) {
    const std::vector<DragScalePoint> points = {{0.9, 1.10}, {1.5, 0.98}, {2.5, 1.02}};
    const struct {
        double mach, factor;
    } cases[] = {{0.0, 1.10}, {0.9, 1.10}, {1.2, 1.04}, {1.5, 0.98}, {2.0, 1.00}, {2.5, 1.02}, {4.0, 1.02}};
    for (const auto& c : cases)
        EXPECT_NEAR(dragScaleAt(points.data(), points.size(), c.mach), c.factor, 1e-12) << c.mach;
    EXPECT_EQ(dragScaleAt(points.data(), 1, 3.0), 1.10);
    EXPECT_EQ(dragScaleAt(nullptr, 0, 1.0), 1.0);
}

TrajectorySolver flown(const ShotParameters& shot) {
    TrajectorySolver s;
    setUpTrajectory(s, shot, kTableCantDivisor);
    s.computeTrajectory();
    return s;
}

// Drag is Cd / BC: a factor k on Cd flies as the coefficient divided by k, and a factor of
// one flies the designed trajectory bit for bit.
TEST(DragScale, ActsAsTheCoefficientDividedByTheFactor) {
    ShotParameters shot = testing::load308();
    const TrajectorySolver designed = flown(shot);
    for (const double k : {1.0, 1.07, 0.9}) {
        ShotParameters scaled = shot;
        scaled.advanced.dragScale = {{0.5, k}, {3.0, k}};
        ShotParameters coefficient = shot;
        coefficient.ballisticCoefficient = shot.ballisticCoefficient / k;
        const TrajectorySolver a = flown(scaled), b = k == 1.0 ? designed : flown(coefficient);
        ASSERT_EQ(a.rows.size(), b.rows.size());
        for (std::size_t i = 0; i < a.rows.size(); i += 50) {
            if (k == 1.0) {
                EXPECT_EQ(a.rows[i].drop, b.rows[i].drop) << i;
                EXPECT_EQ(a.rows[i].velocity, b.rows[i].velocity) << i;
            } else {
                EXPECT_NEAR(a.rows[i].drop, b.rows[i].drop, 1e-9 * (1.0 + std::fabs(b.rows[i].drop))) << i;
                EXPECT_NEAR(a.rows[i].velocity, b.rows[i].velocity, 1e-9 * b.rows[i].velocity) << i;
            }
        }
    }
}

// The point-blank zero and the maximum range fly the table's drag: a factor k there finds what
// the coefficient divided by k finds.
TEST(DragScale, PointBlankZeroAndMaximumRangeTakeIt) {
    for (const double k : {1.1, 0.92}) {
        ShotParameters scaled = testing::load308();
        scaled.advanced.dragScale = {{0.0, k}};
        ShotParameters coefficient = testing::load308();
        coefficient.ballisticCoefficient /= k;
        const MaximumRange a = shotMaxRangeSolver(scaled).computeMaximumRange(),
                           b = shotMaxRangeSolver(coefficient).computeMaximumRange();
        EXPECT_EQ(a.maximumRange, b.maximumRange) << k;
        EXPECT_EQ(a.firingElevation, b.firingElevation) << k;
        EXPECT_NEAR(a.verticalHeight, b.verticalHeight, 6.0) << k;
        EXPECT_NE(a.maximumRange, shotMaxRangeSolver(testing::load308()).computeMaximumRange().maximumRange);
        const PointBlankZero p = shotPointBlankZeroSolver(scaled).solve(),
                             q = shotPointBlankZeroSolver(coefficient).solve();
        EXPECT_EQ(p.optimumZero, q.optimumZero) << k;
        EXPECT_EQ(p.maximumRange, q.maximumRange) << k;
    }
}

}  // namespace
}  // namespace vorlan
