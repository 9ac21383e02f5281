#pragma once
// The chart series of a range table and of a comparison's trajectories: the rows as the
// report prints them, handed down to the chart, which draws them without knowing the reports.

#include <atomic>
#include <string>

#include "chart/ChartSeries.h"
#include "engine/TrajectorySolver.h"
#include "reports/table/RangeTable.h"
#include "shot/ShotParameters.h"

namespace vorlan {

// The series of a range table: the rows of its own trajectory, as the report prints them.
ChartSeries chartSeries(const ShotParameters& shot, const RangeTableReport& report);
// Whether the chart of `shot` has a P(hit) curve: the shot has spreads and a target.
bool hasHitCurve(const ShotParameters& shot);
// Puts P(hit) against range into `series` (counted as the Hit Probability window counts it, at
// its ranges) with the level and the ethical range; false, leaving it as it was, for a shot
// without spreads or a run that `cancel` stops.
bool countHits(ChartSeries& series, const ShotParameters& shot, const std::atomic<bool>* cancel = nullptr);
// The series of a solved trajectory (a comparison's baseline or current shot).
ChartSeries chartSeries(const std::string& name, const TrajectorySolver& trajectory, double targetRange);

}  // namespace vorlan
