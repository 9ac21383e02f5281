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
#include "shot/SafeFile.h"

namespace vorlan {

// The lines of the inputs that differ from their defaults, each ending CR CR LF.
std::string advancedShotFileText(const AdvancedEffects& effects);

// Stores the value of a line that begins with an advanced key; false when none matched. A value
// is read whole (a number, TRUE or FALSE, a list): one that does not read is left unstored and
// told in `problem`, naming the key and the value.
bool applyAdvancedShotLine(std::string_view line, AdvancedEffects& effects, std::string* problem = nullptr);

// "M Cd;M Cd;...", "V BC;V BC;..." and "yd mph deg;..." both ways. A list is read whole or not
// at all: an item that is not all numbers gives an empty list (the effect off), its number in
// `badItem`.
std::string machCdText(const std::vector<MachCd>& points);
std::vector<MachCd> parseMachCdText(std::string_view text, std::size_t* badItem = nullptr);
std::string bcBandsText(const std::vector<BcBand>& bands);
std::vector<BcBand> parseBcBandsText(std::string_view text, std::size_t* badItem = nullptr);
std::string windZonesText(const std::vector<WindZone>& zones);
std::vector<WindZone> parseWindZonesText(std::string_view text, std::size_t* badItem = nullptr);

// What is wrong with an advanced line whose value does not read whole ("Custom Drag: item 2 is
// not two numbers ("x y"); ...", "Twist Rate: "9.5 in" is not a number"); empty for a line
// that reads, or that holds no advanced key.
std::string advancedLineProblem(std::string_view line);
// The message for a list whose item number `item` (from 1) is not `numbers` numbers (2 or 3),
// quoting that item.
std::string listItemProblem(std::string_view key, std::string_view list, std::size_t item, int numbers);

// A custom drag table read from CSV text: two columns, Mach and Cd, an optional header line,
// at least two rows with the Mach increasing. `error` is empty on success, else it names the
// line at fault or the reason the file could not be read (then in `outcome` as well).
struct DragTableCsv {
    std::vector<MachCd> points;
    std::string error;
    FileOutcome outcome;
};
DragTableCsv parseDragTableCsv(std::string_view text);
// Reads the file with the safe reader: a regular file only, never waited on, at most
// kMaxReadBytes.
DragTableCsv loadDragTableCsv(const std::string& path);

// The first advanced input outside its bounds, as a message naming its key; empty when all fit.
std::string advancedInputProblem(const AdvancedEffects& effects);

}  // namespace vorlan
