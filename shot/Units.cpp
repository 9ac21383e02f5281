#include "shot/Units.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "engine/Catalogue.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PreferencesFile.h"

namespace vorlan {

namespace {

using Q = Quantity;
using U = Unit;

// Each quantity's units, its designed unit first.
constexpr UnitOfQuantity kUnits[] = {
    {Q::Distance, U::Yard, N_("yd"), "yd", 1.0, 0.0},
    {Q::Distance, U::Metre, N_("m"), "m", kMetresPerYard, 0.0},
    {Q::Velocity, U::FootPerSecond, N_("ft/s"), "ft/s", 1.0, 0.0},
    {Q::Velocity, U::MetrePerSecond, N_("m/s"), "m/s", kMetresPerFoot, 0.0},
    {Q::Weight, U::Grain, N_("gr"), "gr", 1.0, 0.0},
    {Q::Weight, U::Gram, N_("g"), "g", kGramsPerGrain, 0.0},
    {Q::Length, U::Inch, N_("in"), "in", 1.0, 0.0},
    {Q::Length, U::Millimetre, N_("mm"), "mm", kMillimetresPerInch, 0.0},
    {Q::Length, U::Centimetre, N_("cm"), "cm", kCentimetresPerInch, 0.0},
    {Q::Offset, U::Inch, N_("in"), "in", 1.0, 0.0},
    {Q::Offset, U::Centimetre, N_("cm"), "cm", kCentimetresPerInch, 0.0},
    {Q::Offset, U::Millimetre, N_("mm"), "mm", kMillimetresPerInch, 0.0},
    {Q::Temperature, U::Fahrenheit, N_("°F"), "F", 1.0, 0.0},
    {Q::Temperature, U::Celsius, N_("°C"), "C", 5.0 / 9.0, 32.0},
    {Q::Pressure, U::InchHg, N_("inHg"), "inHg", 1.0, 0.0},
    {Q::Pressure, U::Hectopascal, N_("hPa"), "hPa", kHectopascalsPerInchHg, 0.0},
    {Q::Pressure, U::Millibar, N_("mbar"), "mbar", kHectopascalsPerInchHg, 0.0},  // 1 mbar = 1 hPa
    {Q::Pressure, U::MillimetreHg, N_("mmHg"), "mmHg", kMillimetresHgPerInchHg, 0.0},
    {Q::Altitude, U::Foot, N_("ft"), "ft", 1.0, 0.0},
    {Q::Altitude, U::Metre, N_("m"), "m", kMetresPerFoot, 0.0},
    {Q::Speed, U::Mph, N_("mph"), "mph", 1.0, 0.0},
    {Q::Speed, U::Kmh, N_("km/h"), "km/h", kKmhPerMph, 0.0},
    {Q::Speed, U::MetrePerSecond, N_("m/s"), "m/s", kMetresPerSecondPerMph, 0.0},
    {Q::Energy, U::FootPound, N_("ft-lb"), "ft-lb", 1.0, 0.0},
    {Q::Energy, U::Joule, N_("J"), "J", kJoulesPerFootPound, 0.0},
    {Q::GunWeight, U::Ounce, N_("oz"), "oz", 1.0, 0.0},
    {Q::GunWeight, U::Kilogram, N_("kg"), "kg", kGramsPerOunce / 1000.0, 0.0},
};

// The metric preset's unit of each quantity, in the order of Quantity.
constexpr Unit kMetric[kQuantityCount] = {U::Metre,          U::MetrePerSecond, U::Gram,        U::Centimetre,
                                          U::Centimetre,     U::Celsius,        U::Hectopascal, U::Metre,
                                          U::MetrePerSecond, U::Joule,          U::Kilogram};

constexpr std::string_view kQuantityKeys[kQuantityCount] = {
    "Distance", "Velocity", "Weight", "Length", "Offset",    "Temperature",
    "Pressure", "Altitude", "Speed",  "Energy", "GunWeight",
};

// A value a hair off a multiple of 10^-decimals is that multiple: the conversion's own error.
double snapped(double scaled) {
    const double nearest = std::round(scaled);
    return std::fabs(scaled - nearest) < 1e-7 * std::max(1.0, std::fabs(nearest)) ? nearest : scaled;
}

}  // namespace

std::span<const UnitOfQuantity> unitsOf(Quantity quantity) {
    const auto first = std::find_if(std::begin(kUnits), std::end(kUnits),
                                    [quantity](const UnitOfQuantity& u) { return u.quantity == quantity; });
    const auto last =
        std::find_if(first, std::end(kUnits), [quantity](const UnitOfQuantity& u) { return u.quantity != quantity; });
    return {first, last};
}

const UnitOfQuantity& unitOf(Quantity quantity, Unit unit) {
    const std::span<const UnitOfQuantity> units = unitsOf(quantity);
    const auto found =
        std::find_if(units.begin(), units.end(), [unit](const UnitOfQuantity& u) { return u.unit == unit; });
    return found == units.end() ? units.front() : *found;
}

std::optional<Unit> unitNamed(Quantity quantity, std::string_view text) {
    for (const UnitOfQuantity& u : unitsOf(quantity))
        if (text == u.token || text == u.label) return u.unit;
    return std::nullopt;
}

std::string unitTokens(Quantity quantity) {
    std::string list;
    for (const UnitOfQuantity& u : unitsOf(quantity)) list += (list.empty() ? "" : ", ") + std::string(u.token);
    return list;
}

double toShown(double designed, Quantity quantity, Unit unit) {
    const UnitOfQuantity& u = unitOf(quantity, unit);
    return (designed - u.zero) * u.factor;
}

double toDesigned(double shown, Quantity quantity, Unit unit) {
    const UnitOfQuantity& u = unitOf(quantity, unit);
    const double designed = shown / u.factor + u.zero;
    // The quotient may miss the double that converts back to `shown` by an ulp or two.
    double up = designed, down = designed;
    for (int ulps = 0; ulps <= 2 && std::isfinite(designed); ++ulps) {
        if (toShown(up, quantity, unit) == shown) return up;
        if (toShown(down, quantity, unit) == shown) return down;
        up = std::nextafter(up, HUGE_VAL);
        down = std::nextafter(down, -HUGE_VAL);
    }
    return designed;
}

ShownBounds shownBounds(double designedLow, double designedHigh, Quantity quantity, Unit unit, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return {std::ceil(snapped(toShown(designedLow, quantity, unit) * scale)) / scale,
            std::floor(snapped(toShown(designedHigh, quantity, unit) * scale)) / scale};
}

std::string boundsMessage(std::string_view label, const ShownBounds& bounds, Quantity quantity, Unit unit, bool whole) {
    std::string low, high;
    appendRoundTrip(low, bounds.low);
    appendRoundTrip(high, bounds.high);
    const char* format =
        whole ? N_("%1 must be a whole number between %2 and %3 %4") : N_("%1 must be between %2 and %3 %4");
    return translated(format, {label, low, high, translated(unitOf(quantity, unit).label)});
}

double toDesignedWithin(double shown, Quantity quantity, Unit unit, double designedLow, double designedHigh) {
    return std::clamp(toDesigned(shown, quantity, unit), designedLow, designedHigh);
}

UnitChoice::UnitChoice() {
    for (std::size_t q = 0; q < kQuantityCount; ++q) units_[q] = unitsOf(static_cast<Quantity>(q)).front().unit;
}

UnitChoice UnitChoice::preset(UnitSystem system) {
    UnitChoice choice;
    if (system == UnitSystem::Metric) std::copy(std::begin(kMetric), std::end(kMetric), choice.units_.begin());
    return choice;
}

bool UnitChoice::set(Quantity quantity, Unit unit) {
    if (unitOf(quantity, unit).unit != unit) return false;
    units_[static_cast<std::size_t>(quantity)] = unit;
    return true;
}

UnitSystem UnitChoice::system() const {
    return of(Quantity::Distance) == Unit::Metre ? UnitSystem::Metric : UnitSystem::Imperial;
}

std::string_view quantityKey(Quantity quantity) { return kQuantityKeys[static_cast<std::size_t>(quantity)]; }

namespace {

std::string preferenceKey(Quantity quantity) { return "Units/" + std::string(quantityKey(quantity)); }

// The unit of a quantity whose line the preferences lack: the designed one, but for the gun's
// weight in a file from before it had a unit, kilograms where bullets weigh grams.
Unit unwrittenUnit(Quantity quantity, const UnitChoice& choice) {
    if (quantity == Quantity::GunWeight && choice.of(Quantity::Weight) == Unit::Gram) return Unit::Kilogram;
    return UnitChoice().of(quantity);
}

}  // namespace

UnitChoice unitChoiceFromPreferences(std::string_view text) {
    UnitChoice choice;
    for (std::size_t q = 0; q < kQuantityCount; ++q) {
        const auto quantity = static_cast<Quantity>(q);
        const std::optional<std::string> value = preferenceValue(text, preferenceKey(quantity));
        if (const std::optional<Unit> unit = value ? unitNamed(quantity, *value) : std::nullopt)
            choice.set(quantity, *unit);
    }
    if (!preferenceValue(text, preferenceKey(Quantity::GunWeight)))
        choice.set(Quantity::GunWeight, unwrittenUnit(Quantity::GunWeight, choice));
    return choice;
}

std::string withUnitChoice(std::string_view text, const UnitChoice& choice) {
    std::string result(text);
    for (std::size_t q = 0; q < kQuantityCount; ++q) {
        const auto quantity = static_cast<Quantity>(q);
        const std::string key = preferenceKey(quantity);
        // A unit the reader takes without its line is written only over a line already there.
        const bool taken = choice.of(quantity) == unwrittenUnit(quantity, choice);
        if (!taken || preferenceValue(result, key))
            result = withPreferenceValue(result, key, unitOf(quantity, choice.of(quantity)).token);
    }
    return result;
}

}  // namespace vorlan
