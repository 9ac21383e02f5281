// The chart's series against the range table itself: the same rows, the same printed numbers,
// and the transonic and highest points found on the rows.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "reports/chartview/ReportChartSeries.h"
#include "reports/table/RangeTable.h"
#include "reports/table/RangeTableView.h"
#include "shot/MetricShotKeys.h"

namespace vorlan {
namespace {

ShotParameters rifle() {
    ShotParameters shot;
    shot.name = "308 175";
    shot.velocity = 2700;
    shot.weight = 175;
    shot.ballisticCoefficient = 0.243;
    shot.dragFunction = 4;  // G7
    shot.sightInRange = 100;
    shot.targetRange = 300;
    shot.rangeIncrement = 25;
    shot.incrementCount = 60;  // 1500 yd: the bullet goes transonic
    shot.crosswind = 10;
    return shot;
}

TEST(ChartSeries, HoldsEveryRecordedYardAndReadsAsTheReportPrints) {
    for (ShotParameters shot : {rifle(), ShotParameters()}) {
        const RangeTableReport report(shot);
        const ChartSeries series = chartSeries(shot, report);
        ASSERT_EQ(series.rows.size(), static_cast<std::size_t>(report.tableTrajectory().lastRowIndex + 1));
        EXPECT_EQ(series.sightInRange, shot.sightInRange);
        EXPECT_EQ(series.targetRange, shot.targetRange);
        EXPECT_EQ(series.speedOfSound, report.tableTrajectory().atmosphere.speedOfSound);
        // Every printed row of the report, read column by column, equals the readout there.
        for (const TrajectoryPoint& printed : report.printedRows()) {
            std::istringstream row(rangeTableRow(printed));
            const ChartReadout readout = chartReadout(series.rows.at(static_cast<std::size_t>(printed.range)));
            for (const auto& [name, value] : readout) {
                std::string column;
                row >> column;
                EXPECT_EQ(value, column) << name << " at " << printed.range << " yd";
            }
        }
    }
}

// A shot whose table runs at whole metres settles its metric cursor on whole metres, and the
// readout there is the metric table's row; any other keeps the recorded yards.
TEST(ChartSeries, MetricCursorOfAMetreTableReadsWholeMetres) {
    ShotParameters shot = rifle();
    ASSERT_TRUE(storeTypedValue(shot, "Range Increment", 50.0, Unit::Metre));
    const RangeTableReport report(shot);
    const ChartSeries metres = chartSeries(shot, report);
    const ChartSeries yards = chartSeries(rifle(), RangeTableReport(rifle()));
    const double near300m = 300.4 / 0.9144;  // yd
    EXPECT_EQ(cursorRangeNear(yards, near300m, UnitSystem::Metric), 329.0);
    EXPECT_EQ(cursorRangeNear(metres, near300m, UnitSystem::Imperial), 329.0);
    const std::optional<double> cursor = cursorRangeNear(metres, near300m, UnitSystem::Metric);
    ASSERT_TRUE(cursor);
    const ChartReadout readout = chartReadout(*rowAt(metres.rows, *cursor), UnitSystem::Metric);
    EXPECT_EQ(readout[0].second, "300.0");
    const std::vector<std::string> table = rangeTableViewLines(shot, report, {false, UnitSystem::Metric, {}});
    const auto row =
        std::find_if(table.begin(), table.end(), [](const std::string& l) { return l.starts_with("   300.0"); });
    ASSERT_NE(row, table.end());
    EXPECT_NE(row->find(readout[1].second), std::string::npos) << *row;  // the drop in cm
    // Beyond the last row the cursor stays on the last whole metre.
    EXPECT_LE(*cursorRangeNear(metres, 1e6, UnitSystem::Metric), metres.rows.back().range);
}

TEST(ChartSeries, TransonicAndHighestPoints) {
    const ShotParameters shot = rifle();
    const ChartSeries series = chartSeries(shot, RangeTableReport(shot));
    for (double mach : {1.2, 1.0}) {
        const auto row = transonicRow(series, mach);
        ASSERT_TRUE(row) << mach;
        const double limit = mach * series.speedOfSound;
        EXPECT_LT(series.rows[*row].velocity, limit);
        EXPECT_GE(series.rows[*row - 1].velocity, limit);
    }
    EXPECT_LT(*transonicRow(series, 1.2), *transonicRow(series, 1.0));
    // Zeroed at 100 yd from 1.5 in under the line of sight: highest between muzzle and zero.
    const std::size_t top = *maximumOrdinateRow(series);
    EXPECT_GT(top, 0u);
    EXPECT_LT(top, 100u);
    for (const TrajectoryPoint& row : series.rows) EXPECT_LE(row.drop, series.rows[top].drop);

    // A bullet that starts below the speed of sound never goes transonic; one without rows
    // has no points at all.
    ChartSeries slow = series;
    slow.speedOfSound = 5000.0;
    EXPECT_FALSE(transonicRow(slow, 1.0));
    const ChartSeries empty;
    EXPECT_FALSE(maximumOrdinateRow(empty));
    EXPECT_FALSE(nearestRow(empty, 10.0));
    EXPECT_EQ(*nearestRow(series, -5.0), 0u);
    EXPECT_EQ(*nearestRow(series, 99.6), 100u);
    EXPECT_EQ(*nearestRow(series, 1e9), series.rows.size() - 1);
}

}  // namespace
}  // namespace vorlan
