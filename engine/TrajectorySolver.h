#pragma once
// Point-mass trajectory of one bullet in the frame of the line of sight: x downrange along
// the line of sight, y up in the plane of the (possibly canted) sight, z to the side. The
// march takes one 3-ft step per yard with the midpoint method and records one point per
// whole yard in [firstRange, lastRange]. With solveElevation on it first zeroes the bore
// angle so that the bullet crosses the line of sight at sightInRange.

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "engine/AdvancedEffects.h"
#include "engine/Atmosphere.h"
#include "engine/DragFunction.h"

namespace vorlan {

// One recorded row of a trajectory.
struct TrajectoryPoint {
    double range;     // yd along the line of sight (a whole number)
    double velocity;  // ft/s over the ground
    double energy;    // ft-lb
    double momentum;  // lb-s
    double drop;      // ft above the line of sight (negative below)
    double windage;   // ft to the side (+z)
    double lead;      // ft the target moves across the line of fire during the flight
    double time;      // s of flight
};

// What the advanced effects add to a row's windage and drop, ft: already inside the row's
// figures, given apart for the reports. Right and up are positive.
struct EffectParts {
    double spinDrift;           // to the side
    double coriolisHorizontal;  // to the side
    double coriolisVertical;    // up
    double aerodynamicJump;     // up
};

// State of the bullet between two steps of the march.
struct FlightState {
    double x, y, z;     // ft
    double vx, vy, vz;  // ft/s
    double speed;       // ft/s, |v|
    double time;        // s
};

// Everything a step needs that does not change during a run. The drag deceleration is
// Cd(Mach) * dragScale * speed^2; its constant part is worked out once per run, which keeps
// divisions off the chain of dependent operations that sets the time of every step.
struct StepContext {
    CoefficientRoutine coefficientAt;
    double dragScale;        // drag constant / ballistic coefficient * density ratio
    double perSpeedOfSound;  // 1 / speed of sound, s/ft: Mach = speed * perSpeedOfSound
    double gx, gy, gz;       // gravity in the sight frame, ft/s^2
    double wx, wy, wz;       // wind in the sight frame, ft/s
};

// Advances the bullet 3 ft along x (one yard of range).
void advanceOneYard(FlightState& s, const StepContext& c);

struct AdvancedStepContext;

class TrajectorySolver {
public:
    // Inputs, filled by the caller after construction.
    double muzzleVelocity = 0.0;     // ft/s
    double bulletWeight = 0.0;       // grains, for energy and momentum only
    double muzzleElevation = 0.0;    // rad above the line of sight; result when solveElevation is on
    double losAngle = 0.0;           // rad, positive uphill
    double cantAngle = 0.0;          // rad, cant of the sight about the line of sight
    double sightHeight = 0.0;        // ft above the bore at the muzzle
    double targetSpeed = 0.0;        // ft/s
    double targetDirection = 0.0;    // rad relative to the line of fire (pi/2 straight across)
    std::int32_t firstRange = 0;     // yd, first recorded range
    std::int32_t lastRange = 0;      // yd, last recorded range
    std::int32_t rangeStep = 1;      // yd, record every multiple of this
    std::int32_t lastRowIndex = -1;  // result: index of the last row, -1 when none was recorded
    bool stoppedInFlight = false;    // result: the march ended where the bullet all but stopped
    double sightInRange = 300.0;     // yd where the zeroing puts the bullet on the line of sight
    double crosswind = 0.0;          // mph, along +z before cant
    double headwind = 0.0;           // mph toward the shooter along the line of sight
    bool solveElevation = true;      // zero muzzleElevation at sightInRange before the run
    // Zero at the sight-in range itself, read off the step nearest it along the bullet's path,
    // rather than at that step's whole yard (a range typed in metres falls between yards).
    bool exactSightIn = false;
    Atmosphere atmosphere;  // derived values are recomputed by every run
    DragModel dragModel;
    std::vector<TrajectoryPoint> rows;  // result: rows[0..lastRowIndex]
    // Effects beyond the designed flight; with all of them off the designed march runs.
    // A custom drag table replaces dragModel's routine, coefficient bands its coefficient.
    AdvancedEffects advanced;
    std::vector<EffectParts> effectParts;  // result, beside rows when some effect is on; else empty
    double launchVelocity = 0.0;           // result: ft/s at the muzzle, after the powder's temperature
    double stability = 0.0;                // result: gyroscopic stability factor, 0 without spin drift
    double jumpAngle = 0.0;                // result: rad of aerodynamic jump flown (up), 0 without it

    // Result of the zeroing: whether muzzleElevation puts the bullet on the line of sight at
    // the sight-in range.
    enum class Zero { NotAsked, Settled, NotReached, NotSettled };
    Zero zero = Zero::NotAsked;

    // Runs the zeroing passes (when solveElevation is on) and the march; replaces the rows.
    void computeTrajectory();

    // The farthest range a run marches to, however large a damaged file makes the inputs:
    // far beyond any small-arms bullet's reach, small enough to keep memory and time sane.
    static constexpr std::int32_t kMarchLimit = 100000;  // yd

    static constexpr double kStep = 3.0;                   // ft per step, one yard
    static constexpr double kHalfStep = 1.5;               // ft
    static constexpr double kLowestDrop = -1999.9 / 12.0;  // ft below the line of sight that ends the march
    static constexpr double kZeroTolerance = 1.0 / 600.0;  // ft (0.02 in) at the sight-in range
    static constexpr int kMaxZeroPasses = 10;

private:
    StepContext stepContext() const;
    AdvancedStepContext advancedStepContext() const;
    // The zeroing passes, then the final elevation in muzzleElevation.
    template <class State, class Context>
    void runPasses(const Context& context);
    // One flight from the muzzle at `elevation`, launched at `elevation` + `jump`. When
    // `zeroing`, updates `zeroError` and `nextElevation` at the step that reaches the
    // sight-in range.
    template <class State, class Context>
    void runPass(const Context& context, double elevation, double jump, bool zeroing, double& zeroError,
                 double& nextElevation);
    // The elevation that zeroes the shot in the zero conditions (calm, level), and how it went.
    double zeroConditionsElevation(Zero& status) const;
    void addSpinDrift();
    void addJump();
    std::int32_t marchSteps() const;
};

// The end of every step, once the new velocity is known: one step along the range, the rise
// and drift that velocity gives over `dt`, and the time the step's path takes at the new speed.
// A bullet that would lose half its speed along the line of sight within half a yard has
// all but stopped (a bullet of no coefficient to speak of, or one falling back on a steep
// climb): the yard step can no longer follow it, and taken anyway it would overshoot and
// speed the bullet up without end. The flight ends there, as for a bullet that slowed below
// the least speed.
inline void stopFlight(FlightState& s) { s.speed = std::numeric_limits<double>::quiet_NaN(); }

inline void advancePosition(FlightState& s, double dt) {
    constexpr double step = TrajectorySolver::kStep;
    const double dy = s.vy * dt;
    const double dz = s.vz * dt;
    s.x += step;
    s.y += dy;
    s.z += dz;
    s.speed = std::sqrt(s.vx * s.vx + s.vy * s.vy + s.vz * s.vz);
    s.time += std::sqrt(dy * dy + step * step + dz * dz) / s.speed;
}

}  // namespace vorlan
