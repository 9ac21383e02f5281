#pragma once
// The scope and turret of a shot: how much one click moves the point of impact, which unit
// the turret is marked in, and the units the shooter prefers for the reports. Kept in the
// shot file after the designed lines, each written only when it differs from its default:
//
//   "Scope Click:"   the click value, e.g. "0.1mil", "0.25moa"
//   "Scope Units:"   "MOA" or "MIL"
//   "Unit System:"   "Imperial" or "Metric"
//
// No designed key begins like them, so a reader that knows only the designed keys passes
// over them.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/Holds.h"
#include "engine/Units.h"

namespace vorlan {

struct ScopeProfile {
    ClickValue click;                              // 1/4 MOA
    AngleUnit turretUnits = AngleUnit::Moa;        // the unit the turret is marked in
    UnitSystem unitSystem = UnitSystem::Imperial;  // the units the reports open in
    bool operator==(const ScopeProfile&) const = default;
};

// The common click values: 1/4 MOA, 1/8 MOA, 0.1 mil, 0.05 mil.
std::span<const ClickValue> standardClickValues();

// "0.25moa", "1/8 MOA", "0.1mil", "0.05 mil": a positive number or fraction and its unit,
// blanks and case aside. None for anything else, or a click of 100 MOA or mil and more.
std::optional<ClickValue> parseClickValue(std::string_view text);
// The click value as parseClickValue reads it back: "0.25moa", "0.1mil".
std::string clickValueText(ClickValue click);
// As a person reads it: "1/4 MOA", "1/8 MOA", "0.1 mil", "0.3 MOA".
std::string clickValueLabel(ClickValue click);
// "MOA" or "mil".
std::string_view angleUnitName(AngleUnit unit);

// The profile's lines that differ from the defaults, each ending CR CR LF.
std::string scopeShotFileText(const ScopeProfile& scope);
// Stores the value of a line that begins with a scope key; false when none matched. A value
// that cannot be read leaves the field as it was.
bool applyScopeShotLine(std::string_view line, ScopeProfile& scope);
// What is wrong with a scope line whose value cannot be read; empty for any other line.
std::string scopeLineProblem(std::string_view line);

}  // namespace vorlan
