#pragma once
// What a trajectory chart draws of one shot: every recorded yard of the range table's own
// trajectory (windage counted as the table counts it), the sight-in and target ranges, and
// the speed of sound of the table's atmosphere for the transonic points. No Qt here, so the
// command line builds the same series as the window. The reports build a series from a range
// table or a comparison (reports/ReportChartSeries.h); the chart knows nothing of the reports.
//
//   ShotParameters -> RangeTableReport -> ChartSeries -> chart painter (screen, print, PNG, SVG)

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/TrajectorySolver.h"
#include "engine/Units.h"

namespace vorlan {

// The chance of a first-shot hit at one range.
struct ChartHitPoint {
    double range;          // yd
    double probability;    // 0 to 1
    double standardError;  // of the probability
};

struct ChartSeries {
    std::string name;  // the shot's name, for the legend and the title
    // One per recorded yard, row i at i yards, with tiny values zeroed as the report prints them.
    std::vector<TrajectoryPoint> rows;
    double sightInRange = 0.0;  // yd
    double targetRange = 0.0;   // yd
    double speedOfSound = 0.0;  // ft/s in the table's atmosphere
    // P(hit) against range when the shot has spreads to count hits with; empty: none drawn.
    std::vector<ChartHitPoint> hitCurve;
    double hitLevel = 0.0;               // the P(hit) an ethical shot must reach
    std::optional<double> ethicalRange;  // yd: the last range up to which P(hit) stays at the level
    // The shot's table runs at whole metres (a range increment typed in metres): on a metric
    // chart its cursor and readout settle on whole metres, read between the recorded yards.
    bool wholeMetres = false;
};

// The first row whose velocity is below `mach` times the speed of sound; none when the
// bullet stays faster (or starts slower: then it never goes transonic on this flight).
std::optional<std::size_t> transonicRow(const ChartSeries& series, double mach);

// The row where the bullet is highest above the line of sight; none without rows.
std::optional<std::size_t> maximumOrdinateRow(const ChartSeries& series);

// The row nearest to `range` yards, clamped to the rows; none without rows.
std::optional<std::size_t> nearestRow(const ChartSeries& series, double range);

// Where the cursor settles near `range` yards: the nearest recorded yard, or on a metric chart
// of a series in whole metres the nearest whole metre, in yards; within the rows, none without.
std::optional<double> cursorRangeNear(const ChartSeries& series, double range, UnitSystem units);

// The nine columns of the table at one row of a series, as the report prints them: each pair
// holds the column's name with its unit and its text ("-----" as the elevation at the muzzle).
// In metric the figures are converted as the table's metric view shows them (range to a tenth
// of a metre); the elevation stays the designed inches per hundred yards. The names are English,
// marked for the catalogue: a window that shows them passes them through translated().
using ChartReadout = std::array<std::pair<std::string, std::string>, 9>;
ChartReadout chartReadout(const TrajectoryPoint& row, UnitSystem units = UnitSystem::Imperial);

}  // namespace vorlan
