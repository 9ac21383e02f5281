#include "engine/AdvancedEffects.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "engine/Ballistics.h"
#include "engine/Catalogue.h"
#include "engine/PrintfRounding.h"

namespace vorlan {

double dragScaleAt(const DragScalePoint* points, std::size_t count, double mach) {
    if (count == 0) return 1.0;
    if (!(mach > points[0].mach)) return points[0].factor;
    for (std::size_t i = 1; i < count; ++i) {
        if (mach > points[i].mach) continue;
        const DragScalePoint& a = points[i - 1];
        const DragScalePoint& b = points[i];
        return a.factor + (b.factor - a.factor) * (mach - a.mach) / (b.mach - a.mach);
    }
    return points[count - 1].factor;
}

double clockToDegrees(double hour) {
    const double degrees = std::fmod(hour * 30.0, 360.0);
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

double powderSensitivityFrom(double velocity1, double temperature1, double velocity2, double temperature2) {
    return temperature1 == temperature2 ? 0.0 : (velocity2 - velocity1) / (temperature2 - temperature1);
}

double powderAdjustedVelocity(const AdvancedEffects& effects, double velocity) {
    return velocity + effects.powderSensitivity * (effects.powderTemperature - effects.powderReferenceTemperature);
}

// Miller's rule: Sg = 30 m / (t^2 d^3 l (1 + l^2)), m in grains, d in inches, twist t and
// length l in calibres; times (v / 2800)^(1/3) for the velocity and (T + 460) / 519 *
// 29.92 / P for the air (the rule's sea-level standard is 59 F and 29.92 in Hg).
double gyroscopicStability(const AdvancedEffects& effects, double grains, double velocity, double temperature,
                           double pressure) {
    if (!effects.spinDriftOn() || !(velocity > 0.0) || !(pressure > 0.0)) return 0.0;
    const double d = effects.bulletDiameter;
    const double t = effects.twistRate / d;
    const double l = effects.bulletLength / d;
    const double basic = 30.0 * grains / (t * t * d * d * d * l * (1.0 + l * l));
    const double velocityFactor = std::cbrt(velocity / 2800.0);
    const double airFactor = (temperature + 460.0) / 519.0 * (29.92 / pressure);
    return basic * velocityFactor * airFactor;
}

// Judged on the figure as printed ("%.2f"), so that the advice never contradicts it.
std::string_view stabilityAdvice(double stability) {
    const std::optional<std::uint64_t> hundredths =
        stability >= 0.0 ? printfRoundedDigits(stability, 2) : std::optional<std::uint64_t>(0);
    if (!hundredths || *hundredths < 100)
        return translated("unstable: the bullet will tumble; a faster twist is needed");
    if (*hundredths < 130) return translated("marginal: accuracy may suffer in cold or dense air");
    if (*hundredths <= 150) return translated("fair: stable in most conditions");
    return translated("stable");
}

double muzzleCrosswind(const AdvancedEffects& effects, double designedCrosswind) {
    if (!effects.windZones.empty())
        return -effects.windZones.front().speed * std::sin(degreesToRadians(effects.windZones.front().direction));
    if (effects.windSpeed > 0.0) return -effects.windSpeed * std::sin(degreesToRadians(effects.windDirection));
    return designedCrosswind;
}

double aerodynamicJumpMoa(const AdvancedEffects& effects, double stability, double crosswind) {
    if (!effects.jumpOn()) return 0.0;
    const double perMph = 0.01 * stability - 0.0024 * (effects.bulletLength / effects.bulletDiameter) + 0.032;
    return effects.leftTwist ? perMph * crosswind : -perMph * crosswind;
}

double spinDriftInches(double stability, double time, bool leftTwist) {
    const double drift = 1.25 * (stability + 1.2) * std::pow(time, 1.83);
    return leftTwist ? -drift : drift;
}

}  // namespace vorlan
