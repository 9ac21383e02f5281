#include "ShotSetup.h"

#include "Ballistics.h"

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
    solver.lastRange = shot.tableLength();
    solver.rangeStep = 1;
    solver.solveElevation = shot.muzzleAngleCorrection;
}

MaxRangeSolver shotMaxRangeSolver(const ShotParameters& shot) {
    MaxRangeSolver solver;
    solver.muzzleVelocity = shot.velocity;
    solver.bulletWeight = shot.weight;
    solver.atmosphere = shotAtmosphere(shot);
    solver.dragModel = shotDragModel(shot);
    return solver;
}

PointBlankZeroSolver shotPointBlankZeroSolver(const ShotParameters& shot) {
    PointBlankZeroSolver solver;
    solver.muzzleVelocity = shot.velocity;
    solver.bulletWeight = shot.weight;
    solver.sightHeight = shot.sightHeight;
    solver.crosswind = shot.crosswind;
    solver.targetDiameter = shot.targetDiameter;
    solver.atmosphere = shotAtmosphere(shot);
    solver.dragModel = shotDragModel(shot);
    return solver;
}

ChronographBcSolver shotChronographBcSolver(const ShotParameters& shot) {
    ChronographBcSolver solver;
    solver.nearVelocity = shot.nearChronoSpeed;
    solver.farVelocity = shot.farChronoSpeed;
    solver.distance = shot.chronoDistance;
    solver.dragFunction = static_cast<DragFunction>(shot.dragFunction);
    solver.atmosphere = shotAtmosphere(shot);
    return solver;
}

EvwCalculator shotCalculator(const ShotParameters& shot) {
    EvwCalculator calculator;
    calculator.velocity = shot.calcVelocity;
    calculator.weight = shot.calcWeight;
    calculator.energy = shot.calcEnergy;
    calculator.powerFactor = shot.powerFactor;
    calculator.mode = shot.calcMode;
    calculator.gunWeight = shot.calcGunWeight;
    calculator.powderWeight = shot.calcPowderWeight;
    calculator.recoilEnergy = shot.recoilEnergy;
    return calculator;
}

void storeCalculator(ShotParameters& shot, const EvwCalculator& calculator) {
    shot.calcVelocity = calculator.velocity;
    shot.calcWeight = calculator.weight;
    shot.calcEnergy = calculator.energy;
    shot.powerFactor = calculator.powerFactor;
    shot.calcMode = calculator.mode;
    shot.calcGunWeight = calculator.gunWeight;
    shot.calcPowderWeight = calculator.powderWeight;
    shot.recoilEnergy = calculator.recoilEnergy;
}

}  // namespace vorlan
