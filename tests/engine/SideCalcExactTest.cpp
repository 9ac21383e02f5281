// The maximum range and the chronograph coefficient against the same calculations written out
// again in the test (HandBuiltFlights.h), for loads of several drag functions: exact results,
// not only their plausible size.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/Ballistics.h"
#include "shot/ShotSetup.h"
#include "tests/support/CalcTestLoads.h"
#include "tests/support/HandBuiltFlights.h"

namespace vorlan {
namespace {

testing::HandAir handAir(const ShotParameters& shot) {
    const Atmosphere air = shotAtmosphere(shot);
    return {shotDragModel(shot).coefficientAt, shot.ballisticCoefficient, air.speedOfSound,
            air.density / kStandardDensity};
}

ShotParameters airgun() { return ShotParameters{}; }
ShotParameters pistol() {
    ShotParameters shot;
    shot.velocity = 1150;
    shot.weight = 115;
    shot.ballisticCoefficient = 0.15;
    shot.dragFunction = 1;
    shot.temperature = 20;
    shot.altitude = 5000;
    return shot;
}
ShotParameters slowHeavy() {
    ShotParameters shot = testing::load308();
    shot.velocity = 900;
    shot.dragFunction = 10;  // G1M
    return shot;
}

const double kDegree = kPi / 180.0;

TEST(MaximumRangeExact, SearchInWholeDegreesFromElevenMatchesTheTrialsFlownByHand) {
    for (const ShotParameters& shot : {airgun(), pistol(), slowHeavy(), testing::load308()}) {
        const testing::HandAir air = handAir(shot);
        // The search by hand: whole degrees from 11 while each trial flies farther.
        double best = 11.0;
        testing::HandTrial bestTrial = testing::handBuiltTrial(shot.velocity, 11.0 * kDegree, air);
        for (;;) {
            const testing::HandTrial next = testing::handBuiltTrial(shot.velocity, (best + 1.0) * kDegree, air);
            if (!(next.distance > bestTrial.distance)) break;
            best += 1.0;
            bestTrial = next;
        }
        const MaximumRange r = shotMaxRangeSolver(shot).computeMaximumRange();
        const std::string load = shot.name + " " + std::to_string(shot.dragFunction);
        ASSERT_TRUE(r.found) << load;
        EXPECT_NEAR(r.firingElevation, best, 1e-9) << load << ": firing elevation";
        EXPECT_EQ(r.maximumRange, bestTrial.distance / 3.0) << load << ": maximum range";
        EXPECT_NEAR(r.timeOfFlight, bestTrial.time, 1e-9) << load << ": time of flight";
        EXPECT_NEAR(r.terminalVelocity, bestTrial.speed, 1e-9) << load << ": terminal velocity";
        EXPECT_NEAR(r.maximumHeight, bestTrial.highest, 1e-9) << load << ": maximum height";
        EXPECT_NEAR(r.terminalEnergy, shot.weight * 0.5 * bestTrial.speed * bestTrial.speed / 225190.0, 1e-9);

        // Properties no chance result has: elevation - 11 a whole number, and neither
        // neighbouring degree flies farther (the one below is shorter: the search went past it).
        const double steps = r.firingElevation - 11.0;
        EXPECT_GE(steps, -1e-9) << load;
        EXPECT_NEAR(steps, std::round(steps), 1e-9) << load << ": elevation not in whole degrees from 11";
        const double at = testing::handBuiltTrial(shot.velocity, r.firingElevation * kDegree, air).distance;
        EXPECT_LE(testing::handBuiltTrial(shot.velocity, (r.firingElevation + 1.0) * kDegree, air).distance, at)
            << load;
        if (r.firingElevation > 11.5) {
            EXPECT_LT(testing::handBuiltTrial(shot.velocity, (r.firingElevation - 1.0) * kDegree, air).distance, at)
                << load;
        }
    }
}

struct Reading {
    double near, far, distance;
    int drag;
};

// Chronograph readings whose coefficient lies in the usable range, several drag functions.
TEST(ChronographBcExact, CoefficientIsThatOfTheDesigned200StepPassDoneByHand) {
    const Reading readings[] = {
        {800, 700, 300, 0}, {2800, 2500, 300, 0}, {2800, 2500, 300, 4}, {1150, 1000, 150, 1}, {3000, 2200, 600, 10},
    };
    for (const Reading& r : readings) {
        ShotParameters shot = pistol();  // cold air at 5000 ft: the density ratio and speed of sound count
        shot.dragFunction = r.drag;
        shot.nearChronoSpeed = r.near;
        shot.farChronoSpeed = r.far;
        shot.chronoDistance = r.distance;
        const ChronographBc bc = shotChronographBcSolver(shot).solve();
        const testing::HandBc hand = testing::handBuiltChronographBc(r.near, r.far, r.distance, handAir(shot));
        ASSERT_TRUE(bc.usable()) << r.near << " " << r.far;
        EXPECT_NEAR(bc.ballisticCoefficient, hand.bc, 1e-12 * hand.bc)
            << r.near << " -> " << r.far << " over " << r.distance << " ft, drag " << r.drag << ": coefficient";
        EXPECT_EQ(bc.passes, hand.passes) << r.near << " " << r.far;
    }
}

}  // namespace
}  // namespace vorlan
