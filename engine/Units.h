#pragma once
// Imperial to metric, in one place. Every factor is exact by the definition of the unit
// (the international yard and pound of 1959, the standard acceleration of gravity, the grain
// as 1/7000 pound, the conventional millimetre of mercury), so a converted figure carries no
// error of its own.

namespace vorlan {

// The units the reports speak. The main dialog and the files stay imperial.
enum class UnitSystem { Imperial, Metric };

inline constexpr double kMetresPerYard = 0.9144;                  // exact: 1 yd = 0.9144 m
inline constexpr double kMetresPerFoot = 0.3048;                  // exact: 1 ft = 0.3048 m
inline constexpr double kCentimetresPerInch = 2.54;               // exact: 1 in = 2.54 cm
inline constexpr double kGramsPerGrain = 0.06479891;              // exact: 1 gr = 64.79891 mg
inline constexpr double kGramsPerOunce = 28.349523125;            // exact: 1 oz = 0.45359237 kg / 16
inline constexpr double kKmhPerMph = 1.609344;                    // exact: 1 mile = 1609.344 m
inline constexpr double kNewtonsPerPoundForce = 4.4482216152605;  // exact: 0.45359237 kg x 9.80665 m/s^2
// 1 ft-lbf = 0.3048 m x 4.4482216152605 N = 1.3558179483314004 J, exact.
inline constexpr double kJoulesPerFootPound = kMetresPerFoot * kNewtonsPerPoundForce;
// The conventional inch of mercury: 25.4 mm x 13595.1 kg/m^3 x 9.80665 m/s^2 = 3386.388640341 Pa,
// so 1 inHg = 33.86388640341 hPa (the rounded 33.8638866667 some tools use is 8e-9 higher).
inline constexpr double kHectopascalsPerInchHg = 0.0254 * 13595.1 * 9.80665 / 100.0;
// The conventional millimetre of mercury: 1 inHg is 25.4 mmHg by that same definition.
inline constexpr double kMillimetresHgPerInchHg = 25.4;
inline constexpr double kMillimetresPerInch = 25.4;  // exact
// 1 mph = 1609.344 m / 3600 s = 0.44704 m/s, exact.
inline constexpr double kMetresPerSecondPerMph = kKmhPerMph / 3.6;
// 1 lb/ft^3 = 0.45359237 kg / 0.3048^3 m^3 = 16.018463373960138 kg/m^3.
inline constexpr double kKgPerCubicMetrePerLbPerCubicFoot =
    0.45359237 / (kMetresPerFoot * kMetresPerFoot * kMetresPerFoot);

constexpr double yardsToMetres(double yards) { return yards * kMetresPerYard; }
constexpr double feetToMetres(double feet) { return feet * kMetresPerFoot; }
constexpr double inchesToCentimetres(double inches) { return inches * kCentimetresPerInch; }
constexpr double fpsToMetresPerSecond(double fps) { return fps * kMetresPerFoot; }
constexpr double footPoundsToJoules(double footPounds) { return footPounds * kJoulesPerFootPound; }
// Momentum: the reports' lb-sec is pound-force seconds.
constexpr double poundSecondsToNewtonSeconds(double poundSeconds) { return poundSeconds * kNewtonsPerPoundForce; }
constexpr double grainsToGrams(double grains) { return grains * kGramsPerGrain; }
constexpr double mphToKmh(double mph) { return mph * kKmhPerMph; }
constexpr double fahrenheitToCelsius(double fahrenheit) { return (fahrenheit - 32.0) * 5.0 / 9.0; }
constexpr double inchesHgToHectopascals(double inchesHg) { return inchesHg * kHectopascalsPerInchHg; }
constexpr double lbPerCubicFootToKgPerCubicMetre(double density) { return density * kKgPerCubicMetrePerLbPerCubicFoot; }

}  // namespace vorlan
