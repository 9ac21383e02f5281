// The chart series of a range table and of a comparison's trajectories. Kept apart from the
// series' own queries, which the command line's chart renderer builds without the engine.

#include "reports/ReportChartSeries.h"

namespace vorlan {

ChartSeries chartSeries(const ShotParameters& shot, const RangeTableReport& report) {
    return chartSeries(shot.name, report.tableTrajectory(), shot.targetRange);
}

ChartSeries chartSeries(const std::string& name, const TrajectorySolver& trajectory, double targetRange) {
    ChartSeries series;
    series.name = name;
    series.rows.reserve(trajectory.rows.size());
    for (const TrajectoryPoint& row : trajectory.rows) series.rows.push_back(printedRow(row));
    series.sightInRange = trajectory.sightInRange;
    series.targetRange = targetRange;
    series.speedOfSound = trajectory.atmosphere.speedOfSound;
    return series;
}

}  // namespace vorlan
