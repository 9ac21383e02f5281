#pragma once
// The march with the advanced effects (AdvancedEffects.h): the designed step with a drag
// that may come from a custom table and velocity bands of coefficients, wind that may blow
// along the line of fire, and the Earth's rotation as an acceleration. A trajectory flies
// it only when some effect is on; with every effect at its default the designed step runs.

#include <array>
#include <cstddef>
#include <vector>

#include "engine/AdvancedEffects.h"
#include "engine/TrajectorySolver.h"

namespace vorlan {

inline constexpr double kEarthRotation = 7.292115e-5;  // rad/s, once per sidereal day

// A coefficient band as the step uses it: its lowest speed and its drag scale.
struct BandScale {
    double velocity;   // ft/s, air-relative
    double dragScale;  // drag constant / coefficient * density ratio
};

// A wind in the sight frame and the range, ft, up to which it blows.
struct ZoneWind {
    double untilFeet;
    double wx, wy, wz;  // ft/s
};

struct AdvancedStepContext {
    StepContext base;                    // gravity, Mach scale, drag; the wind is in `zones`
    const MachCd* customDrag = nullptr;  // a custom table, or nullptr for base.coefficientAt
    std::size_t customCount = 0;
    const DragScalePoint* dragScale = nullptr;  // truing's factors on the coefficient, or nullptr
    std::size_t dragScaleCount = 0;
    std::array<BandScale, kMaxBcBands> bands{};  // fastest first; none: base.dragScale
    int bandCount = 0;
    double rx = 0.0, ry = 0.0, rz = 0.0;  // twice the Earth's rotation in the sight frame, rad/s
    // The winds along the range, nearest first; the last blows to the end. One zone at least.
    std::array<ZoneWind, kMaxWindZones> zones{};
    int zoneCount = 1;
};

// The step context of a flight with `effects`: `base` as the designed flight has it (its wind
// the designed crosswind), in the air whose density is `densityRatio` times the standard.
AdvancedStepContext advancedStepContext(const StepContext& base, const AdvancedEffects& effects, double densityRatio,
                                        double losAngle, double cantAngle);

// The wind of the step that starts at `x` ft.
[[gnu::always_inline]] inline const ZoneWind& windAt(const AdvancedStepContext& c, double x) {
    for (int i = 0; i + 1 < c.zoneCount; ++i)
        if (x < c.zones[static_cast<std::size_t>(i)].untilFeet) return c.zones[static_cast<std::size_t>(i)];
    return c.zones[static_cast<std::size_t>(c.zoneCount - 1)];
}

// Drag deceleration per unit of air-relative velocity at `speed` ft/s, as the step takes it.
double advancedDragFactor(const AdvancedStepContext& c, double speed);

// The designed flight state and, to first order, what the Earth's rotation has added to it:
// the parts the table reports as the Coriolis (z) and Eotvos (y) deflections.
struct AdvancedFlightState : FlightState {
    double rotationVy = 0.0, rotationVz = 0.0;  // ft/s
    double rotationY = 0.0, rotationZ = 0.0;    // ft
};

void advanceOneYard(AdvancedFlightState& s, const AdvancedStepContext& c);

// Appends a row and the rotation's parts of it (the spin drift is added after the flight).
void recordRow(std::vector<TrajectoryPoint>& rows, std::vector<EffectParts>& parts, const TrajectoryPoint& row,
               const AdvancedFlightState& s);

// Wind of `speed` mph from `direction` radians (clockwise from the target) in the sight
// frame, ft/s: x downrange, y up and z to the right in the plane of the canted sight.
void windInSightFrame(StepContext& c, double speed, double direction, double cantAngle);

// Twice the Earth's rotation in the sight frame for a line of fire at `azimuth` from north
// (rad), at `latitude` (rad), raised by `losAngle` and canted by `cantAngle`.
void rotationInSightFrame(AdvancedStepContext& c, double latitude, double azimuth, double losAngle, double cantAngle);

}  // namespace vorlan
