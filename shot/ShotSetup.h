#pragma once
// Turns a shot's typed inputs into the engine's inputs, the same way for every command.

#include "engine/Atmosphere.h"
#include "engine/ChronographBcSolver.h"
#include "engine/DragFunction.h"
#include "engine/EvwCalculator.h"
#include "engine/HitBudget.h"
#include "engine/MaxRangeSolver.h"
#include "engine/PointBlankZeroSolver.h"
#include "engine/TrajectorySolver.h"
#include "shot/ShotParameters.h"

namespace vorlan {

// Cant divisors: the range table's own trajectory uses the first, every other trajectory
// (its windless reference, the baseline and current shots of a comparison) the second.
inline constexpr double kTableCantDivisor = 57.295;
inline constexpr double kReferenceCantDivisor = 57.296;

// The shot's atmosphere with the station-pressure rule applied, derived values up to date.
Atmosphere shotAtmosphere(const ShotParameters& shot);

// The shot's coefficient and drag function; an index outside 0..10 keeps G1.
DragModel shotDragModel(const ShotParameters& shot);

// The shot's advanced effects as a trajectory flies them: a bullet diameter of 0 becomes the
// calibre's (CaliberDiameter.h), and stays 0, leaving spin out, when the calibre names none.
AdvancedEffects shotAdvancedEffects(const ShotParameters& shot);

// The shot's gyroscopic stability factor at its muzzle velocity (after the powder's
// temperature) in its air; 0 without a twist rate, a bullet length and a diameter.
double shotStability(const ShotParameters& shot);

// The yards a metric table's rows reach, the whole yard at or after its last row; 0 when the
// shot has no metric increment (MetricShotKeys.h).
std::int32_t metricTableYards(const ShotParameters& shot);
// Fills every input of a trajectory over the shot's whole table (0 to incrementCount *
// rangeIncrement yards, or as far as a metric table's rows, one row per yard), with the shot's
// crosswind and advanced effects; a sight-in range typed in metres is zeroed at exactly that.
void setUpTrajectory(TrajectorySolver& solver, const ShotParameters& shot, double cantDivisor);

// The hit probability's target: the shot's own, else a circle of the point-blank zero's
// vital-zone diameter.
HitTarget shotHitTarget(const ShotParameters& shot);
// The ranges the hit probability is counted at unless others are asked for: every range of
// the printed table from the first increment on, and the target range among them. With
// `most` above 0, every so many increments instead, so that at most `most` ranges are
// counted besides the target range (a curve and its table, not a row per yard).
// In metric units (`unit`), whole metres: the table's metric rows, else its rows to the
// nearest metre, and the target range as typed in metres, else to the nearest metre; the run
// then takes UnitSystem::Metric for its HitRunOptions::rangeUnit.
std::vector<int> shotHitRanges(const ShotParameters& shot, int most = 0, UnitSystem unit = UnitSystem::Imperial);
// The shot's target range among those ranges: whole yards, or whole metres; 0 when it is none.
int shotHitTargetRange(const ShotParameters& shot, UnitSystem unit = UnitSystem::Imperial);
// The ranges of a P(hit) curve and of the window's table: enough for a smooth curve.
inline constexpr int kHitCurveRanges = 40;
// Whether the shot holds a spread for the hit probability to count with.
bool hitSpreadsSet(const ShotParameters& shot);
// The shot's trajectory as the hit probability flies it: the range table's own.
TrajectorySolver setUpHitShot(const ShotParameters& shot);
// A run's options as the shot sets them: an estimate short of the table's first row (its first
// increment) holds for that row, as the shooter has no hold nearer.
HitRunOptions shotHitOptions(const ShotParameters& shot);
// The hit probability of the shot, its samples flown as the range table flies its trajectory.
HitProbabilityResult shotHitProbability(const ShotParameters& shot, const std::vector<int>& ranges,
                                        const HitRunOptions& options);
// The same through the error budget, the samples where it is not enough: as every window and
// command counts it unless the samples alone are asked for.
HitBudgetResult shotHitBudget(const ShotParameters& shot, const std::vector<int>& ranges, const HitRunOptions& options);

// The side calculations filled from the shot: bullet, air and drag model as every command
// takes them, and each calculation's own inputs from their stored fields (chronograph
// readings, target diameter, calculator values).
MaxRangeSolver shotMaxRangeSolver(const ShotParameters& shot);
PointBlankZeroSolver shotPointBlankZeroSolver(const ShotParameters& shot);
ChronographBcSolver shotChronographBcSolver(const ShotParameters& shot);
EvwCalculator shotCalculator(const ShotParameters& shot);
// Stores the calculator's eight values (mode included) in the shot, as closing its window does.
void storeCalculator(ShotParameters& shot, const EvwCalculator& calculator);

}  // namespace vorlan
