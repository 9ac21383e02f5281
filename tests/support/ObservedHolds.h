#pragma once
// Holds a rifle "observed" at the range, made by flying the true shot: the tests and the
// benchmark of truing fit them back.

#include <cmath>
#include <random>
#include <vector>

#include "shot/ShotSetup.h"
#include "shot/Truing.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan::testing {

// The rifle the shooter really has: slower than the box says, and its bullet follows G1 0.47
// where the box gives G7 0.243.
inline ShotParameters realRifle() {
    ShotParameters truth = load308();
    truth.velocity = 2650.0;
    truth.dragFunction = 0;
    truth.ballisticCoefficient = 0.47;
    return truth;
}

// The dial-up hold in true MOA, worked out from the flight's drop as the angle atan(drop / range).
inline double trueHoldMoa(const ShotParameters& shot, int range) {
    TrajectorySolver t;
    setUpTrajectory(t, shot, kTableCantDivisor);
    t.lastRange = range;
    t.computeTrajectory();
    const double dropInches = t.rows.at(static_cast<std::size_t>(range)).drop * 12.0;
    return -std::atan(dropInches / (range * 36.0)) * 180.0 / 3.14159265358979323846 * 60.0;
}

// The holds of `truth` at each range; with `noise`, each off by a seeded normal error of that
// many MOA, which is then its stated uncertainty.
inline std::vector<Observation> holdsOf(const ShotParameters& truth, const std::vector<int>& ranges, double noise = 0.0,
                                        unsigned seed = 0) {
    std::mt19937 random(seed);
    std::normal_distribution<double> gauss(0.0, noise > 0.0 ? noise : 1.0);
    std::vector<Observation> observations;
    for (int range : ranges) {
        Observation o;
        o.range = range;
        o.upMoa = trueHoldMoa(truth, range) + (noise > 0.0 ? gauss(random) : 0.0);
        if (noise > 0.0) o.sigmaMoa = noise;
        observations.push_back(o);
    }
    return observations;
}

}  // namespace vorlan::testing
