#pragma once
// The advanced effects in a shot file: one line per input after the designed lines, written
// only when it differs from its default. No designed key begins like them, so a reader that
// knows only the designed keys passes over them. The settings file never holds them.
//
//   "Custom Drag:"  Mach-Cd pairs "M Cd;M Cd;..."
//   "BC Bands:"     velocity-coefficient pairs "V BC;V BC;..."
//   "Wind Zones:"   "until_yd mph direction;..."

#include <string>
#include <string_view>
#include <vector>

#include "engine/AdvancedEffects.h"

namespace vorlan {

// The lines of the inputs that differ from their defaults, each ending CR CR LF.
std::string advancedShotFileText(const AdvancedEffects& effects);

// Stores the value of a line that begins with an advanced key; false when none matched.
bool applyAdvancedShotLine(std::string_view line, AdvancedEffects& effects);

// "M Cd;M Cd;...", "V BC;V BC;..." and "yd mph deg;..." both ways. Items short of numbers are skipped.
std::string machCdText(const std::vector<MachCd>& points);
std::vector<MachCd> parseMachCdText(std::string_view text);
std::string bcBandsText(const std::vector<BcBand>& bands);
std::vector<BcBand> parseBcBandsText(std::string_view text);
std::string windZonesText(const std::vector<WindZone>& zones);
std::vector<WindZone> parseWindZonesText(std::string_view text);

// A custom drag table read from CSV text: two columns, Mach and Cd, an optional header line,
// at least two rows with the Mach increasing. `error` is empty on success, else it names the
// line at fault.
struct DragTableCsv {
    std::vector<MachCd> points;
    std::string error;
};
DragTableCsv parseDragTableCsv(std::string_view text);
DragTableCsv loadDragTableCsv(const std::string& path);

// The first advanced input outside its bounds, as a message naming its key; empty when all fit.
std::string advancedInputProblem(const AdvancedEffects& effects);

}  // namespace vorlan
