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

}  // namespace vorlan
