#pragma once
// The energy, velocity, weight and recoil calculator: the relations between a bullet's
// velocity, weight and kinetic energy, its power factor, and the recoil energy of the gun.
// Every computed value is stored as the number that its shown text reads back as (one, two,
// zero or three decimals), so the values hold exactly what the calculator shows.

namespace vorlan {

// What the upper Calculate derives; any other stored mode derives nothing but the power factor.
enum class CalculatorMode : int { Energy = 0, Velocity = 1, Weight = 2 };

// The calculator's constants.
inline constexpr double kEnergyDivisor = 450436.7;           // grains * (ft/s)^2 to ft-lb
inline constexpr double kPowerFactorDivisor = 1000.0;        // grains * ft/s to power factor
inline constexpr double kPowderGasVelocity = 4000.0;         // ft/s credited to the powder charge
inline constexpr double kRecoilMomentumDivisor = 225218.35;  // grains * ft/s to momentum
inline constexpr double kRecoilGravity = 32.17405;           // ft/s^2
inline constexpr double kOuncesPerPound = 16.0;
inline constexpr double kRecoilEnergyDivisor = 1029.568;  // 2 * 16 * 32.174 for a gun weight in ounces

// Decimals of the shown values.
inline constexpr int kEnergyDecimals = 1;
inline constexpr int kVelocityDecimals = 1;
inline constexpr int kWeightDecimals = 2;
inline constexpr int kPowerFactorDecimals = 0;
inline constexpr int kRecoilDecimals = 3;

// The value that printf's "%.<decimals>f" text of `value` reads back as with strtod, without
// making the text: the exact binary value rounded half to even at that decimal, then the
// double nearest to the decimal result. NaN and infinities come back unchanged. 0 <= decimals <= 15.
double roundedAsShown(double value, int decimals);

// The raw formulas; NaN where a formula has no value (see EvwCalculator for the rules).
double energyFrom(double velocity, double weight);                                             // ft-lb
double velocityFrom(double weight, double energy);                                             // ft/s
double weightFrom(double velocity, double energy);                                             // grains
double powerFactorOf(double weight, double velocity);                                          // grains * ft/s / 1000
double recoilEnergyOf(double weight, double velocity, double powderWeight, double gunWeight);  // ft-lb

// The calculator's seven values and its mode, as the window holds them.
struct EvwCalculator {
    double velocity = 0.0;      // ft/s of the bullet
    double weight = 0.0;        // grains of the bullet
    double energy = 0.0;        // ft-lb of the bullet
    double powerFactor = 0.0;   // weight * velocity / 1000, a whole number after a calculation
    int mode = 0;               // a CalculatorMode; a file may hold any other number
    double gunWeight = 40.0;    // ounces
    double powderWeight = 5.0;  // grains of powder
    double recoilEnergy = 0.0;  // ft-lb of the gun

    // The upper Calculate: derives the quantity of the mode, then the power factor, each
    // stored as shown. A value without a defined result (a division by zero, the root of a
    // negative number, a negative or non-finite input, a result beyond the doubles) is stored
    // as 0, so the fields always hold a number; the call then returns false.
    bool calculate();
    // The lower Calculate: the recoil energy from the bullet, the powder and the gun weight,
    // stored as shown; 0 and false without a defined result (a gun weight of 0, say).
    bool calculateRecoil();
};

}  // namespace vorlan
