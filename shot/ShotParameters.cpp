#include "shot/ShotParameters.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace vorlan {

int ShotParameters::tableLength() const {
    const std::int64_t length = std::int64_t{incrementCount} * rangeIncrement;
    return static_cast<int>(
        std::clamp<std::int64_t>(length, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void ShotParameters::resetForDialogStart() {
    const ShotParameters defaults;
    calcEnergy = defaults.calcEnergy;
    calcVelocity = defaults.calcVelocity;
    calcWeight = defaults.calcWeight;
    calcGunWeight = defaults.calcGunWeight;
    calcPowderWeight = defaults.calcPowderWeight;
    powerFactor = defaults.powerFactor;
    recoilEnergy = defaults.recoilEnergy;
    calcMode = defaults.calcMode;
    muzzleAngle = defaults.muzzleAngle;
    muzzleAngleCorrection = defaults.muzzleAngleCorrection;
}

namespace {

using S = ShotParameters;
using K = FieldKind;

constexpr KeystrokeRule fraction(int decimals) { return {true, true, false, decimals}; }
// The signed fields take a leading minus sign: their bounds admit negative values, and a
// negative value from a file must survive being shown.
constexpr KeystrokeRule signedFraction(int decimals) { return {true, true, true, decimals}; }
constexpr KeystrokeRule whole() { return {true, false, false, 0}; }

const std::array<ShotField, 25> kFields = {{
    {"velocity", 1002, K::Number, &S::velocity, 1, 5000, 0, fraction(1)},
    {"incrementCount", 1009, K::WholeNumber, &S::incrementCount, 1, 5000, 0, whole()},
    {"sightHeight", 1005, K::Number, &S::sightHeight, 0.01, 10, 0, fraction(2)},
    {"weight", 1003, K::Number, &S::weight, 0.0001, 1000, 0, fraction(2)},
    {"crosswind", 1011, K::Number, &S::crosswind, 0, 200, 0, fraction(1)},
    {"sightInRange", 1007, K::Number, &S::sightInRange, 1, 5000, 0, whole()},
    {"ballisticCoefficient", 1004, K::Number, &S::ballisticCoefficient, 0.0001, 2, 0, fraction(4)},
    {"cantAngle", 1006, K::Number, &S::cantAngle, -180, 180, 0, signedFraction(2)},
    {"temperature", 1013, K::Number, &S::temperature, -150, 150, 0, signedFraction(1)},
    {"relativeHumidity", 1014, K::Number, &S::relativeHumidity, 0, 100, 0, whole()},
    {"pressure", 1015, K::Number, &S::pressure, 26, 35, 0, fraction(2)},
    {"altitude", 1018, K::Number, &S::altitude, -1000, 20000, 0, whole()},
    {"stationPressure", 1019, K::Check, &S::stationPressure},
    {"name", 1000, K::Text, &S::name, 0, 0, 256},
    {"caliber", 1001, K::Text, &S::caliber, 0, 0, 4},
    {"rangeIncrement", 1008, K::WholeNumber, &S::rangeIncrement, 1, 5000, 0, whole()},
    {"airDensityText", 1016, K::Text, &S::airDensityText, 0, 0, 6},
    {"seaLevelPercentText", 1017, K::Text, &S::seaLevelPercentText, 0, 0, 20},
    {"dragFunction", 1020, K::RadioGroup, &S::dragFunction},
    {"targetRange", 1012, K::Number, &S::targetRange, 0, 5000, 0, whole()},
    {"targetSpeed", 1037, K::Number, &S::targetSpeed, 0, 100, 0, fraction(1)},
    {"targetDirection", 1041, K::Number, &S::targetDirection, 0, 180, 0, fraction(1)},
    {"losAngle", 1010, K::Number, &S::losAngle, -90, 90, 0, signedFraction(2)},
    {"muzzleAngle", 1042, K::Number, &S::muzzleAngle, -5400, 5400, 0, signedFraction(3)},
    {"muzzleAngleCorrection", 1039, K::Check, &S::muzzleAngleCorrection},
}};

const std::array<ShotFileLine, 35> kFileLines = {{
    {"Name", nullptr, &S::name, false},
    {"BC", "%.4f", &S::ballisticCoefficient, false},
    {"Velocity", "%.1f", &S::velocity, false},
    {"Weight", "%.1f", &S::weight, false},
    {"Caliber", nullptr, &S::caliber, false},
    {"Sight Height", "%.2f", &S::sightHeight, false},
    {"Cant Angle", "%.1f", &S::cantAngle, false},
    {"Sight-In Range", "%.0f", &S::sightInRange, false},
    {"Range Increment", "%u", &S::rangeIncrement, false},
    {"Number of Increments", "%u", &S::incrementCount, false},
    {"Crosswind", "%.1f", &S::crosswind, false},
    {"Temperature", "%.1f", &S::temperature, false},
    {"Relative Humidity", "%.0f", &S::relativeHumidity, false},
    {"Barometric Pressure", "%.2f", &S::pressure, false},
    {"StationBP", nullptr, &S::stationPressure, false},
    {"LOS Check", nullptr, &S::muzzleAngleCorrection, false},
    {"Altitude", "%.0f", &S::altitude, false},
    {"Target Range", "%.0f", &S::targetRange, false},
    {"Drag Function", "%u", &S::dragFunction, false},
    {"Near Chronograph Speed", "%.1f", &S::nearChronoSpeed, false},
    {"Far Chronograph Speed", "%.1f", &S::farChronoSpeed, false},
    {"Chronograph Distance", "%.0f", &S::chronoDistance, false},
    {"Target Diameter", "%.2f", &S::targetDiameter, false},
    {"Target Speed", "%.1f", &S::targetSpeed, false},
    {"Target Direction", "%.2f", &S::targetDirection, false},
    {"LOS Angle", "%.2f", &S::losAngle, false},
    {"Muzzle Angle", "%.3f", &S::muzzleAngle, false},
    {"Energy(Calc)", "%.1f", &S::calcEnergy, true},
    {"Velocity(Calc)", "%.1f", &S::calcVelocity, true},
    {"Weight(Calc)", "%.2f", &S::calcWeight, true},
    {"Gun Weight(Calc)", "%.2f", &S::calcGunWeight, true},
    {"Powder Weight(Calc)", "%.2f", &S::calcPowderWeight, true},
    {"Power Factor", "%.0f", &S::powerFactor, true},
    {"Recoil Energy", "%.3f", &S::recoilEnergy, true},
    {"Calculation Mode", "%d", &S::calcMode, true},
}};

}  // namespace

std::span<const ShotField> shotFields() { return kFields; }

std::span<const ShotFileLine> shotFileLines() { return kFileLines; }

}  // namespace vorlan
