#include "shot/ShotSetup.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/Ballistics.h"
#include "shot/CLocaleNumbers.h"
#include "shot/CaliberDiameter.h"
#include "shot/MetricShotKeys.h"

namespace vorlan {

Atmosphere shotAtmosphere(const ShotParameters& shot) {
    Atmosphere air;
    air.temperature = shot.temperature;
    air.pressure = toStationPressure(shot.pressure, shot.altitude, shot.stationPressure);
    air.relativeHumidity = shot.relativeHumidity;
    air.altitude = shot.altitude;
    air.updateDerived();
    return air;
}

DragModel shotDragModel(const ShotParameters& shot) {
    DragModel model;
    setDragModel(model, shot.ballisticCoefficient, shot.dragFunction);
    return model;
}

AdvancedEffects shotAdvancedEffects(const ShotParameters& shot) {
    AdvancedEffects effects = shot.advanced;
    effects.bulletDiameter = bulletDiameter(effects.bulletDiameter, shot.caliber).inches;
    return effects;
}

double shotStability(const ShotParameters& shot) {
    const AdvancedEffects effects = shotAdvancedEffects(shot);
    const Atmosphere air = shotAtmosphere(shot);
    return gyroscopicStability(effects, shot.weight, powderAdjustedVelocity(effects, shot.velocity), air.temperature,
                               air.pressure);
}

std::int32_t metricTableYards(const ShotParameters& shot) {
    const double metres = metricRangeIncrement(shot) * shot.incrementCount;
    const double yards = std::ceil(toDesigned(metres, Quantity::Distance, Unit::Metre));
    return static_cast<std::int32_t>(std::min<double>(yards, TrajectorySolver::kMarchLimit));
}

void setUpTrajectory(TrajectorySolver& solver, const ShotParameters& shot, double cantDivisor) {
    solver.muzzleVelocity = shot.velocity;
    solver.bulletWeight = shot.weight;
    solver.dragModel = shotDragModel(shot);
    solver.atmosphere = shotAtmosphere(shot);
    solver.sightHeight = shot.sightHeight / 12.0;
    solver.sightInRange = shot.sightInRange;
    solver.muzzleElevation = moaToRadians(shot.muzzleAngle);
    solver.losAngle = degreesToRadians(shot.losAngle);
    solver.cantAngle = shot.cantAngle / cantDivisor;
    solver.crosswind = shot.crosswind;
    solver.targetSpeed = shot.targetSpeed * kMphToFps;
    solver.targetDirection = degreesToRadians(shot.targetDirection);
    solver.firstRange = 0;
    solver.lastRange = std::max<std::int32_t>(shot.tableLength(), metricTableYards(shot));
    solver.rangeStep = 1;
    solver.solveElevation = shot.muzzleAngleCorrection;
    solver.exactSightIn = metricValue(shot, "Sight-In Range").has_value();
    solver.advanced = shotAdvancedEffects(shot);
}

HitTarget shotHitTarget(const ShotParameters& shot) {
    if (shot.hit.target.isSet()) return shot.hit.target;
    return {HitTarget::Shape::Circle, shot.targetDiameter, 0.0};
}

int shotHitTargetRange(const ShotParameters& shot, UnitSystem unit) {
    const double yards = std::round(shot.targetRange);
    if (unit == UnitSystem::Imperial) return yards >= 1.0 && yards <= TrajectorySolver::kMarchLimit ? int(yards) : 0;
    const double metres = std::round(
        metricValue(shot, "Target Range").value_or(toShown(shot.targetRange, Quantity::Distance, Unit::Metre)));
    const double most = std::floor(toShown(TrajectorySolver::kMarchLimit, Quantity::Distance, Unit::Metre));
    return metres >= 1.0 && metres <= most ? static_cast<int>(metres) : 0;
}

std::vector<int> shotHitRanges(const ShotParameters& shot, int most, UnitSystem unit) {
    // The table's rows: whole yards, or the whole metres of an increment typed in metres.
    const double metres = unit == UnitSystem::Metric ? metricRangeIncrement(shot) : 0.0;
    int step = metres > 0.0 ? static_cast<int>(std::round(metres)) : shot.rangeIncrement;
    const int last = metres > 0.0 ? step * shot.incrementCount : shot.tableLength();
    const bool toMetres = unit == UnitSystem::Metric && metres <= 0.0;
    if (most > 0 && step > 0) step *= std::max(1, (last / step + most - 1) / most);
    std::vector<int> ranges;
    if (step > 0)
        for (int range = step; range <= last && range > 0; range += step)
            ranges.push_back(toMetres ? static_cast<int>(std::round(toShown(range, Quantity::Distance, Unit::Metre)))
                                      : range);
    // Yards to the nearest metre may meet: 6 yd and 5 yd are both 5 m.
    ranges.erase(std::unique(ranges.begin(), ranges.end()), ranges.end());
    if (const int range = shotHitTargetRange(shot, unit);
        range > 0 && std::find(ranges.begin(), ranges.end(), range) == ranges.end())
        ranges.insert(std::upper_bound(ranges.begin(), ranges.end(), range), range);
    return ranges;
}

bool hitSpreadsSet(const ShotParameters& shot) {
    for (int i = 0; i < kHitSpreadCount; ++i)
        if (spreadInForce(shot.hit.spreads, static_cast<HitSpread>(i))) return true;
    return false;
}

TrajectorySolver setUpHitShot(const ShotParameters& shot) {
    TrajectorySolver solver;
    setUpTrajectory(solver, shot, kTableCantDivisor);
    return solver;
}

HitRunOptions shotHitOptions(const ShotParameters& shot) {
    HitRunOptions options;
    options.firstRow = std::max(1, shot.rangeIncrement);
    return options;
}

HitProbabilityResult shotHitProbability(const ShotParameters& shot, const std::vector<int>& ranges,
                                        const HitRunOptions& options) {
    return computeHitProbability(setUpHitShot(shot), shot.hit.spreads, shotHitTarget(shot), ranges, options);
}

HitBudgetResult shotHitBudget(const ShotParameters& shot, const std::vector<int>& ranges,
                              const HitRunOptions& options) {
    return computeHitBudget(setUpHitShot(shot), shot.hit.spreads, shotHitTarget(shot), ranges, options);
}

namespace {

// The bullet, the air it flies through and the effects beyond the designed flight, as the
// maximum range and the point-blank zero take them.
template <class Solver>
Solver bulletAndAir(const ShotParameters& shot) {
    Solver solver;
    solver.muzzleVelocity = shot.velocity;
    solver.bulletWeight = shot.weight;
    solver.atmosphere = shotAtmosphere(shot);
    solver.dragModel = shotDragModel(shot);
    solver.advanced = shotAdvancedEffects(shot);
    return solver;
}

}  // namespace

MaxRangeSolver shotMaxRangeSolver(const ShotParameters& shot) { return bulletAndAir<MaxRangeSolver>(shot); }

PointBlankZeroSolver shotPointBlankZeroSolver(const ShotParameters& shot) {
    PointBlankZeroSolver solver = bulletAndAir<PointBlankZeroSolver>(shot);
    solver.sightHeight = shot.sightHeight;
    solver.crosswind = shot.crosswind;
    solver.targetDiameter = shot.targetDiameter;
    return solver;
}

ChronographBcSolver shotChronographBcSolver(const ShotParameters& shot) {
    ChronographBcSolver solver;
    solver.nearVelocity = shot.nearChronoSpeed;
    solver.farVelocity = shot.farChronoSpeed;
    solver.distance = shot.chronoDistance;
    solver.dragModel = shotDragModel(shot);
    solver.atmosphere = shotAtmosphere(shot);
    return solver;
}

namespace {

// The calculator's values and where the shot keeps them.
constexpr std::pair<double EvwCalculator::*, double ShotParameters::*> kCalculatorFields[] = {
    {&EvwCalculator::velocity, &ShotParameters::calcVelocity},
    {&EvwCalculator::weight, &ShotParameters::calcWeight},
    {&EvwCalculator::energy, &ShotParameters::calcEnergy},
    {&EvwCalculator::powerFactor, &ShotParameters::powerFactor},
    {&EvwCalculator::gunWeight, &ShotParameters::calcGunWeight},
    {&EvwCalculator::powderWeight, &ShotParameters::calcPowderWeight},
    {&EvwCalculator::recoilEnergy, &ShotParameters::recoilEnergy},
};

}  // namespace

EvwCalculator shotCalculator(const ShotParameters& shot) {
    EvwCalculator calculator;
    for (const auto& [value, field] : kCalculatorFields) calculator.*value = shot.*field;
    calculator.mode = shot.calcMode;
    return calculator;
}

void storeCalculator(ShotParameters& shot, const EvwCalculator& calculator) {
    for (const auto& [value, field] : kCalculatorFields) shot.*field = calculator.*value;
    shot.calcMode = calculator.mode;
}

}  // namespace vorlan
