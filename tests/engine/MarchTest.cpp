// The trajectory march against figures known without the engine: the march written out again
// from its description (midpoint step, time step, both stopping rules, wind and cant), and
// the drop limit from the closed form of a flight without drag.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/Ballistics.h"
#include "engine/TrajectorySolver.h"
#include "tests/support/HandBuiltFlights.h"

namespace vorlan {
namespace {

using testing::HandShot;

struct MarchCase {
    const char* what;
    HandShot shot;
    double bc;
    DragFunction drag;
};

// Level, uphill, canted into the wind, subsonic and supersonic, to the drop limit and to 50 ft/s.
const MarchCase kMarches[] = {
    {"airgun level", {800, 0.004, 0, 0, 0.125, 0, 45}, 0.02, kG1},
    {"light pellet in wind to 50 ft/s", {800, 0.02, 0, 0, 0.125, 15, 600}, 0.002, kG1},
    {"308 uphill, canted, wind", {2700, 0.002, 0.3, 0.17, 0.125, 10, 1200}, 0.243, 4},
    {"pistol downhill to the drop limit", {1150, 0.001, -0.2, -0.05, 0.1, 5, 1500}, 0.15, 1},
    // Coefficients of next to nothing: the flight ends where a half yard would take half the
    // downrange speed (G1's Cd above 1600 x BC on the level), or on a steep climb.
    {"BC 0.0001 at once", {800, 0.0, 0, 0, 0.125, 10, 200}, 0.0001, kG1},
    {"BC 0.0002 slowing", {1000, 0.0, 0, 0, 0.125, 0, 200}, 0.0002, kG1},
    {"BC 0.0005 supersonic", {4000, 0.0, 0, 0, 0.125, 0, 200}, 0.0005, kG1},
    {"BC 0.001 on a steep climb", {2700, 1.2, 0, 0, 0.125, 0, 200}, 0.001, kG1},
};

TrajectorySolver solverFor(const MarchCase& c) {
    TrajectorySolver s;
    s.muzzleVelocity = c.shot.velocity;
    s.bulletWeight = 100;
    s.solveElevation = false;
    s.muzzleElevation = c.shot.elevation;
    s.losAngle = c.shot.los;
    s.cantAngle = c.shot.cant;
    s.sightHeight = c.shot.sightHeight;
    s.crosswind = c.shot.crosswind;
    s.lastRange = c.shot.lastRange;
    setDragModel(s.dragModel, c.bc, c.drag);
    return s;
}

// Every row of the march: drop (midpoint step, gravity, cant), windage (wind), time (chord
// over the new speed) and speed, and where the march ends.
TEST(March, EveryRowMatchesTheStepWrittenOutByHand) {
    for (const MarchCase& c : kMarches) {
        TrajectorySolver s = solverFor(c);
        s.computeTrajectory();
        const Atmosphere air;
        const testing::HandAir hand{coefficientRoutine(c.drag), c.bc, air.speedOfSound, air.density / kStandardDensity};
        const std::vector<testing::HandRow> rows = testing::handBuiltMarch(c.shot, hand);
        ASSERT_EQ(s.lastRowIndex + 1, static_cast<int>(rows.size())) << c.what << ": the march ends at another yard";
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const TrajectoryPoint& p = s.rows[i];
            const double scale = 1e-9 * (1.0 + std::fabs(rows[i].drop));
            ASSERT_NEAR(p.drop, rows[i].drop, scale) << c.what << ": drop (midpoint step) at yard " << i;
            ASSERT_NEAR(p.windage, rows[i].windage, 1e-9) << c.what << ": windage at yard " << i;
            ASSERT_NEAR(p.time, rows[i].time, 1e-12 * (1.0 + i)) << c.what << ": time step at yard " << i;
            ASSERT_NEAR(p.velocity, rows[i].speed, 1e-9 * rows[i].speed) << c.what << ": speed at yard " << i;
        }
    }
}

// Air whose coefficient depends on the speed: each band's own coefficient from its speed up
// to the next faster band's, the slowest band's below them all.
struct BandedAir {
    CoefficientRoutine cd;
    double speedOfSound, densityRatio;
    std::vector<BcBand> bands;  // any order
    double drag(double speed) const {
        const auto slower = [](const BcBand& a, const BcBand& b) { return a.velocity < b.velocity; };
        BcBand chosen = *std::min_element(bands.begin(), bands.end(), slower);
        for (const BcBand& b : bands)
            if (b.velocity <= speed && b.velocity > chosen.velocity) chosen = b;
        return testing::HandAir{cd, chosen.coefficient, speedOfSound, densityRatio}.drag(speed);
    }
};

// Bands of different coefficients: each yard flies the coefficient of the band its speed is
// in, from a muzzle exactly at each band's speed (fired level, so the first step starts at
// that speed), just above it and just below it, down through every slower band to the end.
TEST(March, CoefficientBandsFlyEachBandsOwnCoefficient) {
    const std::vector<BcBand> bands = {{1400, 0.20}, {2600, 0.30}, {2000, 0.24}};
    const Atmosphere air;
    const BandedAir hand{coefficientRoutine(kG1), air.speedOfSound, air.density / kStandardDensity, bands};
    for (const BcBand& band : bands) {
        for (const double offset : {0.0, 0.5, -0.5}) {
            const MarchCase c{"bands", {band.velocity + offset, 0.0, 0, 0, 0.125, 0, 2500}, 1.0, kG1};
            TrajectorySolver s = solverFor(c);
            s.advanced.bcBands = bands;
            s.computeTrajectory();
            const std::vector<testing::HandRow> rows = testing::handBuiltMarch(c.shot, hand);
            ASSERT_EQ(s.lastRowIndex + 1, static_cast<int>(rows.size())) << c.shot.velocity;
            ASSERT_LT(rows.back().speed, 1400) << "the flight reaches the slowest band";
            for (std::size_t i = 1; i < rows.size(); ++i) {
                ASSERT_NEAR(s.rows[i].velocity, rows[i].speed, 1e-9 * rows[i].speed)
                    << "muzzle " << c.shot.velocity << " ft/s: speed at yard " << i;
                ASSERT_NEAR(s.rows[i].drop, rows[i].drop, 1e-9 * (1.0 + std::fabs(rows[i].drop)))
                    << "muzzle " << c.shot.velocity << " ft/s: drop at yard " << i;
            }
        }
    }
}

// Without drag (a huge coefficient) and fired level the height after n yards is
// -sightHeight - g dt^2 n(n+1)/2 with dt = 3 / V0: the last row is the last yard at or above
// 1999.9 inches under the line of sight.
TEST(March, EndsAtTheDropLimitOf1999Point9Inches) {
    const double v0 = 1000.0, sightHeight = 0.125, dt = 3.0 / v0;
    int lastAbove = 0;
    while (-sightHeight - kGravity * dt * dt * (lastAbove + 1) * (lastAbove + 2) / 2.0 >= -1999.9 / 12.0) ++lastAbove;
    TrajectorySolver s;
    s.muzzleVelocity = v0;
    s.sightHeight = sightHeight;
    s.solveElevation = false;
    s.lastRange = 3000;
    s.dragModel.ballisticCoefficient = 1e12;
    s.computeTrajectory();
    EXPECT_EQ(s.lastRowIndex, lastAbove) << "the drop limit ends the march at another yard";
    ASSERT_GE(s.lastRowIndex, 1);
    EXPECT_LT(s.rows[s.lastRowIndex].drop * 12.0 - kGravity * dt * dt * (lastAbove + 1) * 12.0, -1999.9);
    EXPECT_GE(s.rows[s.lastRowIndex].drop * 12.0, -1999.9);
}

}  // namespace
}  // namespace vorlan
