#include "engine/TrajectorySolver.h"

#include <algorithm>
#include <cmath>

#include "engine/AdvancedMarch.h"
#include "engine/Ballistics.h"

namespace vorlan {

namespace {

// Drag deceleration per unit of air-relative velocity: the deceleration vector is A * u.
inline double dragFactor(const StepContext& c, double speed) {
    return c.coefficientAt(speed * c.perSpeedOfSound) * c.dragScale * speed;
}

// Clamps a range in yards, which a file may make anything, to [lo, hi].
std::int32_t clampRange(std::int64_t value, std::int64_t lo, std::int64_t hi) {
    return static_cast<std::int32_t>(std::clamp(value, lo, hi));
}

// The designed flight records its rows here and nowhere else, which lets the compiler
// inline the append into the march; the extended march records in its own file.
void recordRow(std::vector<TrajectoryPoint>& rows, std::vector<EffectParts>&, const TrajectoryPoint& row,
               const FlightState&) {
    rows.push_back(row);
}

}  // namespace

void advanceOneYard(FlightState& s, const StepContext& c) {
    const double h = TrajectorySolver::kHalfStep / s.vx;
    const double u1x = s.vx - c.wx, u1y = s.vy - c.wy, u1z = s.vz - c.wz;
    const double a1 = dragFactor(c, std::sqrt(u1x * u1x + u1y * u1y + u1z * u1z));
    const double mx = s.vx - h * (a1 * u1x - c.gx);
    const double my = s.vy - h * (a1 * u1y - c.gy);
    const double mz = s.vz - h * (a1 * u1z - c.gz);
    if (!(mx > 0.5 * s.vx)) return stopFlight(s);

    const double dt = TrajectorySolver::kStep / mx;
    const double u2x = mx - c.wx, u2y = my - c.wy, u2z = mz - c.wz;
    const double a2 = dragFactor(c, std::sqrt(u2x * u2x + u2y * u2y + u2z * u2z));
    s.vx -= dt * (a2 * u2x - c.gx);
    s.vy -= dt * (a2 * u2y - c.gy);
    s.vz -= dt * (a2 * u2z - c.gz);
    advancePosition(s, dt);
}

StepContext TrajectorySolver::stepContext() const {
    StepContext c{};
    c.coefficientAt = dragModel.coefficientAt;
    c.dragScale = kDragConstant / dragModel.ballisticCoefficient * (atmosphere.density / kStandardDensity);
    c.perSpeedOfSound = 1.0 / atmosphere.speedOfSound;
    c.gx = -kGravity * std::sin(losAngle);
    c.gy = -kGravity * std::cos(cantAngle) * std::cos(losAngle);
    c.gz = kGravity * std::sin(cantAngle) * std::cos(losAngle);
    c.wx = -headwind * kMphToFps;
    c.wy = crosswind * std::sin(cantAngle) * kMphToFps;
    c.wz = crosswind * std::cos(cantAngle) * kMphToFps;
    return c;
}

// The march runs over step indices 0..N, N the larger of the sight-in range in feet and the
// last range in yards (so it always passes the sight-in range), within the march limit.
std::int32_t TrajectorySolver::marchSteps() const {
    const double sightInFeet = kStep * sightInRange;
    double n = std::max<double>(lastRange, 0.0);
    if (sightInFeet > n) n = sightInFeet;  // false for NaN
    return static_cast<std::int32_t>(std::min<double>(n, kMarchLimit));
}

void TrajectorySolver::computeTrajectory() {
    atmosphere.updateDerived();
    const std::int32_t step = std::max<std::int32_t>(rangeStep, 1);
    const std::int32_t first = clampRange(firstRange, 0, kMarchLimit);
    const std::int32_t last = clampRange(lastRange, -1, kMarchLimit);
    const std::size_t capacity = last >= first ? static_cast<std::size_t>((last - first + 1) / step + 1) : 0;
    rows.clear();
    rows.reserve(capacity);
    effectParts.clear();
    launchVelocity = muzzleVelocity;
    stability = 0.0;
    jumpAngle = 0.0;
    if (!advanced.anyOn()) {
        runPasses<FlightState>(stepContext());
        return;
    }
    // The effects that do not change along the path are worked out once, here.
    effectParts.reserve(capacity);
    launchVelocity = powderAdjustedVelocity(advanced, muzzleVelocity);
    stability =
        gyroscopicStability(advanced, bulletWeight, launchVelocity, atmosphere.temperature, atmosphere.pressure);
    jumpAngle = moaToRadians(aerodynamicJumpMoa(advanced, stability, muzzleCrosswind(advanced, crosswind)));
    if (solveElevation && advanced.zeroConditions) {
        // One zero in the zero conditions, then the shot's own flight at that angle.
        Zero status = Zero::NotAsked;
        muzzleElevation = zeroConditionsElevation(status);
        solveElevation = false;
        runPasses<AdvancedFlightState>(advancedStepContext());
        solveElevation = true;
        zero = status;
    } else {
        runPasses<AdvancedFlightState>(advancedStepContext());
    }
    if (advanced.spinDriftOn()) addSpinDrift();
    if (jumpAngle != 0.0) addJump();
}

double TrajectorySolver::zeroConditionsElevation(Zero& status) const {
    TrajectorySolver zeroing = *this;
    zeroing.atmosphere.temperature = advanced.zeroTemperature;
    zeroing.atmosphere.pressure = advanced.zeroPressure;
    zeroing.atmosphere.relativeHumidity = advanced.zeroHumidity;
    zeroing.advanced.powderTemperature = advanced.zeroPowderTemperature;
    zeroing.advanced.zeroConditions = false;
    zeroing.advanced.calm();
    zeroing.crosswind = 0.0;
    zeroing.losAngle = 0.0;
    zeroing.firstRange = 0;
    zeroing.lastRange = 0;  // the zero needs no rows
    zeroing.computeTrajectory();
    status = zeroing.zero;
    return zeroing.muzzleElevation;
}

template <class State, class Context>
void TrajectorySolver::runPasses(const Context& context) {
    double elevation = solveElevation ? 0.0 : muzzleElevation;
    double zeroError = 0.0;
    // A rifle is zeroed in calm air: the zeroing passes fly without the aerodynamic jump.
    for (int pass = 1;; ++pass) {
        double next = elevation;
        // NaN until the pass reaches the sight-in range; a pass that does not reach it would
        // fly the same elevation again, so the zeroing ends there.
        zeroError = std::nan("");
        runPass<State>(context, elevation, solveElevation ? 0.0 : jumpAngle, solveElevation, zeroError, next);
        elevation = next;
        if (!solveElevation || !(zeroError > kZeroTolerance) || pass == kMaxZeroPasses) break;
    }
    // A zero that failed keeps the rows of its last pass, as without the jump: none is flown.
    if (solveElevation && jumpAngle != 0.0 && zeroError <= kZeroTolerance) {
        double unusedError = 0.0, unusedNext = 0.0;
        runPass<State>(context, elevation, jumpAngle, false, unusedError, unusedNext);
    } else if (solveElevation) {
        jumpAngle = 0.0;
    }
    muzzleElevation = elevation;
    if (!solveElevation)
        zero = Zero::NotAsked;
    else if (std::isnan(zeroError))
        zero = Zero::NotReached;
    else
        zero = zeroError <= kZeroTolerance ? Zero::Settled : Zero::NotSettled;
}

template <class State, class Context>
void TrajectorySolver::runPass(const Context& context, double elevation, double jump, bool zeroing, double& zeroError,
                               double& nextElevation) {
    const std::int32_t n = marchSteps();
    const std::int32_t step = std::max<std::int32_t>(rangeStep, 1);
    const double sightInFeet = kStep * sightInRange;
    const double lateral = std::sin(targetDirection) * targetSpeed;

    State s{};
    s.y = -sightHeight;
    s.vx = launchVelocity * std::cos(elevation + jump);
    s.vy = launchVelocity * std::sin(elevation + jump);
    s.speed = launchVelocity;
    rows.clear();
    effectParts.clear();
    lastRowIndex = -1;
    stoppedInFlight = false;

    for (std::int32_t k = 0; k <= n; ++k) {
        // Written as negations so that a NaN speed or height also ends the flight.
        if (!(s.speed >= kMinimumSpeed) || !(s.y >= kLowestDrop)) {
            stoppedInFlight = std::isnan(s.speed);
            break;
        }
        // Past the last recorded range and past the sight-in range nothing more is recorded
        // or corrected: the rest of the march would change nothing.
        if (k > lastRange && (!solveElevation || s.x >= sightInFeet + kHalfStep)) break;
        if (k >= firstRange && k <= lastRange && k % step == 0 && rows.size() < rows.capacity()) {
            recordRow(rows, effectParts,
                      {s.x / kStep, s.speed, bulletEnergy(bulletWeight, s.speed), bulletMomentum(bulletWeight, s.speed),
                       s.y, s.z, lateral * s.time, s.time},
                      s);
            lastRowIndex = static_cast<std::int32_t>(rows.size()) - 1;
        }
        advanceOneYard(s, context);
        if (zeroing && std::fabs(s.x - sightInFeet) < kHalfStep) {
            const double along = exactSightIn ? sightInFeet - s.x : 0.0;
            const double y = exactSightIn ? s.y + along * s.vy / s.vx : s.y;
            zeroError = std::fabs(y);
            nextElevation = elevation - y / (s.x + along);
            if (zeroError > kZeroTolerance) break;  // the next pass flies the corrected angle
        }
    }
}

AdvancedStepContext TrajectorySolver::advancedStepContext() const {
    return vorlan::advancedStepContext(stepContext(), advanced, atmosphere.density / kStandardDensity, losAngle,
                                       cantAngle);
}

// What the jump's angle at the muzzle gives at each row's range.
void TrajectorySolver::addJump() {
    const double slope = std::tan(jumpAngle);
    for (std::size_t i = 0; i < rows.size(); ++i) effectParts[i].aerodynamicJump = rows[i].range * kStep * slope;
}

// Spin drift goes with the time of flight, so it is added once the flight is known.
void TrajectorySolver::addSpinDrift() {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double drift = spinDriftInches(stability, rows[i].time, advanced.leftTwist) / 12.0;
        rows[i].windage += drift;
        effectParts[i].spinDrift = drift;
    }
}

}  // namespace vorlan
