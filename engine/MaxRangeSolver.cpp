#include "engine/MaxRangeSolver.h"

#include <cmath>

#include "engine/AdvancedMarch.h"
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

namespace {

// The designed drag and still air.
struct DesignedDrag {
    const MaxRangeSolver::Air& air;
    double factor(double speed) const { return air.dragFactor(speed); }
    double deceleration(double speed) const { return air.deceleration(speed); }
    double wind(double) const { return 0.0; }
};

// The drag of the advanced effects, and the wind along the line of fire at x ft.
struct EffectsDrag {
    AdvancedStepContext context;
    double factor(double speed) const { return advancedDragFactor(context, speed); }
    double deceleration(double speed) const { return advancedDragFactor(context, speed) * speed + kGravity; }
    double wind(double x) const { return windAt(context, x).wx; }
};

}  // namespace

double MaxRangeSolver::launchVelocity() const { return powderAdjustedVelocity(advanced, muzzleVelocity); }

MaximumRange MaxRangeSolver::computeMaximumRange() const {
    const Air a = air();
    if (!advanced.anyOn()) return search(DesignedDrag{a});
    StepContext base{};
    base.coefficientAt = a.coefficientAt;
    base.dragScale = kDragConstant / a.ballisticCoefficient * a.densityRatio;
    base.perSpeedOfSound = 1.0 / a.speedOfSound;
    return search(EffectsDrag{advancedStepContext(base, advanced, a.densityRatio, 0.0, 0.0)});
}

template <class Drag>
MaximumRange MaxRangeSolver::search(const Drag& a) const {
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
// The designed flight only: the effects are taken by the search itself.
MaxRangeFlight MaxRangeSolver::flightAt(double elevation) const { return fly(DesignedDrag{air()}, elevation); }

// The drag acts on the velocity through the air, ux = vx - wind; in still air ux is vx.
template <class Drag>
MaxRangeFlight MaxRangeSolver::fly(const Drag& a, double elevation) const {
    constexpr double half = kStep / 2.0;
    const double v0 = launchVelocity();
    double vx = v0 * std::cos(elevation);
    double vy = v0 * std::sin(elevation);
    double y = kStartHeight;
    MaxRangeFlight f;
    f.speed = v0;
    for (int k = 0; k < kStepLimit; ++k) {
        if (!(f.speed >= kMinimumSpeed)) break;  // also ends on a NaN speed
        const double w = a.wind(f.distance);
        const double h = half / vx;
        const double ux = vx - w;
        const double a1 = a.factor(std::sqrt(ux * ux + vy * vy));
        const double vxm = vx - h * a1 * ux;
        const double vym = vy - h * (a1 * vy + kGravity);
        // As in the table's flight: a bullet losing half its forward speed in half a step
        // has stopped, and the step taken anyway would speed it up.
        if (!(vxm > 0.5 * vx)) break;
        const double sm = std::sqrt(vxm * vxm + vym * vym);
        const double dt = kStep / vxm;
        const double uxm = vxm - w;
        const double a2 = a.factor(w == 0.0 ? sm : std::sqrt(uxm * uxm + vym * vym));
        vx = vx - dt * a2 * uxm;
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
template <class Drag>
void MaxRangeSolver::flyVertically(const Drag& a, MaximumRange& result) const {
    constexpr double half = kStep / 2.0;
    double height = 0.0, time = 0.0, v = launchVelocity();
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
