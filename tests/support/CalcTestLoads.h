#pragma once
// Loads shared by the engine tests and the benchmarks.

#include <cmath>
#include <limits>

#include "shot/ShotParameters.h"

namespace vorlan::testing {

// A .308 Winchester load: 175 gr at 2700 ft/s, G7 0.243, 1.5-in sight, 8-in vital zone,
// standard sea-level air.
inline ShotParameters load308() {
    ShotParameters shot;
    shot.name = "308 Win 175 SMK";
    shot.velocity = 2700.0;
    shot.weight = 175.0;
    shot.ballisticCoefficient = 0.243;
    shot.dragFunction = 4;
    shot.sightHeight = 1.5;
    shot.targetDiameter = 8.0;
    shot.sightInRange = 100.0;
    shot.rangeIncrement = 1;
    shot.incrementCount = 1000;
    return shot;
}

// The same load with a short table: ten rows of 100 yd, the target at 500 yd.
inline ShotParameters load308ShortTable() {
    ShotParameters shot = load308();
    shot.rangeIncrement = 100;
    shot.incrementCount = 10;
    shot.targetRange = 500;
    return shot;
}

// The same load into a 20 mph headwind with its powder at 0 F (1.5 ft/s per degree).
inline ShotParameters load308HeadwindColdPowder() {
    ShotParameters shot = load308();
    shot.advanced.windSpeed = 20;
    shot.advanced.windDirection = 0;
    shot.advanced.powderSensitivity = 1.5;
    shot.advanced.powderTemperature = 0;
    return shot;
}

// Values a damaged shot file can hand to a solver.
inline constexpr double kHostileValues[] = {std::numeric_limits<double>::quiet_NaN(),
                                            std::numeric_limits<double>::infinity(),
                                            -std::numeric_limits<double>::infinity(),
                                            1e300,
                                            -1e300,
                                            -5.0,
                                            0.0,
                                            1e-300};

}  // namespace vorlan::testing
