#pragma once
// The hit probability's inputs in a shot file: one line each after the designed lines,
// written only when it differs from its default. No designed or advanced key begins like
// them, so a reader that knows only those passes over them. The settings file never holds them.
//
//   "MV SD:"              ft/s          "Wind Direction SD:"  degrees
//   "BC SD %:"            percent       "Precision MOA:"      MOA per axis
//   "Range SD:"           yd, or "5%"   "Cant SD:"            degrees
//   "Wind SD:"            mph           "Hit Target:"         "circle 8" or "rect 10 20" (inches)
//   "Hit Level:"          0 to 1        "Precision Group:"    "3.07 5": a mean group (MOA) of 5 shots

#include <optional>
#include <string>
#include <string_view>

#include "engine/HitInputs.h"

namespace vorlan {

// The bounds of the inputs that have a unit (each from 0), which a window converts to the units
// it shows them in.
inline constexpr double kMostVelocitySd = 500;     // ft/s
inline constexpr double kMostWindSd = 50;          // mph
inline constexpr double kMostRangeSdYards = 1000;  // yd
inline constexpr double kLargestTarget = 1000;     // inches, a size above 0

// The lines of the inputs that differ from their defaults, each ending CR CR LF; numbers in
// their usual decimals, or with the digits they need to read back as they are.
std::string hitShotFileText(const HitInputs& hit);

// Stores the value of a line that begins with a hit key; false when none matched. A value that
// does not read whole is left unstored and told in `problem`, naming the key and the value.
bool applyHitShotLine(std::string_view line, HitInputs& hit, std::string* problem = nullptr);

// "circle 8" and "rect 10 20" both ways; none for other text or a size that is not positive.
std::string hitTargetText(const HitTarget& target);
std::optional<HitTarget> parseHitTarget(std::string_view text);
// A target as typed on the command line: "8in" (a circle 8 in across) or "10x20in" (a
// rectangle 10 in wide and 20 in high); the "in" may be left off.
std::optional<HitTarget> parseTargetSize(std::string_view text);
// A range spread: "12" (yd) or "5%" (of the range); none for other text.
std::optional<HitSpreads> parseRangeSpread(std::string_view text, HitSpreads spreads);

// The first hit input outside its bounds, as a message naming its key; empty when all fit.
std::string hitInputProblem(const HitInputs& hit);

}  // namespace vorlan
