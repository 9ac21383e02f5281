#pragma once
// Effects beyond the designed point-mass flight: wind from any direction, spin drift with
// the gyroscopic stability behind it, the Earth's rotation (Coriolis and Eotvos), the
// powder's temperature, a custom Mach-Cd drag table and velocity bands of ballistic
// coefficients. Every input is in the unit the shooter types; each default leaves its
// effect off, and with all of them off a trajectory is flown exactly as designed.
// Sideways, right is the trajectory's +z, so the designed crosswind is a wind from the left
// (270 degrees); a zero is taken with every effect in force.

#include <cstddef>
#include <string_view>
#include <vector>

#include "engine/DragTables.h"

namespace vorlan {

// One point of a custom drag table: a Mach number and its drag coefficient.
using MachCd = dragtables::DragPoint;

// A ballistic coefficient for speeds at or above `velocity`, up to the next faster band's
// (the slowest band also holds below its velocity).
struct BcBand {
    double velocity;     // ft/s
    double coefficient;  // lb/in^2, referred to the selected drag function
    bool operator==(const BcBand&) const = default;
};

inline constexpr int kMaxBcBands = 5;

// A wind that blows from the end of the zone before (the muzzle for the first) out to
// `until`; the last zone blows to the end of the flight.
struct WindZone {
    double until;      // yd
    double speed;      // mph
    double direction;  // degrees the wind comes from, as AdvancedEffects::windDirection
    bool operator==(const WindZone&) const = default;
};

inline constexpr int kMaxWindZones = 5;

// A multiplier of the drag coefficient at a Mach number, as a truing fits it to observations.
struct DragScalePoint {
    double mach;
    double factor;
    bool operator==(const DragScalePoint&) const = default;
};

inline constexpr int kMaxDragScalePoints = 8;

struct AdvancedEffects {
    // Wind: above 0 mph it replaces the designed crosswind.
    double windSpeed = 0.0;       // mph
    double windDirection = 90.0;  // degrees the wind comes from, clockwise from the target: 0 head, 90 right
    // Winds along the range: when set they replace the single wind above.
    std::vector<WindZone> windZones;  // at most kMaxWindZones, `until` increasing; empty is off
    // Spin: no drift without a twist rate, a length and a diameter.
    double twistRate = 0.0;       // inches of barrel per turn
    bool leftTwist = false;       // the rifling turns to the left: the drift goes left
    double bulletLength = 0.0;    // inches
    double bulletDiameter = 0.0;  // inches; 0 takes the number at the start of the calibre
    // Aerodynamic jump: a crosswind at the muzzle turns the bore's line up or down. Needs spin.
    bool aerodynamicJump = false;
    // The Earth's rotation.
    bool coriolis = false;
    double latitude = 0.0;  // degrees north (south negative)
    double azimuth = 0.0;   // degrees of the line of fire clockwise from north
    // Powder temperature: the muzzle velocity changes by sensitivity * (powder - reference).
    double powderSensitivity = 0.0;            // ft/s per degree F; 0 is off
    double powderTemperature = 59.0;           // F
    double powderReferenceTemperature = 59.0;  // F, where the shot's velocity was measured
    // Zero conditions: the air and powder of the day the rifle was zeroed. When on, a zero is
    // taken in them, in still air on a level line of sight, and the shot flies its own
    // conditions at that angle.
    bool zeroConditions = false;
    double zeroTemperature = 59.0;        // F
    double zeroPressure = 29.92;          // in Hg, the barometer's reading where the zero was taken
    double zeroHumidity = 0.0;            // percent
    double zeroPowderTemperature = 59.0;  // F
    // Drag: a custom table replaces the designed drag function; bands replace the coefficient.
    std::vector<MachCd> customDrag;  // Mach increasing, at least 2 points; empty is off
    std::vector<BcBand> bcBands;     // at most kMaxBcBands; empty is off
    // Truing: the drag coefficient times a factor, linear in Mach between the points and the
    // nearest point's factor beyond them (one point scales the whole flight); empty is off.
    std::vector<DragScalePoint> dragScale;  // Mach increasing, at most kMaxDragScalePoints

    bool windOn() const { return windSpeed > 0.0 || !windZones.empty(); }
    bool spinDriftOn() const { return twistRate > 0.0 && bulletLength > 0.0 && bulletDiameter > 0.0; }
    bool powderOn() const { return powderSensitivity != 0.0; }
    bool customDragOn() const { return customDrag.size() >= 2; }
    bool bcBandsOn() const { return !bcBands.empty(); }
    bool jumpOn() const { return aerodynamicJump && spinDriftOn(); }
    bool dragScaleOn() const { return !dragScale.empty(); }
    // True when any effect is on, so that a trajectory needs the extended march.
    bool anyOn() const {
        return windOn() || spinDriftOn() || coriolis || powderOn() || customDragOn() || bcBandsOn() || jumpOn() ||
               zeroConditions || dragScaleOn();
    }
    // Takes every wind away (the single wind and the zones).
    void calm() {
        windSpeed = 0.0;
        windZones.clear();
    }
    bool operator==(const AdvancedEffects&) const = default;
};

// The drag scale at `mach`: linear between the points, the end points' factors beyond them,
// 1 with no point.
double dragScaleAt(const DragScalePoint* points, std::size_t count, double mach);

// A wind direction given on the clock face (12 from the target, 3 from the right) in
// degrees clockwise from the target, 0 to below 360.
double clockToDegrees(double hour);

// The powder's sensitivity, ft/s per degree F, from two chronograph velocities (ft/s) taken at
// two powder temperatures (F); 0 when the temperatures are equal.
double powderSensitivityFrom(double velocity1, double temperature1, double velocity2, double temperature2);

// The muzzle velocity (ft/s) a load measured at `velocity` gives at the powder's temperature.
double powderAdjustedVelocity(const AdvancedEffects& effects, double velocity);

// Miller's gyroscopic stability factor of a bullet of `grains` and the effects' twist,
// length and diameter, corrected for the muzzle velocity (ft/s) and the air's temperature
// (F) and station pressure (in Hg). 0 when the twist, length or diameter is missing.
double gyroscopicStability(const AdvancedEffects& effects, double grains, double velocity, double temperature,
                           double pressure);

// Plain advice for a stability factor as printed to two decimals: under 1.00 unstable, to
// 1.30 marginal, to 1.50 fair, stable above.
std::string_view stabilityAdvice(double stability);

// The crosswind at the muzzle, mph, + blowing to the right: the first zone's, else the
// single wind's, else `designedCrosswind` (the main window's, which blows to the right).
double muzzleCrosswind(const AdvancedEffects& effects, double designedCrosswind);

// The aerodynamic jump, minutes of angle up, by Litz's fit (0.01 Sg - 0.0024 L + 0.032) MOA
// per mph of crosswind, L the length in calibres: for a right-hand twist a wind from the
// right throws the bullet up, for a left-hand twist down. 0 when the jump is off.
double aerodynamicJumpMoa(const AdvancedEffects& effects, double stability, double crosswind);

// Spin drift (inches, positive to the right for a right-hand twist) after `time` seconds of
// flight: the fit 1.25 * (Sg + 1.2) * t^1.83.
double spinDriftInches(double stability, double time, bool leftTwist);

}  // namespace vorlan
