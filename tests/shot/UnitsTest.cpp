#include "shot/Units.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vorlan {
namespace {

using Q = Quantity;
using U = Unit;

// One designed unit against its definition: 1 yd = 0.9144 m, 1 gr = 64.79891 mg, ...
TEST(Units, EachFactorIsItsDefinition) {
    struct Case {
        Quantity quantity;
        Unit unit;
        double designed, shown, tolerance;
    };
    const Case cases[] = {
        {Q::Distance, U::Metre, 1.0, 0.9144, 0.0},
        {Q::Velocity, U::MetrePerSecond, 1.0, 0.3048, 0.0},
        {Q::Weight, U::Gram, 1.0, 0.06479891, 0.0},
        {Q::Length, U::Millimetre, 1.0, 25.4, 0.0},
        {Q::Length, U::Centimetre, 1.0, 2.54, 0.0},
        {Q::Offset, U::Centimetre, 1.0, 2.54, 0.0},
        {Q::Offset, U::Millimetre, 1.0, 25.4, 0.0},
        {Q::Temperature, U::Celsius, 212.0, 100.0, 1e-12},
        {Q::Temperature, U::Celsius, 32.0, 0.0, 0.0},
        {Q::Temperature, U::Celsius, -40.0, -40.0, 1e-12},
        {Q::Pressure, U::Hectopascal, 1.0, 33.8638866667, 1e-6},
        {Q::Pressure, U::Millibar, 1.0, 33.8638866667, 1e-6},
        {Q::Pressure, U::MillimetreHg, 1.0, 25.4, 0.0},
        {Q::Pressure, U::Hectopascal, 29.92, 1013.21, 0.01},  // the standard sea-level reading
        {Q::Altitude, U::Metre, 1.0, 0.3048, 0.0},
        {Q::Speed, U::Kmh, 1.0, 1.609344, 0.0},
        {Q::Speed, U::MetrePerSecond, 1.0, 0.44704, 1e-15},
        {Q::Energy, U::Joule, 1.0, 1.3558179483, 1e-10},
    };
    for (const Case& c : cases) {
        const std::string what = std::string(unitOf(c.quantity, c.unit).label);
        EXPECT_NEAR(toShown(c.designed, c.quantity, c.unit), c.shown, c.tolerance) << what;
        EXPECT_NEAR(toDesigned(c.shown, c.quantity, c.unit), c.designed, c.tolerance + 1e-12) << what;
        EXPECT_EQ(toShown(c.designed, c.quantity, unitsOf(c.quantity).front().unit), c.designed) << what;
    }
    // 1 mmHg is 133.322387415 Pa by the same definition as the inch of mercury.
    EXPECT_NEAR(toShown(1.0, Q::Pressure, U::Hectopascal) / toShown(1.0, Q::Pressure, U::MillimetreHg), 1.33322387415,
                1e-12);
}

// What a shooter types comes back exactly after a trip through the designed unit.
TEST(Units, TypedValuesGoRoundExactly) {
    const struct {
        Quantity quantity;
        Unit unit;
        double typed;
    } cases[] = {{Q::Distance, U::Metre, 100.0},     {Q::Distance, U::Metre, 4572.0},
                 {Q::Distance, U::Metre, 50.0},      {Q::Velocity, U::MetrePerSecond, 800.0},
                 {Q::Weight, U::Gram, 10.9},         {Q::Length, U::Millimetre, 45.0},
                 {Q::Temperature, U::Celsius, 15.5}, {Q::Pressure, U::Hectopascal, 1013.25},
                 {Q::Speed, U::Kmh, 12.3},           {Q::Altitude, U::Metre, 520.0}};
    for (const auto& c : cases)
        EXPECT_EQ(toShown(toDesigned(c.typed, c.quantity, c.unit), c.quantity, c.unit), c.typed) << c.typed;
}

// Bounds rounded inwards: each end is accepted and lies within the designed bounds, one step
// beyond it lies outside them.
TEST(Units, BoundsAcceptTheirEndsAndRefuseJustOutside) {
    struct Case {
        double low, high;  // designed
        Quantity quantity;
        Unit unit;
        int decimals;
        double shownLow, shownHigh;
    };
    const Case cases[] = {
        {1, 5000, Q::Distance, U::Metre, 0, 1, 4572},
        {1, 5000, Q::Velocity, U::MetrePerSecond, 1, 0.4, 1524.0},
        {0.0001, 1000, Q::Weight, U::Gram, 2, 0.01, 64.79},
        {0.01, 10, Q::Length, U::Millimetre, 1, 0.3, 254.0},
        {0.01, 10, Q::Length, U::Centimetre, 2, 0.03, 25.4},
        {-150, 150, Q::Temperature, U::Celsius, 1, -101.1, 65.5},
        {26, 35, Q::Pressure, U::Hectopascal, 1, 880.5, 1185.2},
        {26, 35, Q::Pressure, U::MillimetreHg, 0, 661, 889},
        {-1000, 20000, Q::Altitude, U::Metre, 0, -304, 6096},
        {0, 200, Q::Speed, U::Kmh, 1, 0, 321.8},
        {0, 200, Q::Speed, U::MetrePerSecond, 1, 0, 89.4},
        {0, 5000, Q::Energy, U::Joule, 0, 0, 6779},
    };
    for (const Case& c : cases) {
        const ShownBounds b = shownBounds(c.low, c.high, c.quantity, c.unit, c.decimals);
        const std::string what = std::string(unitOf(c.quantity, c.unit).label);
        EXPECT_DOUBLE_EQ(b.low, c.shownLow) << what;
        EXPECT_DOUBLE_EQ(b.high, c.shownHigh) << what;
        const double step = std::pow(10.0, -c.decimals);
        for (const double end : {b.low, b.high}) {
            EXPECT_TRUE(b.contains(end)) << what << end;
            const double designed = toDesigned(end, c.quantity, c.unit);
            EXPECT_GE(designed, c.low - 1e-9 * std::fabs(c.low)) << what << end;
            EXPECT_LE(designed, c.high + 1e-9 * c.high) << what << end;
            const double within = toDesignedWithin(end, c.quantity, c.unit, c.low, c.high);
            EXPECT_TRUE(within >= c.low && within <= c.high) << what << end;
        }
        EXPECT_FALSE(b.contains(b.low - step)) << what;
        EXPECT_FALSE(b.contains(b.high + step)) << what;
        if (c.low != 0.0) {
            EXPECT_LT(toDesigned(b.low - step, c.quantity, c.unit), c.low) << what;
        }
        EXPECT_GT(toDesigned(b.high + step, c.quantity, c.unit), c.high) << what;
    }
    EXPECT_EQ(boundsMessage("Sight-In Range", shownBounds(1, 5000, Q::Distance, U::Metre, 0), Q::Distance, U::Metre),
              "Sight-In Range must be between 1 and 4572 m");
    EXPECT_EQ(
        boundsMessage("Temperature", shownBounds(-150, 150, Q::Temperature, U::Celsius, 1), Q::Temperature, U::Celsius),
        "Temperature must be between -101.1 and 65.5 °C");
}

TEST(Units, ChoiceKeptInThePreferences) {
    const std::string designedText = "[Table]\nHolds=true\n";
    // The designed units write nothing new; a key already there is kept up to date.
    EXPECT_EQ(withUnitChoice(designedText, UnitChoice{}), designedText);
    const UnitChoice metric = UnitChoice::preset(UnitSystem::Metric);
    const std::string metricText = withUnitChoice(designedText, metric);
    EXPECT_NE(metricText.find("[Units]\nDistance=m\nVelocity=m/s\n"), std::string::npos) << metricText;
    EXPECT_EQ(unitChoiceFromPreferences(metricText), metric);
    EXPECT_EQ(metric.system(), UnitSystem::Metric);
    EXPECT_EQ(unitChoiceFromPreferences(withUnitChoice(metricText, UnitChoice{})), UnitChoice{});

    UnitChoice mixed;
    EXPECT_TRUE(mixed.set(Q::Pressure, U::MillimetreHg));
    EXPECT_FALSE(mixed.set(Q::Pressure, U::Metre));  // not a unit of pressure
    EXPECT_EQ(unitChoiceFromPreferences(withUnitChoice("", mixed)), mixed);
    EXPECT_EQ(mixed.system(), UnitSystem::Imperial);
    // An unknown unit keeps the designed one.
    EXPECT_EQ(unitChoiceFromPreferences("[Units]\nDistance=furlong\n").of(Q::Distance), U::Yard);
    // A file from before the gun's weight had a unit weighs the gun in kilograms where bullets
    // weigh grams; one that names it keeps it.
    EXPECT_EQ(unitChoiceFromPreferences("[Units]\nWeight=g\n").of(Q::GunWeight), U::Kilogram);
    EXPECT_EQ(unitChoiceFromPreferences("[Units]\nWeight=g\nGunWeight=oz\n").of(Q::GunWeight), U::Ounce);
    EXPECT_EQ(unitChoiceFromPreferences("[Units]\nWeight=gr\n").of(Q::GunWeight), U::Ounce);
    UnitChoice gramsAndOunces;
    EXPECT_TRUE(gramsAndOunces.set(Q::Weight, U::Gram));
    EXPECT_EQ(unitChoiceFromPreferences(withUnitChoice("", gramsAndOunces)), gramsAndOunces);
    EXPECT_EQ(unitNamed(Q::Temperature, "°C"), U::Celsius);
    EXPECT_EQ(unitTokens(Q::Pressure), "inHg, hPa, mbar, mmHg");
}

}  // namespace
}  // namespace vorlan
