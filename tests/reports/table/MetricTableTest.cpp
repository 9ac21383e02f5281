#include <gtest/gtest.h>

#include <cmath>

#include "engine/Ballistics.h"
#include "reports/table/RangeTable.h"
#include "reports/table/RangeTableCsv.h"
#include "reports/table/RangeTableView.h"
#include "reports/table/TableUnits.h"
#include "shot/CLocaleNumbers.h"
#include "shot/MetricShotKeys.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan {
namespace {

// The .308 load typed in metres: zeroed at 100 m, a row every 50 m to 1000 m, with wind.
ShotParameters metric308() {
    ShotParameters shot = testing::load308();
    shot.crosswind = 10.0;
    shot.incrementCount = 20;
    EXPECT_TRUE(storeTypedValue(shot, "Sight-In Range", 100.0, Unit::Metre));
    EXPECT_TRUE(storeTypedValue(shot, "Range Increment", 50.0, Unit::Metre));
    return shot;
}

// The metric rows against the same flight read another way: the imperial table of every yard
// at the same muzzle angle, taken on the straight line between the yards either side of each
// row's range (50 m is 54.68 yd).
TEST(MetricTable, RowsAreWholeMetresOfTheSameFlight) {
    ShotParameters shot = metric308();
    const RangeTableReport zeroed(shot);
    // Zeroed at 100 m itself, not at the nearest yard (109 yd is 99.67 m).
    EXPECT_NEAR(zeroed.printedRows(UnitSystem::Metric).at(2).drop * 12.0, 0.0, 0.02);
    shot.muzzleAngleCorrection = false;
    shot.muzzleAngle = zeroed.muzzleAngleMoa();
    const RangeTableReport report(shot);
    const std::vector<TrajectoryPoint> rows = report.printedRows(UnitSystem::Metric);
    ASSERT_EQ(rows.size(), 21u);

    ShotParameters fixed = shot;
    fixed.metric = MetricInputs{};
    fixed.rangeIncrement = 1;
    fixed.incrementCount = 1100;
    const std::vector<TrajectoryPoint> yards = RangeTableReport(fixed).printedRows();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const double metres = 50.0 * static_cast<double>(k);
        EXPECT_EQ(rowInUnits(rows[k], UnitSystem::Metric).range, metres) << k;
        const double at = metres / 0.9144;
        const auto below = static_cast<std::size_t>(at);
        const double f = at - std::floor(at);
        // A drop or windage under 0.005 in prints as 0.
        const auto line = [&](double TrajectoryPoint::*field) {
            const double value = yards[below].*field + (yards[below + 1].*field - yards[below].*field) * f;
            return field != &TrajectoryPoint::velocity && std::fabs(value * 12.0) < 0.005 ? 0.0 : value;
        };
        // Within a thousandth of the shown figures' last digit: cm, m/s, cm.
        EXPECT_NEAR(rows[k].drop * 30.48, line(&TrajectoryPoint::drop) * 30.48, 1e-5) << metres;
        EXPECT_NEAR(rows[k].velocity * 0.3048, line(&TrajectoryPoint::velocity) * 0.3048, 1e-4) << metres;
        EXPECT_NEAR(rows[k].windage * 30.48, line(&TrajectoryPoint::windage) * 30.48, 1e-5) << metres;
    }
    // The imperial view of the same shot keeps whole yards: 55 yd apart.
    EXPECT_EQ(report.printedRows(UnitSystem::Imperial)[1].range, 55.0);
}

TEST(MetricTable, ViewsAndCsvShowTheMetreRows) {
    const ShotParameters shot = metric308();
    const RangeTableReport report(shot);
    const std::vector<std::string> lines = rangeTableViewLines(shot, report, {false, UnitSystem::Metric, {}});
    const auto hasRow = [&](std::string_view start) {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(start); });
    };
    EXPECT_TRUE(hasRow("    50.0 "));
    EXPECT_TRUE(hasRow("   100.0      0.00 "));
    EXPECT_TRUE(hasRow("  1000.0 "));
    const std::vector<std::string> holds = rangeTableViewLines(shot, report, {true, UnitSystem::Metric, {}});
    EXPECT_EQ(holds.size(), lines.size() + 1);  // one line more to say what the holds are

    CsvOptions options;
    options.everyYard = false;
    options.units = UnitSystem::Metric;
    const std::string csv = rangeTableCsv(report, options);
    EXPECT_NE(csv.find("\r\n50,"), std::string::npos);
    EXPECT_NE(csv.find("\r\n1000,"), std::string::npos);
}

// The metric view names the effects in its units, each figure converted by hand here: 10 mph
// is 16.09 km/h, 328.084 yd is 300 m, 50 deg. F is 10 deg. C, 2650 ft/s is 807.72 m/s and
// 29.92 in. Hg is 1013.21 hPa; the twist stays in inches.
TEST(MetricTable, EffectsLineInMetricUnits) {
    AdvancedEffects e;
    e.windZones = {{300.0 / 0.9144, 10.0, 90.0}, {1000.0, 5.0, 0.0}};
    e.twistRate = 10.0;
    e.bulletLength = 1.24;
    e.bulletDiameter = 0.308;
    e.powderTemperature = 50.0;
    e.powderSensitivity = 1.0;
    e.zeroConditions = true;
    e.zeroTemperature = 50.0;
    e.zeroPressure = 29.92;
    e.zeroHumidity = 50.0;
    e.zeroPowderTemperature = 41.0;
    const std::string metric = effectsLine(e, 2.43, 2650.0, 0.0, {}, UnitSystem::Metric);
    for (const char* item : {"winds 16.1 km/h from 90 deg. to 300 m; 8.0 km/h from 0 deg. beyond",
                             "spin drift (1:10 right, stability 2.43)", "powder 10.0 C: 807.7 m/s",
                             "zeroed at 10.0 C, 1013.2 hPa, 50 %, powder 5.0 C"})
        EXPECT_NE(metric.find(item), std::string::npos) << item << " in " << metric;
    EXPECT_EQ(metric.find("mph"), std::string::npos) << metric;
    EXPECT_TRUE(
        metric.starts_with("Effects:\twinds 16.1 km/h from 90 deg. to 300 m; 8.0 km/h from 0 deg. beyond, spin"))
        << metric;  // two zones, no more
    EXPECT_NE(effectsLine(e, 2.43, 2650.0, 0.0).find("to 328 yd; 5.0 mph"), std::string::npos);
    e.windZones.clear();
    e.windSpeed = 10.0;
    EXPECT_NE(effectsLine(e, 2.43, 2650.0, 0.0, {}, UnitSystem::Metric).find("wind 16.1 km/h from 90 deg."),
              std::string::npos);

    TrajectorySolver trued;
    trued.muzzleVelocity = 2650.0;
    trued.advanced.dragScale = {{1.0, 1.0}};
    EXPECT_EQ(truingLine(trued, {}, UnitSystem::Metric), "Trued: velocity 808 m/s, drag scale 1.00");
}

}  // namespace
}  // namespace vorlan
