#include "TrajectorySolver.h"

#include <algorithm>
#include <cmath>

#include "Ballistics.h"

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

}  // namespace

void advanceOneYard(FlightState& s, const StepContext& c) {
    const double h = TrajectorySolver::kHalfStep / s.vx;
    const double u1x = s.vx - c.wx, u1y = s.vy - c.wy, u1z = s.vz - c.wz;
    const double a1 = dragFactor(c, std::sqrt(u1x * u1x + u1y * u1y + u1z * u1z));
    const double mx = s.vx - h * (a1 * u1x - c.gx);
    const double my = s.vy - h * (a1 * u1y - c.gy);
    const double mz = s.vz - h * (a1 * u1z - c.gz);

    const double dt = TrajectorySolver::kStep / mx;
    const double u2x = mx - c.wx, u2y = my - c.wy, u2z = mz - c.wz;
    const double a2 = dragFactor(c, std::sqrt(u2x * u2x + u2y * u2y + u2z * u2z));
    s.vx -= dt * (a2 * u2x - c.gx);
    s.vy -= dt * (a2 * u2y - c.gy);
    s.vz -= dt * (a2 * u2z - c.gz);

    const double dy = s.vy * dt;
    const double dz = s.vz * dt;
    s.x += TrajectorySolver::kStep;
    s.y += dy;
    s.z += dz;
    s.speed = std::sqrt(s.vx * s.vx + s.vy * s.vy + s.vz * s.vz);
    s.time += std::sqrt(dy * dy + TrajectorySolver::kStep * TrajectorySolver::kStep + dz * dz) / s.speed;
}

StepContext TrajectorySolver::stepContext() const {
    StepContext c{};
    c.coefficientAt = dragModel.coefficientAt;
    c.dragScale = kDragConstant / dragModel.ballisticCoefficient * (atmosphere.density / kStandardDensity);
    c.perSpeedOfSound = 1.0 / atmosphere.speedOfSound;
    c.gx = -kGravity * std::sin(losAngle);
    c.gy = -kGravity * std::cos(cantAngle) * std::cos(losAngle);
    c.gz = kGravity * std::sin(cantAngle) * std::cos(losAngle);
    c.wx = 0.0;
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
    const StepContext context = stepContext();

    const std::int32_t step = std::max<std::int32_t>(rangeStep, 1);
    const std::int32_t first = clampRange(firstRange, 0, kMarchLimit);
    const std::int32_t last = clampRange(lastRange, -1, kMarchLimit);
    rows.clear();
    rows.reserve(last >= first ? static_cast<std::size_t>((last - first + 1) / step + 1) : 0);

    double elevation = solveElevation ? 0.0 : muzzleElevation;
    double zeroError = 0.0;
    for (int pass = 1;; ++pass) {
        double next = elevation;
        // NaN until the pass reaches the sight-in range; a pass that does not reach it would
        // fly the same elevation again, so the zeroing ends there.
        zeroError = std::nan("");
        runPass(context, elevation, zeroError, next);
        elevation = next;
        if (!solveElevation || !(zeroError > kZeroTolerance) || pass == kMaxZeroPasses) break;
    }
    muzzleElevation = elevation;
    if (!solveElevation)
        zero = Zero::NotAsked;
    else if (std::isnan(zeroError))
        zero = Zero::NotReached;
    else
        zero = zeroError <= kZeroTolerance ? Zero::Settled : Zero::NotSettled;
}

void TrajectorySolver::runPass(const StepContext& context, double elevation, double& zeroError, double& nextElevation) {
    const std::int32_t n = marchSteps();
    const std::int32_t step = std::max<std::int32_t>(rangeStep, 1);
    const double sightInFeet = kStep * sightInRange;
    const double lateral = std::sin(targetDirection) * targetSpeed;

    FlightState s{};
    s.y = -sightHeight;
    s.vx = muzzleVelocity * std::cos(elevation);
    s.vy = muzzleVelocity * std::sin(elevation);
    s.speed = muzzleVelocity;
    rows.clear();
    lastRowIndex = -1;

    for (std::int32_t k = 0; k <= n; ++k) {
        // Written as negations so that a NaN speed or height also ends the flight.
        if (!(s.speed >= kMinimumSpeed) || !(s.y >= kLowestDrop)) break;
        if (k >= firstRange && k <= lastRange && k % step == 0 && rows.size() < rows.capacity()) {
            rows.push_back({s.x / kStep, s.speed, bulletEnergy(bulletWeight, s.speed),
                            bulletMomentum(bulletWeight, s.speed), s.y, s.z, lateral * s.time, s.time});
            lastRowIndex = static_cast<std::int32_t>(rows.size()) - 1;
        }
        advanceOneYard(s, context);
        if (solveElevation && std::fabs(s.x - sightInFeet) < kHalfStep) {
            zeroError = std::fabs(s.y);
            nextElevation = elevation - s.y / s.x;
            if (zeroError > kZeroTolerance) break;  // the next pass flies the corrected angle
        }
    }
}

}  // namespace vorlan
