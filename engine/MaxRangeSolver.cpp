#include "engine/MaxRangeSolver.h"

#include <cmath>

#include "engine/Ballistics.h"

namespace vorlan {

double MaxRangeSolver::Air::dragFactor(double speed) const {
    return coefficientAt(speed / speedOfSound) * kDragConstant / ballisticCoefficient * speed * densityRatio;
}

double MaxRangeSolver::Air::deceleration(double speed) const {
    return coefficientAt(speed / speedOfSound) * kDragConstant / ballisticCoefficient * densityRatio * speed * speed +
           kGravity;
}

MaxRangeSolver::Air MaxRangeSolver::air() const {
    Atmosphere weather = atmosphere;
    weather.updateDerived();
    return {dragModel.coefficientAt, dragModel.ballisticCoefficient, weather.speedOfSound,
            weather.density / kStandardDensity};
}

MaximumRange MaxRangeSolver::computeMaximumRange() const {
    const Air a = air();
    const double degree = kPi / 180.0;
    MaximumRange result;
    double previous = 0.0;  // ft, range of the previous trial
    double elevation = (kFirstElevation - 1.0) * degree;
    for (double degrees = kFirstElevation; degrees <= kLastElevation; degrees += 1.0) {
        elevation += degree;
        const MaxRangeFlight flight = fly(a, elevation);
        if (!(flight.distance > previous)) break;  // also ends on a NaN distance
        result.found = true;
        result.firingElevation = elevation * 180.0 / kPi;
        result.maximumRange = flight.distance / 3.0;
        result.terminalEnergy = bulletEnergy(bulletWeight, flight.speed);
        result.timeOfFlight = flight.time;
        result.terminalVelocity = flight.speed;
        result.maximumHeight = flight.highest;
        previous = flight.distance;
    }
    flyVertically(a, result);
    return result;
}

// One trajectory at `elevation` (rad), midpoint method over 6 ft of horizontal distance per
// step, until the bullet is back at the muzzle's height or slower than 50 ft/s.
MaxRangeFlight MaxRangeSolver::flightAt(double elevation) const { return fly(air(), elevation); }

MaxRangeFlight MaxRangeSolver::fly(const Air& a, double elevation) const {
    constexpr double half = kStep / 2.0;
    double vx = muzzleVelocity * std::cos(elevation);
    double vy = muzzleVelocity * std::sin(elevation);
    double y = kStartHeight;
    MaxRangeFlight f;
    f.speed = muzzleVelocity;
    for (int k = 0; k < kStepLimit; ++k) {
        if (!(f.speed >= kMinimumSpeed)) break;  // also ends on a NaN speed
        const double h = half / vx;
        const double a1 = a.dragFactor(std::sqrt(vx * vx + vy * vy));
        const double vxm = vx - h * a1 * vx;
        const double vym = vy - h * (a1 * vy + kGravity);
        const double sm = std::sqrt(vxm * vxm + vym * vym);
        const double dt = kStep / vxm;
        const double a2 = a.dragFactor(sm);
        vx = vx - dt * a2 * vxm;
        vy = vy - dt * (a2 * vym + kGravity);
        f.distance += kStep;
        y += vy * dt;
        f.time += std::sqrt((vy * dt) * (vy * dt) + kStep * kStep) / sm;
        f.speed = std::sqrt(vx * vx + vy * vy);
        if (y > f.highest) f.highest = y;
        if (!(y > 0.0)) break;  // back at the muzzle's height (or no number)
    }
    return f;
}

// Straight up in 6-ft steps until the speed would no longer be positive. A step whose
// midpoint or end speed is not positive is not counted: the bullet stops inside it. (Letting
// a negative midpoint speed through would turn the drag into a push and start the climb
// again, so the loop might never end.)
void MaxRangeSolver::flyVertically(const Air& a, MaximumRange& result) const {
    constexpr double half = kStep / 2.0;
    double height = 0.0, time = 0.0, v = muzzleVelocity;
    for (int k = 0; k < kStepLimit; ++k) {
        const double vm = v - a.deceleration(v) * half / v;
        if (!(vm > 0.0)) break;
        const double vn = v - kStep / vm * a.deceleration(vm);
        if (!(vn > 0.0)) break;
        height += kStep;
        time += kStep / vn;
        v = vn;
    }
    result.verticalHeight = height;
    result.verticalTime = time;
}

}  // namespace vorlan
