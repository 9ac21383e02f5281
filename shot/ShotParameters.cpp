#include "shot/ShotParameters.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "engine/Catalogue.h"

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
using Q = Quantity;

constexpr KeystrokeRule fraction(int decimals) { return {true, true, false, decimals}; }
// The signed fields take a leading minus sign: their bounds admit negative values, and a
// negative value from a file must survive being shown.
constexpr KeystrokeRule signedFraction(int decimals) { return {true, true, true, decimals}; }
constexpr KeystrokeRule whole() { return {true, false, false, 0}; }

const std::array<ShotField, 25> kFields = {{
    {"velocity", 1002, K::Number, &S::velocity, 1, 5000, 0, fraction(1), N_("Velocity"), N_("f.p.s."),
     N_("Muzzle velocity in feet per second, 1 to 5000, as a chronograph measures it near the muzzle."), Q::Velocity},
    {"incrementCount", 1009, K::WholeNumber, &S::incrementCount, 1, 5000, 0, whole(), N_("Number of Increments"), "",
     N_("Number of rows after the muzzle row, a whole number from 1 to 5000; increment times rows is held at 5000 "
        "yards at most.")},
    {"sightHeight", 1005, K::Number, &S::sightHeight, 0.01, 10, 0, fraction(2), N_("Sight Height"), N_("in."),
     N_("Height of the sight's centre above the centre of the bore in inches, 0.01 to 10."), Q::Length},
    {"weight", 1003, K::Number, &S::weight, 0.0001, 1000, 0, fraction(2), N_("Weight"), N_("grains"),
     N_("Bullet or pellet weight in grains, 0.0001 to 1000 (7000 grains make a pound)."), Q::Weight},
    {"crosswind", 1011, K::Number, &S::crosswind, 0, 200, 0, fraction(1), N_("Crosswind"), N_("m.p.h."),
     N_("Crosswind speed in miles per hour, 0 to 200, blowing at right angles to the line of fire."), Q::Speed},
    {"sightInRange", 1007, K::Number, &S::sightInRange, 1, 5000, 0, whole(), N_("Sight-In Range"), N_("yd."),
     N_("The range in yards, 1 to 5000, at which the sight is zeroed: the bullet crosses the line of sight there."),
     Q::Distance},
    {"ballisticCoefficient", 1004, K::Number, &S::ballisticCoefficient, 0.0001, 2, 0, fraction(4),
     N_("Ballistic Coefficient"), "",
     N_("Ballistic coefficient, 0.0001 to 2, for the drag function chosen on the right: use a G7 figure with G7, a G1 "
        "figure with G1.")},
    {"cantAngle", 1006, K::Number, &S::cantAngle, -180, 180, 0, signedFraction(2), N_("Cant Angle"), N_("deg."),
     N_("Sideways tilt of the sight in degrees, -180 to 180; a canted sight moves the strike to the side.")},
    {"temperature", 1013, K::Number, &S::temperature, -150, 150, 0, signedFraction(1), N_("Temperature"), N_("deg. F"),
     N_("Air temperature in degrees Fahrenheit, -150 to 150."), Q::Temperature},
    {"relativeHumidity", 1014, K::Number, &S::relativeHumidity, 0, 100, 0, whole(), N_("Relative Humidity"), N_("%"),
     N_("Relative humidity of the air in percent, 0 to 100.")},
    {"pressure", 1015, K::Number, &S::pressure, 26, 35, 0, fraction(2), N_("Barometric Pressure"), N_("in."),
     N_("Barometric pressure in inches of mercury: 26 to 35 as a sea-level reading, which is reduced by 1 inch per "
        "1000 feet of altitude; 10 to 35 when Station B.P. is checked and the reading is the pressure at the site."),
     Q::Pressure},
    {"altitude", 1018, K::Number, &S::altitude, -1000, 20000, 0, whole(), N_("Altitude"), N_("ft."),
     N_("Altitude of the shooting site in feet above sea level, -1000 to 20000."), Q::Altitude},
    {"stationPressure",
     1019,
     K::Check,
     &S::stationPressure,
     0,
     0,
     0,
     {},
     N_("Station B.P."),
     "",
     N_("Check when the pressure is the barometer reading at the site; clear it when the pressure is corrected to sea "
        "level, as weather reports give it.")},
    {"name",
     1000,
     K::Text,
     &S::name,
     0,
     0,
     256,
     {},
     N_("Gun / Projectile Name"),
     "",
     N_("A name for this gun and load, up to 256 characters. It heads the range table and is offered as the file name "
        "when you save the shot.")},
    {"caliber",
     1001,
     K::Text,
     &S::caliber,
     0,
     0,
     4,
     {},
     N_("Caliber"),
     "",
     N_("The caliber as you write it, up to 4 characters, for example .308, 6.5x or 30-0; its bullet diameter gives "
        "the sectional density (a number below 1 is inches). Bullet Diameter in the Advanced window takes any other.")},
    {"rangeIncrement", 1008, K::WholeNumber, &S::rangeIncrement, 1, 5000, 0, whole(), N_("Range Increment"), N_("yd."),
     N_("The distance in yards between two rows of the range table, a whole number from 1 to 5000."), Q::Distance},
    {"airDensityText",
     1016,
     K::Text,
     &S::airDensityText,
     0,
     0,
     6,
     {},
     N_("Air Density"),
     N_("lb./ft.^3"),
     N_("Air density in pounds per cubic foot, filled by Air Density, Std. Atmosphere and ICAO Atmosphere.")},
    {"seaLevelPercentText",
     1017,
     K::Text,
     &S::seaLevelPercentText,
     0,
     0,
     20,
     {},
     N_("% of Sea Level"),
     "",
     N_("Air density as a percentage of the standard sea-level density of 0.076474 pounds per cubic foot.")},
    {"dragFunction", 1020, K::RadioGroup, &S::dragFunction, 0, 0, 0, {}, N_("Drag Function"), "", nullptr},  // each
                                                                                                             // drag
                                                                                                             // button
                                                                                                             // has its
                                                                                                             // own help
    {"targetRange", 1012, K::Number, &S::targetRange, 0, 5000, 0, whole(), N_("Target Range"), N_("yd."),
     N_("Range of the target in yards, 0 to 5000: Shoot compares the current shot with the baseline at this range."),
     Q::Distance},
    {"targetSpeed", 1037, K::Number, &S::targetSpeed, 0, 100, 0, fraction(1), N_("Target Speed"), N_("m.p.h."),
     N_("Speed of a moving target in miles per hour, 0 to 100; the table's lead column shows how far ahead to aim."),
     Q::Speed},
    {"targetDirection", 1041, K::Number, &S::targetDirection, 0, 180, 0, fraction(1), N_("Target Direction"),
     N_("deg."),
     N_("Direction of the target's movement against the line of fire in degrees, 0 to 180; 90 is straight across.")},
    {"losAngle", 1010, K::Number, &S::losAngle, -90, 90, 0, signedFraction(2), N_("LOS Angle"), N_("deg."),
     N_("Slope of the line of sight in degrees, -90 to 90: positive uphill, negative downhill.")},
    {"muzzleAngle", 1042, K::Number, &S::muzzleAngle, -5400, 5400, 0, signedFraction(3), N_("Muzzle Angle"), N_("moa"),
     N_("Angle of the bore above the line of sight in minutes of angle, -5400 to 5400; found by zeroing while the "
        "correction box below is checked.")},
    {"muzzleAngleCorrection",
     1039,
     K::Check,
     &S::muzzleAngleCorrection,
     0,
     0,
     0,
     {},
     N_("Muzzle Angle Correction for Zero Range"),
     "",
     N_("When checked, Vorlan finds the muzzle angle by zeroing at the sight-in range; clear it to enter the muzzle "
        "angle yourself.")},
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

const ShotField* shotFieldOf(int controlId) {
    const auto found = std::find_if(kFields.begin(), kFields.end(),
                                    [controlId](const ShotField& f) { return f.controlId == controlId; });
    return found == kFields.end() ? nullptr : &*found;
}

std::string fieldCaption(const char* label, const char* unit) {
    return translatedCaption(translated(label), *unit ? translated(unit) : "", std::nullopt, Unit{});
}

std::string fieldCaption(const char* label, const char* unit, std::optional<Quantity> quantity, Unit shown) {
    return translatedCaption(translated(label), *unit ? translated(unit) : "", quantity, shown);
}

std::string translatedCaption(std::string_view label, std::string_view unit, std::optional<Quantity> quantity,
                              Unit shown) {
    std::string text(label);
    if (quantity && shown != unitsOf(*quantity).front().unit) unit = translated(unitOf(*quantity, shown).label);
    if (text.empty()) return std::string(unit);  // a unit standing alone, between edits
    return unit.empty() ? text : text.append(" (").append(unit).append(")");
}

std::string ShotField::caption() const { return fieldCaption(label, unit); }

std::string ShotField::caption(const UnitChoice& units) const {
    return fieldCaption(label, unit, quantity, quantity ? units.of(*quantity) : Unit{});
}

std::span<const ShotFileLine> shotFileLines() { return kFileLines; }

}  // namespace vorlan
