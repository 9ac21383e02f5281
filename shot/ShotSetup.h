#pragma once
// Turns a shot's typed inputs into the engine's inputs, the same way for every command.

#include "Atmosphere.h"
#include "DragFunction.h"
#include "ShotParameters.h"
#include "TrajectorySolver.h"

namespace vorlan {

// Cant divisors: the range table's own trajectory uses the first, every other trajectory
// (its windless reference, the baseline and current shots of a comparison) the second.
inline constexpr double kTableCantDivisor = 57.295;
inline constexpr double kReferenceCantDivisor = 57.296;

// The shot's atmosphere with the station-pressure rule applied, derived values up to date.
Atmosphere shotAtmosphere(const ShotParameters& shot);

// The shot's coefficient and drag function; an index outside 0..10 keeps G1.
DragModel shotDragModel(const ShotParameters& shot);

// Fills every input of a trajectory over the shot's whole table (0 to incrementCount *
// rangeIncrement yards, one row per yard), with the shot's crosswind.
void setUpTrajectory(TrajectorySolver& solver, const ShotParameters& shot, double cantDivisor);

}  // namespace vorlan
