#pragma once
// The statistics of a chronograph string: the count, the mean, the standard deviation of the
// sample (n - 1) and the extreme spread, and how they compare with what the file states.

#include <optional>
#include <string>
#include <vector>

#include "shot/ShotParameters.h"
#include "shot/chronograph/ChronoSession.h"

namespace vorlan {

struct ChronoStats {
    int count = 0;
    double mean = 0.0;    // ft/s
    double sd = 0.0;      // ft/s, n - 1
    double spread = 0.0;  // ft/s, fastest less slowest
};

// None for fewer than two velocities (no standard deviation).
std::optional<ChronoStats> chronoStats(const std::vector<double>& velocities);

// A sentence for each figure the file states that differs from the computed one by more than
// the file's rounding ("The file's average 2650.3 ft/s differs from the computed 2652.1 ft/s").
std::vector<std::string> statedFigureNotes(const ChronoSession& session, const ChronoStats& stats);

// The mean, SD and spread to the tenth of a ft/s the shot's fields keep, as they are shown.
ChronoStats tenthsOf(const ChronoStats& stats);

// The shot's muzzle velocity set to the mean and its hit-probability velocity spread ("MV SD:")
// to the standard deviation, each to 0.1 ft/s.
void applyChronoStats(const ChronoStats& stats, ShotParameters& shot);

}  // namespace vorlan
