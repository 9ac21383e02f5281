// The chart series of a range table and of a comparison's trajectories. Kept apart from the
// series' own queries, which the command line's chart renderer builds without the engine.

#include "reports/ReportChartSeries.h"

#include "shot/ShotSetup.h"

namespace vorlan {

ChartSeries chartSeries(const ShotParameters& shot, const RangeTableReport& report) {
    ChartSeries series = chartSeries(shot.name, report.tableTrajectory(), shot.targetRange);
    if (!hitSpreadsSet(shot) || !shotHitTarget(shot).isSet()) return series;
    const HitProbabilityResult hits = shotHitProbability(shot, shotHitRanges(shot, kHitCurveRanges), {});
    for (const HitRangeFigure& f : hits.figures)
        series.hitCurve.push_back({double(f.range), f.probability, f.standardError});
    series.hitLevel = shot.hit.level;
    if (const std::optional<int> ethical = ethicalRange(hits.figures, shot.hit.level)) series.ethicalRange = *ethical;
    return series;
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
