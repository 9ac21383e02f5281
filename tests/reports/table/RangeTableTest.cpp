#include "reports/table/RangeTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "tests/support/CalcTestLoads.h"

#include "reports/table/RangeTableView.h"
#include "shot/CLocaleNumbers.h"
#include "shot/MetricShotKeys.h"
#include "shot/ShotFile.h"

namespace vorlan {
namespace {

std::vector<std::string> tableOf(ShotParameters& shot) {
    const RangeTableReport report(shot);
    writeBackMuzzleAngle(shot, report);
    return rangeTableLines(shot, report);
}

std::vector<std::string> rowsOf(const std::vector<std::string>& lines) { return {lines.begin() + 14, lines.end() - 1}; }

TEST(RangeTable, DefaultShot) {
    ShotParameters shot;
    const auto lines = tableOf(shot);
    ASSERT_EQ(lines.size(), 14u + 46u + 1u);
    EXPECT_EQ(lines[0], "Name: \r\n");
    EXPECT_EQ(lines[1], "BC:\t\t0.0200 (G1)\tTemperature:\t 59.0 degrees\tCant Angle:\t   0.0 deg.");
    EXPECT_EQ(lines[2], "Weight:\t\t8.0 grains\tHumidity:\t    0 %\t\tSight-In Range:\t    33 yd.");
    EXPECT_EQ(lines[3].substr(0, 40), "Caliber:\t.177\t\tPressure:\t29.92 in. \tMuzz");
    EXPECT_EQ(lines[6], "Sect. Density:\t0.036\t\tAir Density:   0.0765 lb./ft.^3");
    EXPECT_EQ(lines[7], "\t\t\t\tAir Density:\t100.0 % of Sea Level");
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines.back(), "");
    const auto rows = rowsOf(lines);
    EXPECT_EQ(rows.front(),
              "    0     -1.50       800.0       11.4     0.0284      0.00       0.0    0.000      -----");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].size(), 89u) << rows[i];
        EXPECT_EQ(cToDouble(rows[i].substr(0, 5)), static_cast<double>(i));
        EXPECT_EQ(rows[i].substr(49, 10), "      0.00");  // no wind, no cant
    }
    // The zeroed angle is written back rounded as "%0.3f" shows it, and line 4 shows it.
    EXPECT_EQ(shot.muzzleAngle, cToDouble(cFormat("%0.3f", shot.muzzleAngle)));
    EXPECT_NE(lines[3].find(cFormat("\tMuzzle Angle:%9.3f moa", shot.muzzleAngle)), std::string::npos);
    EXPECT_GT(shot.muzzleAngle, 0.0);
    // At the zero the bullet is on the line of sight within the zeroing tolerance of 0.02 in.
    EXPECT_LE(std::fabs(cToDouble(rows[33].substr(5, 10))), 0.02);
}

