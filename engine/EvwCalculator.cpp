#include "engine/EvwCalculator.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>

#include "engine/PrintfRounding.h"

namespace vorlan {

namespace {

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// The velocities, weights and energies are magnitudes: a negative (or NaN) one has no result.
bool magnitudes(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return v >= 0.0; });
}

double finiteOrNoValue(double value) { return std::isfinite(value) ? value : kNoValue; }

}  // namespace

// The digits printf shows, read back: n / 10^decimals is the double nearest to the decimal
// text because IEEE division rounds the exact quotient of two exact operands (n <= 2^53).
// Beyond 2^53 a double's spacing exceeds the shown decimal, so the text reads back as the
// value itself; likewise for NaN and infinities.
double roundedAsShown(double value, int decimals) {
    const int shown = std::clamp(decimals, 0, kMostRoundedDecimals);
    const std::optional<std::uint64_t> digits = printfRoundedDigits(value, shown);
    if (!digits || *digits > (std::uint64_t{1} << 53)) return value;
    return std::copysign(static_cast<double>(*digits) / kPowersOfTen[shown], value);
}

double energyFrom(double velocity, double weight) {
    if (!magnitudes({velocity, weight})) return kNoValue;
    return finiteOrNoValue(velocity * (weight * velocity) / kEnergyDivisor);
}

double velocityFrom(double weight, double energy) {
    if (!magnitudes({weight, energy})) return kNoValue;
    return finiteOrNoValue(std::sqrt(energy * kEnergyDivisor / weight));
}

double weightFrom(double velocity, double energy) {
    if (!magnitudes({velocity, energy})) return kNoValue;
    return finiteOrNoValue(energy * kEnergyDivisor / (velocity * velocity));
}

double powerFactorOf(double weight, double velocity) {
    if (!magnitudes({weight, velocity})) return kNoValue;
    return finiteOrNoValue(weight * velocity / kPowerFactorDivisor);
}

// Momentum of bullet and powder gas over the gun's mass gives the gun's recoil velocity.
double recoilEnergyOf(double weight, double velocity, double powderWeight, double gunWeight) {
    if (!magnitudes({weight, velocity, powderWeight}) || !(gunWeight > 0.0)) return kNoValue;
    const double gunVelocity = ((weight * velocity + powderWeight * kPowderGasVelocity) / kRecoilMomentumDivisor *
                                kRecoilGravity * kOuncesPerPound) /
                               gunWeight;
    return finiteOrNoValue(gunWeight * gunVelocity * gunVelocity / kRecoilEnergyDivisor);
}

namespace {

// Stores a computed value as shown, or 0 when it has none; false in that case.
bool store(double& field, double value, int decimals) {
    const bool defined = !std::isnan(value);
    field = defined ? roundedAsShown(value, decimals) : 0.0;
    return defined;
}

}  // namespace

bool EvwCalculator::calculate() {
    bool defined = true;
    switch (static_cast<CalculatorMode>(mode)) {
        case CalculatorMode::Energy:
            defined = store(energy, energyFrom(velocity, weight), kEnergyDecimals);
            break;
        case CalculatorMode::Velocity:
            defined = store(velocity, velocityFrom(weight, energy), kVelocityDecimals);
            break;
        case CalculatorMode::Weight:
            defined = store(weight, weightFrom(velocity, energy), kWeightDecimals);
            break;
    }
    return store(powerFactor, powerFactorOf(weight, velocity), kPowerFactorDecimals) && defined;
}

bool EvwCalculator::calculateRecoil() {
    return store(recoilEnergy, recoilEnergyOf(weight, velocity, powderWeight, gunWeight), kRecoilDecimals);
}

}  // namespace vorlan
