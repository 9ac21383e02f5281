#pragma once
// Physical constants shared by the integrators and the calculators.

namespace vorlan {

inline constexpr double kPi = 3.1415926;              // the value of pi used for every degree conversion
inline constexpr double kGravity = 32.17;             // ft/s^2
inline constexpr double kDragConstant = 0.000208551;  // pi * 0.076474 / 1152, six digits
inline constexpr double kGrainsGravity = 225190.0;    // 7000 grains per pound * 32.17: grains to slugs
inline constexpr double kMphToFps = 5280.0 / 3600.0;
inline constexpr double kMinimumSpeed = 50.0;  // ft/s: a flight ends below this speed

inline double degreesToRadians(double degrees) { return degrees * kPi / 180.0; }
inline double radiansToMoa(double radians) { return radians * 180.0 / kPi * 60.0; }
inline double moaToRadians(double moa) { return moa / 60.0 * kPi / 180.0; }

// Kinetic energy (ft-lb) and momentum (lb-s) of a bullet of `grains` at `fps`.
inline double bulletEnergy(double grains, double fps) { return grains * 0.5 * fps * fps / kGrainsGravity; }
inline double bulletMomentum(double grains, double fps) { return fps * grains / kGrainsGravity; }

}  // namespace vorlan
