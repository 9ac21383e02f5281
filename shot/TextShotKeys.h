#pragma once
// The shot's free texts beyond the designed ones, one line each after the designed lines,
// written only when not empty so that a file without them stays as it was. No designed or
// added key begins like them, so an older reader passes over them.
//
//   "Rifle:"  the rifle a load belongs to, a free name such as "Tikka T3x .308"; the library
//             groups its loads by it

#include <string>
#include <string_view>

#include "shot/ShotParameters.h"

namespace vorlan {

// A free text of the shot: its key (with its colon), its member and its longest length.
struct ShotTextKey {
    std::string_view key;
    std::string ShotParameters::*member;
    std::size_t maxCharacters;
};

// The rifle's key, for the windows that ask for a rifle.
const ShotTextKey& rifleKey();

// The lines of the texts that are not empty, each ending CR CR LF.
std::string textShotFileText(const ShotParameters& shot);

// Stores the rest of a line that begins with a text key (line breaks as blanks, as the name);
// false when none matched.
bool applyTextShotLine(std::string_view line, ShotParameters& shot);

// The first text longer than its bound, as a message naming its key; empty when all fit.
std::string textInputProblem(const ShotParameters& shot);

}  // namespace vorlan
