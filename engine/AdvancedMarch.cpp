#include "engine/AdvancedMarch.h"

#include <algorithm>
#include <cmath>

#include "engine/Ballistics.h"

namespace vorlan {

namespace {

[[gnu::always_inline]] inline double coefficient(const AdvancedStepContext& c, double mach) {
    const double cd = c.customDrag ? tableCoefficient(c.customDrag, c.customCount, mach) : c.base.coefficientAt(mach);
    return c.dragScale ? cd * dragScaleAt(c.dragScale, c.dragScaleCount, mach) : cd;
}

[[gnu::always_inline]] inline double dragScale(const AdvancedStepContext& c, double speed) {
    if (c.bandCount == 0) return c.base.dragScale;
    for (int i = 0; i + 1 < c.bandCount; ++i)
        if (speed >= c.bands[i].velocity) return c.bands[i].dragScale;
    return c.bands[c.bandCount - 1].dragScale;
}

// The same product, in the same order, as the designed step's drag.
[[gnu::always_inline]] inline double dragFactor(const AdvancedStepContext& c, double speed) {
    return coefficient(c, speed * c.base.perSpeedOfSound) * dragScale(c, speed) * speed;
}

// -2 Omega x v, with r = 2 Omega: v x r.
struct Vector {
    double x, y, z;
};
Vector rotationAcceleration(const AdvancedStepContext& c, double vx, double vy, double vz) {
    return {vy * c.rz - vz * c.ry, vz * c.rx - vx * c.rz, vx * c.ry - vy * c.rx};
}

}  // namespace

// The designed midpoint step with the rotation's acceleration beside gravity; with no
// rotation every sum is exactly the designed one.
void advanceOneYard(AdvancedFlightState& s, const AdvancedStepContext& c) {
    const StepContext& b = c.base;
    const ZoneWind& w = windAt(c, s.x);
    const double h = TrajectorySolver::kHalfStep / s.vx;
    const double u1x = s.vx - w.wx, u1y = s.vy - w.wy, u1z = s.vz - w.wz;
    const double a1 = dragFactor(c, std::sqrt(u1x * u1x + u1y * u1y + u1z * u1z));
    const Vector r1 = rotationAcceleration(c, s.vx, s.vy, s.vz);
    const double mx = s.vx - h * ((a1 * u1x - b.gx) - r1.x);
    const double my = s.vy - h * ((a1 * u1y - b.gy) - r1.y);
    const double mz = s.vz - h * ((a1 * u1z - b.gz) - r1.z);
    if (!(mx > 0.5 * s.vx)) return stopFlight(s);

    const double dt = TrajectorySolver::kStep / mx;
    const double u2x = mx - w.wx, u2y = my - w.wy, u2z = mz - w.wz;
    const double a2 = dragFactor(c, std::sqrt(u2x * u2x + u2y * u2y + u2z * u2z));
    const Vector r2 = rotationAcceleration(c, mx, my, mz);
    s.vx -= dt * ((a2 * u2x - b.gx) - r2.x);
    s.vy -= dt * ((a2 * u2y - b.gy) - r2.y);
    s.vz -= dt * ((a2 * u2z - b.gz) - r2.z);
    // The rotation's share, damped by the drag like any small sideways velocity.
    s.rotationVy += dt * (r2.y - a2 * s.rotationVy);
    s.rotationVz += dt * (r2.z - a2 * s.rotationVz);
    s.rotationY += s.rotationVy * dt;
    s.rotationZ += s.rotationVz * dt;
    advancePosition(s, dt);
}

double advancedDragFactor(const AdvancedStepContext& c, double speed) { return dragFactor(c, speed); }

AdvancedStepContext advancedStepContext(const StepContext& base, const AdvancedEffects& effects, double densityRatio,
                                        double losAngle, double cantAngle) {
    AdvancedStepContext c{base};
    c.zones[0] = {0.0, base.wx, base.wy, base.wz};
    if (!effects.windZones.empty()) {
        c.zoneCount = 0;
        for (const WindZone& zone : effects.windZones) {
            if (c.zoneCount == kMaxWindZones) break;
            StepContext wind{};
            windInSightFrame(wind, zone.speed, degreesToRadians(zone.direction), cantAngle);
            c.zones[static_cast<std::size_t>(c.zoneCount++)] = {TrajectorySolver::kStep * zone.until, wind.wx, wind.wy,
                                                                wind.wz};
        }
    } else if (effects.windSpeed > 0.0) {
        StepContext wind{};
        windInSightFrame(wind, effects.windSpeed, degreesToRadians(effects.windDirection), cantAngle);
        c.zones[0] = {0.0, wind.wx, wind.wy, wind.wz};
    }
    c.base.wx = c.zones[0].wx;
    c.base.wy = c.zones[0].wy;
    c.base.wz = c.zones[0].wz;
    if (effects.coriolis)
        rotationInSightFrame(c, degreesToRadians(effects.latitude), degreesToRadians(effects.azimuth), losAngle,
                             cantAngle);
    if (effects.customDragOn()) {
        c.customDrag = effects.customDrag.data();
        c.customCount = effects.customDrag.size();
    }
    if (effects.dragScaleOn()) {
        c.dragScale = effects.dragScale.data();
        c.dragScaleCount = std::min<std::size_t>(effects.dragScale.size(), kMaxDragScalePoints);
    }
    std::vector<BcBand> bands(effects.bcBands);
    std::sort(bands.begin(), bands.end(), [](const BcBand& a, const BcBand& b) { return a.velocity > b.velocity; });
    if (bands.size() > c.bands.size()) bands.resize(c.bands.size());
    for (const BcBand& band : bands)
        c.bands[static_cast<std::size_t>(c.bandCount++)] = {band.velocity,
                                                            kDragConstant / band.coefficient * densityRatio};
    return c;
}

void recordRow(std::vector<TrajectoryPoint>& rows, std::vector<EffectParts>& parts, const TrajectoryPoint& row,
               const AdvancedFlightState& s) {
    rows.push_back(row);
    parts.push_back({0.0, s.rotationZ, s.rotationY, 0.0});
}

void windInSightFrame(StepContext& c, double speed, double direction, double cantAngle) {
    const double along = -speed * std::cos(direction) * kMphToFps;  // a headwind blows toward the shooter
    const double across = -speed * std::sin(direction);             // mph, + to the right
    c.wx = along;
    c.wy = across * std::sin(cantAngle) * kMphToFps;
    c.wz = across * std::cos(cantAngle) * kMphToFps;
}

void rotationInSightFrame(AdvancedStepContext& c, double latitude, double azimuth, double losAngle, double cantAngle) {
    const double twice = 2.0 * kEarthRotation;
    const double forward = twice * std::cos(latitude) * std::cos(azimuth);
    const double up = twice * std::sin(latitude);
    const double right = -twice * std::cos(latitude) * std::sin(azimuth);
    const double raisedUp = -forward * std::sin(losAngle) + up * std::cos(losAngle);
    c.rx = forward * std::cos(losAngle) + up * std::sin(losAngle);
    c.ry = std::cos(cantAngle) * raisedUp + std::sin(cantAngle) * right;
    c.rz = -std::sin(cantAngle) * raisedUp + std::cos(cantAngle) * right;
}

}  // namespace vorlan
