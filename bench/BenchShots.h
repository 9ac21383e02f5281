#pragma once
// The shots the benchmarks time.

#include "shot/ShotParameters.h"

namespace vorlan::bench {

// 5000 ft/s, 750 grains, BC 2.0 (G1), zeroed at 3500 yards, range increment 1 x 5000: a flat,
// heavy, fast shot whose trajectory stays within the solver's drop limit all the way, so the
// table has all 5001 rows (5016 lines).
inline ShotParameters longTableShot() {
    ShotParameters shot;
    shot.name = "Bench long range";
    shot.velocity = 5000.0;
    shot.weight = 750.0;
    shot.ballisticCoefficient = 2.0;
    shot.dragFunction = 0;
    shot.sightInRange = 3500.0;
    shot.altitude = 2000.0;
    shot.temperature = 65.0;
    shot.rangeIncrement = 1;
    shot.incrementCount = 5000;
    return shot;
}

}  // namespace vorlan::bench
