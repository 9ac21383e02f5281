#pragma once
// The velocity as entered before a truing was applied, kept with the shot so that Clear
// Truing can put it back after the window has closed:
//   "Velocity Before Truing:"  ft/s, written only while a truing is applied

#include <string>
#include <string_view>

#include "shot/ShotParameters.h"

namespace vorlan {

// The line when a velocity is kept, ending CR CR LF; empty otherwise.
std::string truingVelocityShotFileText(const ShotParameters& shot);

// Stores the value of a line that begins with the key; false when it does not. A value that is
// not a velocity from 1 to 5000 ft/s is left unstored and told in `problem`.
bool applyTruingVelocityShotLine(std::string_view line, ShotParameters& shot, std::string* problem = nullptr);

}  // namespace vorlan
