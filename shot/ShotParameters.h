#pragma once
// Every input of one shot, in the units the shooter types them. One table (shotFields)
// describes each dialog field: its control, caption, unit, bounds, keystroke rule, pop-up help
// and exchange order; a second (shotFileLines) gives each stored field its file key and format.
// The dialog, its layout, its help, its exchange, the shot-file reader and writer all work
// from these tables: a new field is a new row.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "engine/AdvancedEffects.h"
#include "engine/HitInputs.h"
#include "shot/MetricInputs.h"
#include "shot/Observations.h"
#include "shot/ScopeProfile.h"
#include "shot/Units.h"

namespace vorlan {

struct ShotParameters {
    // Projectile, sight and range table
    std::string name;                    // edit 1000, at most 256 characters
    std::string caliber = ".177";        // edit 1001, at most 4 characters
    double velocity = 800.0;             // ft/s
    double weight = 8.0;                 // grains
    double ballisticCoefficient = 0.02;  // lb/in^2, referred to dragFunction
    double sightHeight = 1.5;            // inches above the bore
    double cantAngle = 0.0;              // degrees
    double sightInRange = 33.0;          // yards
    int rangeIncrement = 1;              // yards between table rows
    int incrementCount = 45;             // rows after the muzzle row
    double losAngle = 0.0;               // degrees, positive uphill
    double muzzleAngle = 0.0;            // minutes of angle
    bool muzzleAngleCorrection = true;   // derive muzzleAngle by zeroing at sightInRange
    // Wind and target
    double crosswind = 0.0;         // mph
    double targetRange = 50.0;      // yards
    double targetSpeed = 0.0;       // mph
    double targetDirection = 90.0;  // degrees to the line of fire
    // Atmosphere
    double temperature = 59.0;        // F
    double relativeHumidity = 0.0;    // percent
    double pressure = 29.92;          // in Hg
    double altitude = 0.0;            // ft
    bool stationPressure = false;     // pressure is the station reading, not reduced to sea level
    std::string airDensityText;       // display only, never stored in a file
    std::string seaLevelPercentText;  // display only, never stored in a file
    // Drag model: the DragFunction index; a file may hold any integer
    int dragFunction = 0;
    // Chronograph and point-blank target
    double nearChronoSpeed = 800.0;  // ft/s
    double farChronoSpeed = 700.0;   // ft/s
    double chronoDistance = 300.0;   // ft between the chronographs
    double targetDiameter = 1.0;     // inches of vital zone
    // Calculator
    double calcEnergy = 0.0;        // ft-lb
    double calcVelocity = 0.0;      // ft/s
    double calcWeight = 0.0;        // grains
    double calcGunWeight = 40.0;    // ounces
    double calcPowderWeight = 5.0;  // grains
    double powerFactor = 0.0;
    double recoilEnergy = 0.0;  // ft-lb
    int calcMode = 0;           // 0 energy, 1 velocity, 2 weight
    // Effects beyond the designed flight, stored under keys of their own (AdvancedShotKeys.h)
    AdvancedEffects advanced;
    // The scope's turret and the preferred report units, under keys of their own (ScopeProfile.h)
    ScopeProfile scope;
    // The spreads, target and level of the hit probability, under keys of their own (HitShotKeys.h)
    HitInputs hit;
    // What the shooter observed at real ranges, for truing, under a key of its own (Observations.h)
    std::vector<Observation> observations;
    // The velocity as entered before a truing was applied, for Clear Truing to put back, under
    // a key of its own (TruingShotKeys.h); 0 is none.
    double velocityBeforeTruing = 0.0;  // ft/s
    // The rifle the load belongs to, a free name the library groups loads by, under a key of its
    // own (TextShotKeys.h); empty for none.
    std::string rifle;
    // What a profile of another tool brought, under keys of their own (ProfileShotKeys.h): the
    // field card's ranges and the profile's fields that have no place here, kept for its export.
    std::vector<double> cardRanges;  // yards; empty is none
    std::string profileExtras;
    // The figures typed in metric units, under keys of their own (MetricShotKeys.h)
    MetricInputs metric;

    // The last range of the table: incrementCount * rangeIncrement, held within int.
    int tableLength() const;
    // What the main dialog restores before it reads the settings file: the calculator,
    // the muzzle angle and its correction flag go back to their defaults.
    void resetForDialogStart();
};

using FieldMember = std::variant<double ShotParameters::*, int ShotParameters::*, bool ShotParameters::*,
                                 std::string ShotParameters::*>;

// How the main dialog exchanges a field.
enum class FieldKind {
    Number,       // "%lg" / "%g", checked against [minimum, maximum]
    WholeNumber,  // "%d", checked against [minimum, maximum]
    Text,         // checked against maxLength
    Check,        // check box
    RadioGroup,   // position of the checked button, -1 when none
};

// The keystroke filter of an edit while the user types.
struct KeystrokeRule {
    bool enabled = false;
    bool fractional = false;  // digits with one decimal point; otherwise whole numbers
    bool allowMinus = false;  // fractional only: a leading minus sign
    int decimals = 0;         // fractional only: digits allowed after the point
    bool allowPlus = false;   // a leading plus sign ("+4.75"): the windows beyond the designed ones
};

struct ShotField {
    std::string_view name;  // the member's name
    int controlId;          // control number in the main dialog
    FieldKind kind;
    FieldMember member;
    double minimum = 0.0;  // Number and WholeNumber, inclusive
    double maximum = 0.0;
    int maxLength = 0;  // Text
    KeystrokeRule keystrokes{};
    const char* label = "";              // the caption beside the control, without its unit
    const char* unit = "";               // shown in brackets after the label; "" for none
    const char* help = nullptr;          // the pop-up help text; nullptr: the control's own (radio buttons)
    std::optional<Quantity> quantity{};  // the quantity of a number with a unit of shot/Units.h

    // The caption as the dialog shows it in the designed units: "Velocity (f.p.s.)".
    std::string caption() const;
    // The caption with the unit of `units` for its quantity: "Velocity (m/s)".
    std::string caption(const UnitChoice& units) const;
    // The digits a number field takes after the point (0 for a whole number).
    int decimals() const { return keystrokes.fractional ? keystrokes.decimals : 0; }
};

// A field's caption, translated: "Velocity (f.p.s.)" from its label and unit, the label alone
// without a unit.
std::string fieldCaption(const char* label, const char* unit);
// The same in the unit `shown` of `quantity`: with its designed unit (or no quantity) the
// designed caption, so that its words stay as they were ("f.p.s."); else the unit's label.
std::string fieldCaption(const char* label, const char* unit, std::optional<Quantity> quantity, Unit shown);
// The same of a label and a designed unit translated already (a window's own texts); without a
// label, the unit alone.
std::string translatedCaption(std::string_view label, std::string_view unit, std::optional<Quantity> quantity,
                              Unit shown);

// The pressure field's lowest value when it holds a station pressure (in Hg; the station
// pressure at 20,000 ft is about 13.8).
inline constexpr double kLowestStationPressure = 10.0;

// The dialog-bound fields in their exchange order.
std::span<const ShotField> shotFields();
// The field of a main-dialog control; nullptr for a control that is no field (a button).
const ShotField* shotFieldOf(int controlId);

// One line of the shot file.
struct ShotFileLine {
    std::string_view key;  // without its colon
    const char* format;    // printf format of the value; nullptr for text and flags
    FieldMember member;
    bool calculatorKey;  // ignored when a file arrives from the shell
};

// The 35 lines in the order the writer produces them.
std::span<const ShotFileLine> shotFileLines();

}  // namespace vorlan
