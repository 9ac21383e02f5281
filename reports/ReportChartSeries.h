#pragma once
// The chart series of a range table and of a comparison's trajectories: the rows as the
// report prints them, handed down to the chart, which draws them without knowing the reports.

#include <string>

#include "chart/ChartSeries.h"
#include "engine/TrajectorySolver.h"
#include "reports/RangeTable.h"
#include "shot/ShotParameters.h"

namespace vorlan {

// The series of a range table: the rows of its own trajectory, as the report prints them;
// with the shot's spreads set, P(hit) against range (the default run) and the ethical range.
ChartSeries chartSeries(const ShotParameters& shot, const RangeTableReport& report);
// The series of a solved trajectory (a comparison's baseline or current shot).
ChartSeries chartSeries(const std::string& name, const TrajectorySolver& trajectory, double targetRange);

}  // namespace vorlan
