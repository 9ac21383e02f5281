#include "reports/table/RangeTableCsv.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "reports/table/TableUnits.h"
#include "shot/CLocaleNumbers.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan {
namespace {

ShotParameters windy308() {
    ShotParameters shot = testing::load308();
    shot.crosswind = 10.0;
    shot.targetSpeed = 3.0;
    shot.rangeIncrement = 50;
    shot.incrementCount = 20;
    return shot;
}

std::vector<std::string> split(std::string_view text, std::string_view by) {
    std::vector<std::string> parts;
    for (std::size_t end = text.find(by); end != std::string_view::npos; end = text.find(by)) {
        parts.emplace_back(text.substr(0, end));
        text.remove_prefix(end + by.size());
    }
    parts.emplace_back(text);
    return parts;
}

CsvOptions csvOptions(bool everyYard, bool holds, UnitSystem units = UnitSystem::Imperial) {
    CsvOptions options;
    options.everyYard = everyYard;
    options.holds = holds;
    options.units = units;
    return options;
}

std::vector<std::vector<std::string>> csvRows(const RangeTableReport& report, const CsvOptions& options) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : split(rangeTableCsv(report, options), "\r\n"))
        if (!line.empty()) rows.push_back(split(line, ","));
    return rows;
}

// Every printed row of the designed report is the CSV's row at that range, printed.
TEST(RangeTableCsv, PrintedRowsAreTheCsvRows) {
    const ShotParameters shot = windy308();
    const RangeTableReport report(shot);
    const std::vector<std::string> lines = rangeTableLines(shot, report);
    const auto rows = csvRows(report, csvOptions(true, true));
    ASSERT_EQ(rows.size(), 1u + report.tableTrajectory().rows.size());  // the header, then every yard
    std::size_t printed = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const std::vector<std::string>& f = rows[i];
        ASSERT_EQ(f.size(), 15u);
        const TrajectoryPoint p{cToDouble(f[0]),      cToDouble(f[2]),      cToDouble(f[3]),      cToDouble(f[4]),
                                cToDouble(f[1]) / 12, cToDouble(f[5]) / 12, cToDouble(f[6]) / 12, cToDouble(f[7])};
        if (static_cast<int>(p.range) % shot.rangeIncrement != 0) continue;
        EXPECT_EQ(rangeTableRow(p), lines[14 + printed++]);
        // The elevation reads back as exactly the designed figure (empty at the muzzle).
        if (p.range > 0)
            EXPECT_EQ(cToDouble(f[8]), designedElevation(p));
        else
            EXPECT_EQ(f[8], "");
    }
    EXPECT_EQ(printed, report.printedRows().size());
    // Only the printed rows, when asked.
    EXPECT_EQ(csvRows(report, csvOptions(false, false)).size(), 1u + printed);
}

TEST(RangeTableCsv, HeaderNamesEveryUnit) {
    ShotParameters shot = windy308();
    shot.advanced.coriolis = true;
    const RangeTableReport report(shot);
    const auto header = [&](const CsvOptions& options) { return split(rangeTableCsv(report, options), "\r\n")[0]; };
    CsvOptions tenthMil = csvOptions(true, true);
    tenthMil.click = {0.1, AngleUnit::Mil};
    CsvOptions designed;
    designed.designedHeader = true;
    EXPECT_EQ(header(tenthMil),
              "range_yd,drop_in,velocity_fps,energy_ftlb,momentum_lbs,windage_in,lead_in,time_s,"
              "elevation_moa_in_per_100yd,spin_drift_in,coriolis_horizontal_in,coriolis_vertical_in,"
              "elevation_up_true_moa,elevation_up_mil,elevation_up_clicks_of_0.1mil,"
              "windage_right_true_moa,windage_right_mil,windage_right_clicks_of_0.1mil");
    EXPECT_EQ(header(csvOptions(true, false, UnitSystem::Metric)),
              "range_m,drop_cm,velocity_mps,energy_j,momentum_ns,windage_cm,lead_cm,time_s,elevation_moa_in_per_100yd,"
              "spin_drift_cm,coriolis_horizontal_cm,coriolis_vertical_cm");
    EXPECT_EQ(header(designed),
              "range_yd,drop_in,velocity_fps,energy_ftlb,momentum_lbs,windage_in,lead_in,time_s,elevation,"
              "spin_drift_in,coriolis_horizontal_in,coriolis_vertical_in");
}

// Metric rows are the imperial rows converted; holds are signed, up and right positive.
TEST(RangeTableCsv, MetricAndHolds) {
    const RangeTableReport report(windy308());
    const auto imperial = csvRows(report, csvOptions(false, false));
    const auto metric = csvRows(report, csvOptions(false, true, UnitSystem::Metric));
    ASSERT_EQ(imperial.size(), metric.size());
    const double factors[] = {0.9144, 2.54, 0.3048, 1.3558179483314004, 4.4482216152605, 2.54, 2.54, 1.0, 1.0};
    for (std::size_t i = 2; i < metric.size(); ++i) {
        for (std::size_t c = 0; c < std::size(factors); ++c)
            EXPECT_NEAR(cToDouble(metric[i][c]), cToDouble(imperial[i][c]) * factors[c],
                        1e-12 * std::fabs(cToDouble(metric[i][c])) + 1e-15);
        const double range = cToDouble(imperial[i][0]);
        EXPECT_NEAR(cToDouble(metric[i][9]), std::atan(-cToDouble(imperial[i][1]) / (range * 36)) * 3437.7467707849,
                    1e-9);
        EXPECT_NEAR(cToDouble(metric[i][11]), cToDouble(metric[i][9]) * 4, 1e-9);  // 1/4 MOA clicks
        EXPECT_NEAR(cToDouble(metric[i][13]), std::atan(-cToDouble(imperial[i][5]) / (range * 36)) * 1000, 1e-9);
    }
    EXPECT_EQ(metric[1][9], "");                   // no hold at the muzzle
    EXPECT_GT(cToDouble(metric.back()[9]), 0.0);   // low at 1000 yd: dial up
    EXPECT_LT(cToDouble(metric.back()[12]), 0.0);  // drifted right: dial left
}

TEST(RangeTableCsv, FieldsQuotedAsRfc4180) {
    EXPECT_EQ(csvField("range_yd"), "range_yd");
    EXPECT_EQ(csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(csvField("cr\r"), "\"cr\r\"");
    EXPECT_EQ(csvField("a\tb", '\t'), "\"a\tb\"");
    EXPECT_EQ(csvField("a,b", '\t'), "a,b");
}

TEST(RangeTableCsv, WrittenToAFile) {
    const RangeTableReport report(windy308());
    const std::string path =
        (std::filesystem::temp_directory_path() / ("vorlan-csv-" + std::to_string(::getpid()) + ".csv")).string();
    CsvOptions options;
    options.separator = '\t';
    options.lineEnd = "\n";
    ASSERT_TRUE(writeRangeTableCsv(path, report, options));
    std::ifstream in(path, std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(in), {}};
    std::filesystem::remove(path);
    EXPECT_EQ(written, rangeTableCsv(report, options));
    EXPECT_EQ(written.substr(0, 18), "range_yd\tdrop_in\tv");
    EXPECT_FALSE(writeRangeTableCsv("/no/such/dir/t.csv", report, options));
}

}  // namespace
}  // namespace vorlan
