#pragma once
// The units a shooter reads and types each quantity in. Every value inside the program stays
// in its designed unit (yards, ft/s, grains, inches, deg. F, in. Hg, feet, mph, ft-lb, ounces); a value
// is converted at the door, on its way in from a field or the command line and on its way out
// to a label or a report. The factors are engine/Units.h's, the program's one conversion table.
//
//   UnitChoice (a unit per quantity; presets Imperial and Metric; kept in the preferences)
//   -> toShown / toDesigned, unitLabel, shownBounds (the designed bounds rounded inwards)

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/Units.h"

namespace vorlan {

enum class Quantity {
    Distance,     // ranges: yd, m
    Velocity,     // bullet speeds: ft/s, m/s
    Weight,       // bullet weight: gr, g
    Length,       // sight height and other lengths: in, mm, cm
    Offset,       // drop and windage: in, cm, mm
    Temperature,  // deg. F, deg. C
    Pressure,     // in. Hg, hPa, mbar, mmHg
    Altitude,     // ft, m
    Speed,        // wind and target speed: mph, km/h, m/s
    Energy,       // ft-lb, J
    GunWeight,    // the gun's weight (recoil): oz, kg
};
inline constexpr std::size_t kQuantityCount = 11;

enum class Unit {
    Yard,
    Metre,
    FootPerSecond,
    MetrePerSecond,
    Grain,
    Gram,
    Inch,
    Millimetre,
    Centimetre,
    Fahrenheit,
    Celsius,
    InchHg,
    Hectopascal,
    Millibar,
    MillimetreHg,
    Foot,
    Mph,
    Kmh,
    FootPound,
    Joule,
    Ounce,
    Kilogram,
};

// A unit of a quantity: value shown = (designed value - zero) * factor.
struct UnitOfQuantity {
    Quantity quantity;
    Unit unit;
    const char* label;  // as a label or a report shows it: "m/s", "°C"
    const char* token;  // as the preferences file and the command line write it: "m/s", "C"
    double factor;      // shown units per designed unit
    double zero;        // the designed value that shows as 0 (32 deg. F for deg. C), else 0
};

// The units a quantity may be shown in, its designed unit first; the unit's row.
std::span<const UnitOfQuantity> unitsOf(Quantity quantity);
const UnitOfQuantity& unitOf(Quantity quantity, Unit unit);
// The unit of `quantity` written `text` (its token or its label); none for any other.
std::optional<Unit> unitNamed(Quantity quantity, std::string_view text);
// Its tokens as a list for a message: "ft/s, m/s".
std::string unitTokens(Quantity quantity);

// A designed value in `unit`, and back: the value back is the one whose conversion gives the
// shown value exactly when a double does, so 100 m stays 100 m however often it goes round.
double toShown(double designed, Quantity quantity, Unit unit);
double toDesigned(double shown, Quantity quantity, Unit unit);

// Designed bounds in `unit`, rounded inwards to `decimals`: every value the bounds allow
// lies within the designed ones, and so does each end, which the message names.
struct ShownBounds {
    double low;
    double high;
    bool contains(double shown) const { return shown >= low && shown <= high; }
};
ShownBounds shownBounds(double designedLow, double designedHigh, Quantity quantity, Unit unit, int decimals);
// "Sight-In Range must be between 1 and 4572 m" (with `whole`: "must be a whole number
// between"), translated; `label` is given as shown.
std::string boundsMessage(std::string_view label, const ShownBounds& bounds, Quantity quantity, Unit unit,
                          bool whole = false);
// A shown value that `bounds` allow, in the designed unit within the designed bounds (a
// converted end may land an ulp outside them).
double toDesignedWithin(double shown, Quantity quantity, Unit unit, double designedLow, double designedHigh);

// A unit for every quantity.
class UnitChoice {
public:
    UnitChoice();  // the designed units
    static UnitChoice preset(UnitSystem system);
    Unit of(Quantity quantity) const { return units_[static_cast<std::size_t>(quantity)]; }
    // Sets the unit of a quantity; a unit that is not one of it is refused (false).
    bool set(Quantity quantity, Unit unit);
    // The units the reports' metric views speak when distances are in metres.
    UnitSystem system() const;
    bool operator==(const UnitChoice&) const = default;

private:
    std::array<Unit, kQuantityCount> units_;
};

// The quantities' names as the preferences file keys them ("Units/Distance").
std::string_view quantityKey(Quantity quantity);
// The choice kept in the preferences text; a key missing or unread keeps its designed unit.
UnitChoice unitChoiceFromPreferences(std::string_view text);
// The text with the choice in it: a quantity's key is written when its unit is not the
// designed one or the text holds the key already, so a file of designed units stays as it is.
std::string withUnitChoice(std::string_view text, const UnitChoice& choice);

}  // namespace vorlan
