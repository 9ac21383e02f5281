// The chart series of a range table and of a comparison's trajectories. Kept apart from the
// series' own queries, which the command line's chart renderer builds without the engine.

#include "reports/chartview/ReportChartSeries.h"

#include "shot/MetricShotKeys.h"
#include "shot/ShotSetup.h"

namespace vorlan {

ChartSeries chartSeries(const ShotParameters& shot, const RangeTableReport& report) {
    ChartSeries series = chartSeries(shot.name, report.tableTrajectory(), shot.targetRange);
    series.wholeMetres = metricRangeIncrement(shot) > 0.0;
    return series;
}

bool hasHitCurve(const ShotParameters& shot) { return hitSpreadsSet(shot) && shotHitTarget(shot).isSet(); }

bool countHits(ChartSeries& series, const ShotParameters& shot, const std::atomic<bool>* cancel) {
    if (!hasHitCurve(shot)) return false;
    HitRunOptions options = shotHitOptions(shot);
    options.cancel = cancel;
    const HitProbabilityResult hits = shotHitBudget(shot, shotHitRanges(shot, kHitCurveRanges), options).hits;
    if (hits.cancelled) return false;
    series.hitCurve.clear();
    for (const HitRangeFigure& f : hits.figures)
        series.hitCurve.push_back({double(f.range), f.probability, f.standardError});
    series.hitLevel = shot.hit.level;
    series.ethicalRange.reset();
    if (const std::optional<int> ethical = ethicalRange(hits.figures, shot.hit.level)) series.ethicalRange = *ethical;
    return true;
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
