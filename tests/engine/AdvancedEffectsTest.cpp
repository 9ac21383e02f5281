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

TrajectorySolver flown(const ShotParameters& shot) {
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
// With the sight canted, the wind's share along the canted vertical moves the drop alike.
TEST(AdvancedEffects, CrossWindMatchesTheDesignedCrosswind) {
    for (const double cant : {0.0, 20.0}) {
        ShotParameters shot = testing::load308();
        shot.cantAngle = cant;
        shot.crosswind = 10;
        TrajectorySolver designed;
        setUpTrajectory(designed, shot, kTableCantDivisor);
        designed.computeTrajectory();
        shot.crosswind = 0;
        shot.advanced.windSpeed = 10;
        shot.advanced.windDirection = 270;
        TrajectorySolver windy;
        setUpTrajectory(windy, shot, kTableCantDivisor);
        windy.computeTrajectory();
        EXPECT_NEAR(windy.rows[1000].windage, designed.rows[1000].windage, 1e-6) << cant;
        EXPECT_NEAR(windy.rows[1000].drop, designed.rows[1000].drop, 1e-6) << cant;
        EXPECT_NEAR(windy.rows[1000].time, designed.rows[1000].time, 1e-9) << cant;
        if (cant > 0) continue;
        shot.advanced.windDirection = 90;
        setUpTrajectory(windy, shot, kTableCantDivisor);
        windy.computeTrajectory();
        EXPECT_NEAR(windy.rows[1000].windage, -designed.rows[1000].windage, 1e-6);
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

// A rifle zeroed at 59 F in calm air on a level range and fired at 20 F, uphill, in a
// crosswind, with cold powder, flies the shot fired with LOS Check off at the angle the
// zero day's own zeroing gives; re-zeroing in today's air would hide part of the change.
TEST(AdvancedEffects, ZeroConditionsKeepTheZeroDaysAngle) {
    ShotParameters zeroDay = testing::load308();
    zeroDay.stationPressure = true;
    zeroDay.pressure = 29.5;
    zeroDay.relativeHumidity = 30;
    zeroDay.advanced.powderSensitivity = 1.5;
    const TrajectorySolver zero = flown(zeroDay);
    ASSERT_EQ(zero.zero, TrajectorySolver::Zero::Settled);

    ShotParameters today = zeroDay;
    today.temperature = 20;
    today.pressure = 30.2;
    today.relativeHumidity = 60;
    today.crosswind = 10;
    today.losAngle = 5;
    today.advanced.powderTemperature = 20;
    AdvancedEffects& e = today.advanced;
    e.zeroConditions = true;
    e.zeroTemperature = 59;
    e.zeroPressure = 29.5;
    e.zeroHumidity = 30;
    e.zeroPowderTemperature = 59;
    const TrajectorySolver kept = flown(today);
    EXPECT_EQ(kept.muzzleElevation, zero.muzzleElevation);
    EXPECT_EQ(kept.zero, TrajectorySolver::Zero::Settled);
    // The zero is taken in calm air, whatever today's wind: head, tail, zoned, with its jump.
    for (const auto& wind : std::vector<std::function<void(AdvancedEffects&)>>{
             [](AdvancedEffects& w) { w.windSpeed = 25, w.windDirection = 0; },
             [](AdvancedEffects& w) { w.windSpeed = 25, w.windDirection = 180; },
             [](AdvancedEffects& w) {
                 w.windZones = {{300, 20, 10}, {3000, 15, 200}};
             },
             [](AdvancedEffects& w) {
                 w.windSpeed = 15, w.windDirection = 90, w.aerodynamicJump = true;
                 w.twistRate = 10, w.bulletLength = 1.24, w.bulletDiameter = 0.308;
             }}) {
        ShotParameters windy = today;
        wind(windy.advanced);
        EXPECT_EQ(flown(windy).muzzleElevation, zero.muzzleElevation);
    }

    ShotParameters fixed = today;
    fixed.advanced.zeroConditions = false;
    fixed.muzzleAngleCorrection = false;
    fixed.muzzleAngle = radiansToMoa(zero.muzzleElevation);
    const TrajectorySolver atAngle = flown(fixed);
    ShotParameters rezeroed = today;
    rezeroed.advanced.zeroConditions = false;
    const TrajectorySolver again = flown(rezeroed);
    ASSERT_EQ(kept.rows.size(), atAngle.rows.size());
    for (std::size_t r = 100; r <= 1000; r += 100) {
        EXPECT_NEAR(kept.rows[r].drop, atAngle.rows[r].drop, 1e-9) << r;
        EXPECT_NEAR(kept.rows[r].windage, atAngle.rows[r].windage, 1e-9) << r;
    }
    EXPECT_GT(std::fabs(kept.rows[1000].drop - again.rows[1000].drop) * 12, 1.0) << "re-zeroing moves the shot";
}

// The jump's fit, Litz (0.01 Sg - 0.0024 L + 0.032) MOA per mph: a wind from the right
// (90 deg) throws a right-hand twist's bullet up and one from the left down by as much, so
// the drops differ by twice the fit's angle at every range (one MOA is 1.0472 in per 100
// yd); a left-hand twist mirrors it. Both are zeroed at the same angle, without the jump.
TEST(AdvancedEffects, AerodynamicJumpFollowsThePublishedFit) {
    for (const bool left : {false, true}) {
        ShotParameters shot = testing::load308();
        AdvancedEffects& e = shot.advanced;
        e.twistRate = 10, e.bulletLength = 1.24, e.bulletDiameter = 0.308, e.leftTwist = left;
        e.aerodynamicJump = true;
        e.windSpeed = 10;
        e.windDirection = 90;
        const TrajectorySolver fromRight = flown(shot);
        e.windDirection = 270;
        const TrajectorySolver fromLeft = flown(shot);
        EXPECT_NEAR(fromRight.muzzleElevation, fromLeft.muzzleElevation, 1e-12) << left;
        const double fitMoa = (0.01 * fromRight.stability - 0.0024 * 1.24 / 0.308 + 0.032) * 10;
        ASSERT_GT(fitMoa, 0.3);
        const double sign = left ? -1.0 : 1.0;
        for (std::size_t r = 100; r <= 1000; r += 150) {
            const double expected = sign * 2 * fitMoa * 1.0472 * static_cast<double>(r) / 100;
            EXPECT_NEAR((fromRight.rows[r].drop - fromLeft.rows[r].drop) * 12, expected, 0.02 * std::fabs(expected))
                << r << (left ? " left" : " right");
            EXPECT_NEAR(fromRight.effectParts[r].aerodynamicJump * 12, expected / 2, 0.02 * std::fabs(expected)) << r;
        }
        // The crosswind at the muzzle throws the bullet: the first wind zone's, not a later one's.
        e.windSpeed = 0;
        e.windZones = {{50, 10, 90}, {2000, 0, 0}};
        const TrajectorySolver muzzleWind = flown(shot);
        e.windZones = {{50, 0, 0}, {2000, 10, 90}};
        const TrajectorySolver laterWind = flown(shot);
        EXPECT_NEAR(muzzleWind.effectParts[1000].aerodynamicJump * 12, sign * fitMoa * 1.0472 * 10, 0.02 * fitMoa * 10);
        EXPECT_EQ(laterWind.effectParts[1000].aerodynamicJump, 0.0);
        // A zero that cannot be reached flies no jump pass, and says so as the plain zero does.
        ShotParameters unreachable = shot;
        unreachable.advanced.windZones.clear();
        unreachable.advanced.windSpeed = 10;
        unreachable.velocity = 900;
        unreachable.sightInRange = 4000;
        const TrajectorySolver jumpedZero = flown(unreachable);
        unreachable.advanced.aerodynamicJump = false;
        const TrajectorySolver plainZero = flown(unreachable);
        EXPECT_EQ(jumpedZero.zero, TrajectorySolver::Zero::NotReached);
        EXPECT_EQ(plainZero.zero, TrajectorySolver::Zero::NotReached);
        expectSameFlight(jumpedZero, plainZero, "an unreached zero with the jump");
        EXPECT_EQ(jumpedZero.jumpAngle, 0.0) << "no jump was flown";
        EXPECT_EQ(jumpedZero.effectParts[100].aerodynamicJump, 0.0);
        e.windZones.clear();
        e.windSpeed = 10;
        e.aerodynamicJump = false;
        const TrajectorySolver plainLeft = flown(shot);
        e.windDirection = 90;
        EXPECT_NEAR(flown(shot).rows[1000].drop, plainLeft.rows[1000].drop, 1e-6) << "without the jump a side wind "
                                                                                     "leaves the drop alone";
    }
}

// Winds along the range: one zone is the single wind bit for bit, two equal zones are one,
// and a zone's wind stops at its range: with the wind only to 500 yd the flight is the
// windy one to 500 yd and then keeps the sideways speed it had, short of the full wind's.
TEST(AdvancedEffects, WindZones) {
    ShotParameters shot = testing::load308();
    shot.advanced.windSpeed = 12;
    shot.advanced.windDirection = 300;
    const TrajectorySolver single = flown(shot);
    const struct {
        const char* what;
        std::vector<WindZone> zones;
    } same[] = {
        {"one zone", {{400, 12, 300}}},
        {"two equal zones", {{400, 12, 300}, {800, 12, 300}}},
    };
    for (const auto& c : same) {
        ShotParameters zoned = shot;
        zoned.advanced.windSpeed = 0;
        zoned.advanced.windZones = c.zones;
        expectSameFlight(single, flown(zoned), c.what);
    }
    ShotParameters near = shot;
    near.advanced.windZones = {{500, 12, 300}, {1000, 0, 0}};
    const TrajectorySolver nearOnly = flown(near);
    for (std::size_t r = 0; r <= 500; r += 100) EXPECT_EQ(nearOnly.rows[r].windage, single.rows[r].windage) << r;
    const double w500 = single.rows[500].windage;
    EXPECT_GT(nearOnly.rows[1000].windage / w500, 1.0) << "the drift goes on";
    EXPECT_LT(nearOnly.rows[1000].windage, 0.8 * single.rows[1000].windage) << "short of the full wind's";
    ShotParameters far = shot;
    far.advanced.windZones = {{500, 0, 0}, {1000, 12, 300}};
    EXPECT_EQ(flown(far).rows[500].windage, 0.0);
}

}  // namespace
}  // namespace vorlan