TEST(RangeTable, RowsEveryIncrement) {
    ShotParameters shot;
    shot.rangeIncrement = 10;
    shot.incrementCount = 5;
    const auto rows = rowsOf(tableOf(shot));
    ASSERT_EQ(rows.size(), 6u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(cToDouble(rows[i].substr(0, 5)), 10.0 * i);
}

TEST(RangeTable, TinyValuesPrintWithoutSign) {
    ShotParameters shot;
    shot.crosswind = 0.0001;
    shot.targetSpeed = 0.00001;
    for (const std::string& row : rowsOf(tableOf(shot))) {
        EXPECT_EQ(row.find("-0.00"), std::string::npos) << row;
        EXPECT_EQ(row.substr(59, 10), "       0.0") << row;
    }
}

TEST(RangeTable, FixedMuzzleAngleIsRepeated) {
    ShotParameters shot;
    shot.muzzleAngleCorrection = false;
    shot.muzzleAngle = 12.5;
    shot.stationPressure = true;
    const auto lines = tableOf(shot);
    EXPECT_EQ(shot.muzzleAngle, 12.5);
    EXPECT_EQ(lines[3], "Caliber:\t.177\t\tPressure:\t29.92 in. (stn)\tMuzzle Angle:   12.500 moa");
}

TEST(RangeTable, PressureIsPrintedAsEntered) {
    ShotParameters shot;
    shot.altitude = 5000;
    const auto lines = tableOf(shot);
    EXPECT_EQ(lines[3].substr(0, 33), "Caliber:\t.177\t\tPressure:\t29.92 in");
    // ... while the density comes from the reduced pressure.
    EXPECT_NE(lines[6].find("0.0637"), std::string::npos) << lines[6];
}

TEST(RangeTable, WindageCountsFromTheWindlessImpactAtTheZero) {
    ShotParameters shot;
    shot.cantAngle = 10;
    shot.sightInRange = 30;
    const auto canted = rowsOf(tableOf(shot));
    EXPECT_EQ(canted[30].substr(49, 10), "      0.00");
    EXPECT_NE(canted[45].substr(49, 10), "      0.00");

    shot.crosswind = 10;
    shot.cantAngle = 0;
    const auto windy = rowsOf(tableOf(shot));
    EXPECT_GT(cToDouble(windy[45].substr(49, 10)), 0.5);
}

TEST(RangeTable, TableEndsWhereTheFlightEnds) {
    ShotParameters shot;
    shot.rangeIncrement = 50;
    shot.incrementCount = 100;  // 5000 yd: far beyond where the pellet falls below 50 ft/s
    const auto rows = rowsOf(tableOf(shot));
    ASSERT_GT(rows.size(), 2u);
    EXPECT_LT(rows.size(), 101u);
    EXPECT_EQ(static_cast<int>(cToDouble(rows.back().substr(0, 5))) % 50, 0);
}

// The note under the table says where it ends in the view's units: the last row the view
// prints and the last yard flown, in yards, or in metres to a tenth as the metric view's range
// column reads them; rows typed in metres end at their own last row.
TEST(RangeTable, EndNoteInTheViewsUnits) {
    const auto metres = [](double yards) {
        const std::string text = cFormat("%.1f", yards * 0.9144);
        return text.ends_with(".0") ? text.substr(0, text.size() - 2) : text;
    };
    ShotParameters yardRows;  // the default pellet slows below 50 ft/s long before 5,000 yd
    yardRows.rangeIncrement = 50;
    yardRows.incrementCount = 100;
    ShotParameters metreRows = yardRows;
    ASSERT_TRUE(storeTypedValue(metreRows, "Range Increment", 40.0, Unit::Metre));  // 43.74 yd
    ASSERT_EQ(metricRangeIncrement(metreRows), 40.0);
    const long long last = RangeTableReport(yardRows).tableTrajectory().lastRowIndex;  // the same flight
    ASSERT_GT(last, 100);
    ASSERT_LT(last, 1000);  // no thousands separator to write out below
    const std::string lastRow40m = std::to_string(static_cast<long long>(std::floor(last * 0.9144 / 40.0)) * 40);
    const struct {
        const ShotParameters* shot;
        UnitSystem units;
        std::string ends, after;
    } cases[] = {
        {&yardRows, UnitSystem::Imperial, std::to_string(last / 50 * 50) + " yd", std::to_string(last) + " yd."},
        {&yardRows, UnitSystem::Metric, metres(last / 50 * 50) + " m", metres(last) + " m."},
        {&metreRows, UnitSystem::Metric, lastRow40m + " m", metres(last) + " m."},
        {&metreRows, UnitSystem::Imperial, std::to_string(last / 44 * 44) + " yd", std::to_string(last) + " yd."},
    };
    for (const auto& c : cases) {
        const RangeTableReport report(*c.shot);
        ASSERT_EQ(report.tableTrajectory().lastRowIndex, last);
        const std::string note = tableEndNote(*c.shot, report, {}, c.units);
        EXPECT_TRUE(note.starts_with("Table ends at " + c.ends + ": ")) << note;
        EXPECT_TRUE(note.ends_with(" after " + c.after)) << note;
        const bool metric = c.units == UnitSystem::Metric;
        EXPECT_EQ(note.find(metric ? "yd" : "m/s"), std::string::npos) << note;
        // The view's own header carries it, as the designed report's does.
        const std::vector<std::string> view = rangeTableViewLines(*c.shot, report, {false, c.units, {}});
        EXPECT_NE(std::find(view.begin(), view.end(), note), view.end()) << note;
        EXPECT_EQ(note.find(metric ? "15.24 m/s" : "50 ft/s") != std::string::npos,
                  note.find("slowed") != std::string::npos)
            << note;
    }
    // Rows typed in metres that miss only their last row still say where they end.
    metreRows.incrementCount = static_cast<int>(std::floor(last * 0.9144 / 40.0)) + 1;
    EXPECT_TRUE(tableEndNote(metreRows, RangeTableReport(metreRows), {}, UnitSystem::Metric)
                    .starts_with("Table ends at " + lastRow40m + " m: "));
    // A table whose rows all fly says nothing, in either units.
    metreRows.incrementCount = yardRows.incrementCount = 2;
    for (const ShotParameters* shot : {&yardRows, &metreRows})
        for (const UnitSystem units : {UnitSystem::Imperial, UnitSystem::Metric})
            EXPECT_EQ(tableEndNote(*shot, RangeTableReport(*shot), {}, units), "");
}

TEST(RangeTable, ChoicesForValuesOnlyAFileCanHold) {
    ShotParameters shot;
    shot.caliber = "BB";
    shot.dragFunction = 42;
    shot.rangeIncrement = 0;
    const auto lines = tableOf(shot);
    EXPECT_EQ(lines[6].substr(0, 20), "Sect. Density:\t-----");
    EXPECT_EQ(lines[1].substr(0, 16), "BC:\t\t0.0200 (G1)");
    EXPECT_EQ(lines.size(), 15u);  // no row step: header only
}

// Weight / (d^2 x 7000): a calibre below 1 is read as inches as designed (".300" is 0.300,
// though the calibre table flies .300 names at 0.308); any other takes the diameter in use.
TEST(RangeTable, SectionalDensityFromTheDiameterInUse) {
    const struct {
        const char* caliber;
        double entered;  // Bullet Diameter
        double weight;
        const char* shown;
    } cases[] = {
        {".308", 0, 168, "0.253"},                                  // 168 / (0.308^2 x 7000) = 0.2530
        {".300", 0, 150, "0.238"},                                  // 150 / (0.300^2 x 7000) = 0.2381
        {"6.5x", 0, 140, "0.287"},                                  // 140 / (0.264^2 x 7000) = 0.2870
        {"6.5", 0, 140, "0.287"},                                   // not 6.5 in (0.000)
        {"30-0", 0, 150, "0.226"},                                  // 150 / (0.308^2 x 7000) = 0.2259
        {"9.3x", 0, 286, "0.305"},                                  // 286 / (0.366^2 x 7000) = 0.3050
        {"Wild", 0.264, 140, "0.287"}, {"6.5", 0.3, 150, "0.238"},  // the entered diameter rules
        {"Wild", 0, 140, "-----"},
    };
    for (const auto& c : cases) {
        ShotParameters shot;
        shot.caliber = c.caliber;
        shot.advanced.bulletDiameter = c.entered;
        shot.weight = c.weight;
        EXPECT_EQ(sectionalDensityText(shot), c.shown) << c.caliber << " " << c.entered;
    }
}

// Every numeric field a file can set, at its most hostile, still gives a report.
TEST(RangeTable, HostileValuesEnd) {
    for (const ShotFileLine& line : shotFileLines()) {
        for (const double value : testing::kHostileValues) {
            ShotParameters shot;
            std::visit(
                [&](auto member) {
                    using T = std::decay_t<decltype(shot.*member)>;
                    if constexpr (std::is_same_v<T, double>)
                        shot.*member = value;
                    else if constexpr (std::is_same_v<T, int>)
                        shot.*member = value > 0 ? 1 << 30 : -(1 << 30);
                },
                line.member);
            const auto lines = tableOf(shot);
            EXPECT_GE(lines.size(), 15u) << line.key;
        }
    }
}

// An effect beyond the designed flight adds one header line after the air density and
// changes nothing else in the layout; the windless reference keeps the other effects, so
// the zero holds them.
TEST(RangeTable, EffectsInForceGetAHeaderLine) {
    ShotParameters shot = testing::load308();
    shot.caliber = ".308";
    shot.rangeIncrement = 100;
    shot.incrementCount = 10;
    const std::vector<std::string> designed = rangeTableLines(shot, RangeTableReport(shot));
    shot.advanced.windSpeed = 10;
    shot.advanced.twistRate = 10;
    shot.advanced.bulletLength = 1.24;
    shot.advanced.coriolis = true;
    shot.advanced.latitude = 45;
    const RangeTableReport report(shot);
    const std::vector<std::string> lines = rangeTableLines(shot, report);
    // Wider than the header, the line goes on under its text.
    ASSERT_EQ(lines.size(), designed.size() + 2);
    EXPECT_EQ(lines[8], "Effects:\twind 10.0 mph from 90 deg., spin drift (1:10 right, stability 2.43),");
    EXPECT_EQ(lines[9], "\t\tCoriolis (lat. 45.0, az. 0.0 deg.)");
    for (std::size_t i = 0; i < designed.size(); ++i) {
        if (i < 8 || (i >= 9 && i < 14)) {
            EXPECT_EQ(lines[i + (i >= 8 ? 2 : 0)], designed[i]) << i;
        }
        if (i >= 14) {
            EXPECT_EQ(lines[i + 2].size(), designed[i].size()) << i;
        }
    }
    const std::vector<EffectParts> parts = report.printedEffectParts();
    ASSERT_EQ(parts.size(), report.printedRows().size());
    EXPECT_GT(parts[10].spinDrift, 0.0);
    EXPECT_GT(parts[10].coriolisHorizontal, 0.0);
    EXPECT_TRUE(RangeTableReport(testing::load308()).printedEffectParts().empty());
}

// A scope turned at the sight-in range takes out an angle: the spin drift the published fit
// gives there is removed in proportion to range, nothing at the muzzle, all of it at the zero.
// A header line wider than 91 characters (tabs expanded) breaks between the items of its list,
// or inside an item too long for a line; the rest goes on after two tabs, at column 16.
TEST(RangeTable, LongHeaderLinesWrap) {
    const std::string zones =
        "winds 10.0 mph from 90 deg. to 300 yd; 12.0 mph from 45 deg. to 600 yd; 8.0 mph "
        "from 270 deg. to 900 yd; 5.0 mph from 0 deg. beyond";
    const struct {
        std::string line;
        std::vector<std::string> wrapped;
    } cases[] = {
        {"Effects:\tCoriolis (lat. 45.0, az. 0.0 deg.)", {"Effects:\tCoriolis (lat. 45.0, az. 0.0 deg.)"}},
        // 91 characters exactly: no break.
        {"Effects:\t" + std::string(75, 'x'), {"Effects:\t" + std::string(75, 'x')}},
        {"Effects:\t" + std::string(73, 'x') + ", yy", {"Effects:\t" + std::string(73, 'x') + ",", "\t\tyy"}},
        {"Effects:\t" + zones + ", Coriolis (lat. 45.0, az. 0.0 deg.)",
         {"Effects:\twinds 10.0 mph from 90 deg. to 300 yd; 12.0 mph from 45 deg. to 600 yd; 8.0",
          "\t\tmph from 270 deg. to 900 yd; 5.0 mph from 0 deg. beyond,", "\t\tCoriolis (lat. 45.0, az. 0.0 deg.)"}},
    };
    for (const auto& c : cases) EXPECT_EQ(wrappedHeaderLine(c.line), c.wrapped) << c.line;
}

TEST(RangeTable, SpinDriftIsZeroedAsAnAngle) {
    ShotParameters shot = testing::load308();
    shot.sightInRange = 300;
    shot.advanced.twistRate = 10;
    shot.advanced.bulletLength = 1.24;
    shot.advanced.bulletDiameter = 0.308;
    const RangeTableReport report(shot);
    const TrajectorySolver& t = report.tableTrajectory();
    const double atZero = spinDriftInches(t.stability, t.rows[300].time, false);
    for (const std::size_t r : {0, 100, 300, 600, 1000}) {
        const double expected = spinDriftInches(t.stability, t.rows[r].time, false) - atZero * r / 300.0;
        EXPECT_NEAR(t.rows[r].windage * 12, expected, 1e-9) << r;
    }
}

}  // namespace
}  // namespace vorlan
