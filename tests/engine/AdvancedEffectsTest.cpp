// The effects beyond the designed flight, against numbers worked out apart from the march:
// drag-free bounds for a range wind, Miller's rule and the published spin-drift fit, the
// flat-fire Coriolis and Eotvos deflections, and the designed march itself for inputs that
// must leave the flight as it was.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "engine/AdvancedMarch.h"
#include "engine/Ballistics.h"
#include "engine/TrajectorySolver.h"
#include "shot/ShotSetup.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan {
namespace {

// The .308 175 gr load flown to 1000 yd at a fixed bore angle of 30 moa, so that every
// comparison flies the same angle whatever the effects do to the zero.
TrajectorySolver rifle(const std::function<void(AdvancedEffects&)>& set = {}) {
    ShotParameters shot = testing::load308();
    shot.muzzleAngleCorrection = false;
    shot.muzzleAngle = 30.0;
    if (set) set(shot.advanced);
    TrajectorySolver s;
    setUpTrajectory(s, shot, kTableCantDivisor);
    s.computeTrajectory();
    return s;
}

void expectSameFlight(const TrajectorySolver& a, const TrajectorySolver& b, const char* what) {
    ASSERT_EQ(a.rows.size(), b.rows.size()) << what;
    EXPECT_EQ(a.muzzleElevation, b.muzzleElevation) << what;
    for (std::size_t i = 0; i < a.rows.size(); ++i) {
        const TrajectoryPoint &p = a.rows[i], &q = b.rows[i];
        ASSERT_TRUE(p.velocity == q.velocity && p.drop == q.drop && p.windage == q.windage && p.time == q.time)
            << what << " differs at row " << i;
    }
}

// Inputs that switch the extended march on while leaving the physics as designed must give
// the designed flight bit for bit: G7's own points as a custom table, bands that all hold
// the shot's coefficient, and both together, zeroed as the range table zeroes.
TEST(AdvancedEffects, NeutralInputsFlyTheDesignedTrajectory) {
    const dragtables::DragTable& g7 = dragtables::kTables[4];
    const std::vector<MachCd> g7Points(g7.points, g7.points + g7.count);
    const std::vector<BcBand> equalBands = {{2500, 0.243}, {1800, 0.243}, {0, 0.243}};
    const struct {
        const char* what;
        std::function<void(AdvancedEffects&)> set;
    } cases[] = {
        {"custom table equal to G7", [&](AdvancedEffects& e) { e.customDrag = g7Points; }},
        {"equal coefficient bands", [&](AdvancedEffects& e) { e.bcBands = equalBands; }},
        {"both", [&](AdvancedEffects& e) { e.customDrag = g7Points, e.bcBands = equalBands; }},
    };
    for (const bool zeroed : {false, true}) {
        ShotParameters shot = testing::load308();
        shot.crosswind = 10;
        shot.muzzleAngleCorrection = zeroed;
        TrajectorySolver designed;
        setUpTrajectory(designed, shot, kTableCantDivisor);
        designed.computeTrajectory();
        ASSERT_GT(designed.rows.size(), 900u);
        for (const auto& c : cases) {
            TrajectorySolver extended = designed;
            c.set(extended.advanced);
            ASSERT_TRUE(extended.advanced.anyOn());
            extended.muzzleElevation = moaToRadians(shot.muzzleAngle);
            extended.computeTrajectory();
            expectSameFlight(designed, extended, c.what);
            EXPECT_EQ(extended.effectParts.size(), extended.rows.size());
        }
    }
}

// A range wind changes the air speed, not the ground path: without drag it would change
// nothing. Two drag-free estimates bound the change in time: at least the wind's share
// W / V0 of the lag T - X / V0 that drag costs, and at most the time to fly the air the
// wind moves past during the flight, W * T, at the average speed X / T.
TEST(AdvancedEffects, RangeWindChangesTimeOfFlightWithinDragFreeBounds) {
    const TrajectorySolver calm = rifle();
    const double x = 1000 * 3.0, v0 = 2700.0;
    const double calmTime = calm.rows[1000].time;
    const double w = 20 * kMphToFps;
    for (const double direction : {0.0, 180.0}) {
        const TrajectorySolver windy = rifle([&](AdvancedEffects& e) {
            e.windSpeed = 20;
            e.windDirection = direction;
        });
        const double change = windy.rows[1000].time - calmTime;
        EXPECT_EQ(change > 0, direction == 0.0) << "a headwind slows the bullet, a tailwind speeds it";
        EXPECT_GT(std::fabs(change), w / v0 * (calmTime - x / v0)) << direction;
        EXPECT_LT(std::fabs(change), w * calmTime * calmTime / x) << direction;
        EXPECT_NEAR(windy.rows[1000].windage, 0.0, 1e-5) << "no crosswind part";
    }
}

// Wind from the left (270 degrees) is the designed crosswind; from the right it mirrors it.
TEST(AdvancedEffects, CrossWindMatchesTheDesignedCrosswind) {
    ShotParameters shot = testing::load308();
    shot.crosswind = 10;
    TrajectorySolver designed;
    setUpTrajectory(designed, shot, kTableCantDivisor);
    designed.computeTrajectory();
    for (const double direction : {270.0, 90.0}) {
        shot.crosswind = 0;
        shot.advanced.windSpeed = 10;
        shot.advanced.windDirection = direction;
        TrajectorySolver windy;
        setUpTrajectory(windy, shot, kTableCantDivisor);
        windy.computeTrajectory();
        const double sign = direction == 270.0 ? 1.0 : -1.0;
        EXPECT_NEAR(windy.rows[1000].windage, sign * designed.rows[1000].windage, 1e-6) << direction;
        EXPECT_NEAR(windy.rows[1000].time, designed.rows[1000].time, 1e-9) << direction;
    }
}

// Miller's rule by hand for the .308 175 gr, 1.24 in long, 1:10: twist 32.47 calibres,
// length 4.026 calibres, 30 * 175 / (32.47^2 * 0.308^3 * 4.026 * 17.21) = 2.46 at 2800 ft/s
// and 59 F, 29.92 in Hg; and the drift at 1000 yd inside the published range for this
// bullet (the fit gives some 8 to 13 inches for flight times of 1.4 to 1.7 s).
TEST(AdvancedEffects, StabilityAndSpinDriftOfA308) {
    AdvancedEffects e;
    e.twistRate = 10;
    e.bulletLength = 1.24;
    e.bulletDiameter = 0.308;
    EXPECT_NEAR(gyroscopicStability(e, 175, 2800, 59, 29.92), 2.46, 0.01);
    EXPECT_NEAR(gyroscopicStability(e, 175, 2800 / 8.0, 59, 29.92), 2.46 / 2, 0.005) << "velocity to the 1/3";
    EXPECT_NEAR(gyroscopicStability(e, 175, 2800, 59, 29.92 * 1.25), 2.46 / 1.25, 0.01) << "denser air";
    e.twistRate = 0;
    EXPECT_EQ(gyroscopicStability(e, 175, 2800, 59, 29.92), 0.0);

    for (const bool left : {false, true}) {
        const TrajectorySolver s = rifle([&](AdvancedEffects& a) {
            a.twistRate = 10;
            a.bulletLength = 1.24;
            a.bulletDiameter = 0.308;
            a.leftTwist = left;
        });
        const double inches = s.effectParts[1000].spinDrift * 12;
        EXPECT_GT(std::fabs(inches), 6.0);
        EXPECT_LT(std::fabs(inches), 15.0);
        EXPECT_EQ(inches > 0, !left) << "a right-hand twist drifts right";
        EXPECT_NEAR(s.rows[1000].windage, s.effectParts[1000].spinDrift, 1e-12) << "in the windage";
        EXPECT_NEAR(s.stability, gyroscopicStability(s.advanced, 175, 2700, 59, 29.92), 1e-12);
    }
}

TEST(AdvancedEffects, StabilityAdvice) {
    const struct {
        double stability;
        const char* begins;
    } cases[] = {{0.0, "unstable"}, {0.99, "unstable"}, {1.0, "marginal"}, {1.29, "marginal"},
                 {1.3, "fair"},     {1.5, "fair"},      {1.51, "stable"},  {3.0, "stable"}};
    for (const auto& c : cases)
        EXPECT_EQ(stabilityAdvice(c.stability).substr(0, std::string_view(c.begins).size()), c.begins) << c.stability;
}

// Flat fire: a sideways acceleration k * vx, damped by drag like the bullet's own speed,
// deflects by k * (integral of t dx); k is 2 Omega sin(latitude) across and
// 2 Omega cos(latitude) sin(azimuth) up. The time of flight comes from the flight without
// the Earth's rotation.
TEST(AdvancedEffects, CoriolisAndEotvosMatchFlatFireDeflections) {
    const TrajectorySolver still = rifle();
    double integral = 0.0;  // of t dx, ft s
    for (std::size_t i = 1; i <= 1000; ++i) integral += 3.0 * (still.rows[i - 1].time + still.rows[i].time) / 2;
    const double latitude = degreesToRadians(45);
    const struct {
        double azimuth;
        double horizontal, vertical;  // ft expected at 1000 yd
    } cases[] = {
        {0, 2 * kEarthRotation * std::sin(latitude) * integral, 0.0},
        {90, 2 * kEarthRotation * std::sin(latitude) * integral, 2 * kEarthRotation * std::cos(latitude) * integral},
        {270, 2 * kEarthRotation * std::sin(latitude) * integral, -2 * kEarthRotation * std::cos(latitude) * integral},
    };
    for (const auto& c : cases) {
        const TrajectorySolver turning = rifle([&](AdvancedEffects& e) {
            e.coriolis = true;
            e.latitude = 45;
            e.azimuth = c.azimuth;
        });
        const EffectParts& part = turning.effectParts[1000];
        EXPECT_NEAR(part.coriolisHorizontal, c.horizontal, 0.05 * std::fabs(c.horizontal)) << c.azimuth;
        EXPECT_NEAR(part.coriolisVertical, c.vertical, 0.05 * std::fabs(c.horizontal)) << c.azimuth;
        // The parts are what the rotation added to the flight itself.
        EXPECT_NEAR(turning.rows[1000].windage - still.rows[1000].windage, part.coriolisHorizontal,
                    0.02 * std::fabs(c.horizontal));
        EXPECT_NEAR(turning.rows[1000].drop - still.rows[1000].drop, part.coriolisVertical,
                    0.02 * std::fabs(c.horizontal));
    }
}

TEST(AdvancedEffects, PowderTemperatureChangesTheMuzzleVelocity) {
    const TrajectorySolver warm = rifle([](AdvancedEffects& e) {
        e.powderSensitivity = 1.5;
        e.powderTemperature = 90;
    });
    EXPECT_DOUBLE_EQ(warm.launchVelocity, 2700 + 1.5 * 31);
    EXPECT_DOUBLE_EQ(warm.rows[0].velocity, 2700 + 1.5 * 31);
    EXPECT_LT(warm.rows[1000].time, rifle().rows[1000].time);
    EXPECT_DOUBLE_EQ(powderSensitivityFrom(2650, 40, 2710, 80), 1.5);
    EXPECT_EQ(powderSensitivityFrom(2650, 40, 2710, 40), 0.0);
}

TEST(AdvancedEffects, ClockFace) {
    const double cases[][2] = {{12, 0}, {3, 90}, {6, 180}, {9, 270}, {1.5, 45}, {0, 0}, {-3, 270}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(clockToDegrees(c[0]), c[1]) << c[0];
}

// A custom table is read by the standard tables' rule and held at its ends.
TEST(AdvancedEffects, CustomTableLookup) {
    const MachCd points[] = {{0.5, 0.2}, {1.0, 0.4}, {2.0, 0.3}};
    const struct {
        double mach, cd;
    } cases[] = {{0.0, 0.2}, {0.5, 0.2}, {0.75, 0.3}, {1.0, 0.4}, {1.5, 0.35}, {2.0, 0.3}, {9.0, 0.3}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(tableCoefficient(points, 3, c.mach), c.cd) << c.mach;
}

}  // namespace
}  // namespace vorlan
