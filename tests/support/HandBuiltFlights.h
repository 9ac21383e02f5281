#pragma once
// The program's integrators written out again, step by step from their description, in a
// different shape from the engine's code: tests compare the engine with these to know each
// figure without trusting the engine's own loops or tables the program wrote itself.

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "engine/DragFunction.h"

namespace vorlan::testing {

// Air as the integrators see it.
struct HandAir {
    CoefficientRoutine cd;
    double bc;            // lb/in^2
    double speedOfSound;  // ft/s
    double densityRatio;  // density / 0.076474
    // Drag deceleration per ft/s of air-relative speed at `speed`.
    double drag(double speed) const { return cd(speed / speedOfSound) * 0.000208551 / bc * densityRatio * speed; }
};

// One recorded yard of the trajectory march.
struct HandRow {
    double drop, windage, time, speed;  // ft, ft, s, ft/s
};

struct HandShot {
    double velocity;     // ft/s
    double elevation;    // rad above the line of sight
    double los, cant;    // rad
    double sightHeight;  // ft
    double crosswind;    // mph
    int lastRange;       // yd
};

using Vec3 = std::array<double, 3>;

inline double length(const Vec3& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }
inline Vec3 plus(const Vec3& a, double f, const Vec3& b) { return {a[0] + f * b[0], a[1] + f * b[1], a[2] + f * b[2]}; }

// The trajectory march without zeroing: 3-ft steps along the line of sight, midpoint velocity
// after half a step, the full step timed by the midpoint's downrange speed, the clock advanced
// by the step's chord over the new speed; it ends below 50 ft/s or 1999.9 in under the sight line,
// or at the yard whose first half step would take half the downrange speed (all but stopped).
// `Air` is HandAir or any air with the same drag(speed).
template <class Air>
std::vector<HandRow> handBuiltMarch(const HandShot& s, const Air& air) {
    const double g = 32.17, mph = 5280.0 / 3600.0;
    const Vec3 gravity{-g * std::sin(s.los), -g * std::cos(s.cant) * std::cos(s.los),
                       g * std::sin(s.cant) * std::cos(s.los)};
    const Vec3 wind{0.0, s.crosswind * std::sin(s.cant) * mph, s.crosswind * std::cos(s.cant) * mph};
    const auto acceleration = [&](const Vec3& v) {
        const Vec3 u = plus(v, -1.0, wind);
        return plus(gravity, -air.drag(length(u)), u);
    };
    Vec3 v{s.velocity * std::cos(s.elevation), s.velocity * std::sin(s.elevation), 0.0};
    double speed = s.velocity, y = -s.sightHeight, z = 0.0, t = 0.0;
    std::vector<HandRow> rows;
    for (int yard = 0; yard <= s.lastRange && speed >= 50.0 && y >= -1999.9 / 12.0; ++yard) {
        rows.push_back({y, z, t, speed});
        const Vec3 mid = plus(v, 1.5 / v[0], acceleration(v));
        if (!(mid[0] > 0.5 * v[0])) break;
        const double dt = 3.0 / mid[0];
        v = plus(v, dt, acceleration(mid));
        const double dy = v[1] * dt, dz = v[2] * dt;
        y += dy;
        z += dz;
        speed = length(v);
        t += std::sqrt(dy * dy + 9.0 + dz * dz) / speed;
    }
    return rows;
}

// One trial of the maximum-range search: 6-ft steps of level distance from 0.01 ft up,
// until back at the muzzle's height or below 50 ft/s.
struct HandTrial {
    double distance, speed, time, highest;  // ft, ft/s, s, ft
};

inline HandTrial handBuiltTrial(double velocity, double elevation, const HandAir& air) {
    double vx = velocity * std::cos(elevation), vy = velocity * std::sin(elevation), y = 0.01;
    HandTrial r{0.0, velocity, 0.0, 0.0};
    while (r.speed >= 50.0) {
        const double a1 = air.drag(std::hypot(vx, vy)), h = 3.0 / vx;
        const double mx = vx * (1.0 - h * a1), my = vy - h * (a1 * vy + 32.17);
        const double midSpeed = std::hypot(mx, my), dt = 6.0 / mx, a2 = air.drag(midSpeed);
        vx -= dt * a2 * mx;
        vy -= dt * (a2 * my + 32.17);
        r.distance += 6.0;
        y += vy * dt;
        r.time += std::hypot(vy * dt, 6.0) / midSpeed;
        r.speed = std::hypot(vx, vy);
        r.highest = std::max(r.highest, y);
        if (y <= 0.0) break;
    }
    return r;
}

// The chronograph coefficient: 200 midpoint steps over the distance per pass, the coefficient
// scaled by computed over measured loss from 4.0 until the computed loss comes within 0.02 %.
struct HandBc {
    double bc;
    int passes;
};

inline HandBc handBuiltChronographBc(double near, double far, double distance, const HandAir& air) {
    HandBc r{4.0, 0};
    for (;;) {
        ++r.passes;
        const double k = distance / 200.0 * air.densityRatio / r.bc;
        double v = near, loss = 0.0;
        for (int i = 0; i < 200; ++i) {
            const double vm = v - k / 2.0 * 0.000208551 * air.cd(v / air.speedOfSound) * v;
            const double dv = k * 0.000208551 * air.cd(vm / air.speedOfSound) * vm;
            v -= dv;
            loss += dv;
        }
        const double ratio = loss / (near - far);
        if (1.0 - ratio < 0.0002) return r;
        r.bc *= ratio;
    }
}

}  // namespace vorlan::testing
