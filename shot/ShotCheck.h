#pragma once
// One check of a whole shot before anything is computed from it: the main dialog's fields
// against the dialog's own bounds (the shotFields table), the drag function index, the
// table's length, and the advanced inputs against theirs (advancedInputProblem). vorlan-cli
// runs it on every shot it reads, the desktop before every command that computes.

#include <string>
#include <vector>

#include "shot/ShotParameters.h"

namespace vorlan {

// The longest range table the dialog lets through: increment times count, in yards.
inline constexpr int kLongestTable = 5000;

// Every input outside its bounds, each as a message that names its file key, the value and
// the bounds ("Weight: nan is not a number between 0.0001 and 1000"); empty when all fit.
std::vector<std::string> shotProblems(const ShotParameters& shot);

// The first of them; empty when the shot can be flown.
std::string shotProblem(const ShotParameters& shot);

}  // namespace vorlan
