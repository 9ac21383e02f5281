#pragma once
// What a profile of another tool brings that the designed shot has no field for, kept with
// the shot after the designed lines, each written only when it is set:
//   "Card Ranges:"  the field card's ranges, yards, "109.36133;218.72266;..."
//   "A7P Extras:"   the fields of a .a7p profile Vorlan has no place for (device clicks,
//                   reticle switches, short names...), kept as one line of text for the export
// No designed key begins like them, so an older reader passes over them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shot/ShotParameters.h"

namespace vorlan {

// At most this many card ranges, each from 1 to kCardRangeMaxYards.
inline constexpr std::size_t kMaxCardRanges = 200;
inline constexpr double kCardRangeMaxYards = 5000.0;

// The lines that are set, each ending CR CR LF.
std::string profileShotFileText(const ShotParameters& shot);

// Stores the value of a line that begins with one of the keys; false when none matched. A
// list that does not read whole is left unstored and told in `problem`.
bool applyProfileShotLine(std::string_view line, ShotParameters& shot, std::string* problem = nullptr);

// "109.36133;218.72266" both ways; none for a list with an item that is not a range from 1 to
// kCardRangeMaxYards, or with more than kMaxCardRanges items.
std::string cardRangesText(const std::vector<double>& ranges);
std::optional<std::vector<double>> parseCardRangesText(std::string_view text);

}  // namespace vorlan
