#include "reports/table/RangeTableView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "engine/Catalogue.h"
#include "reports/table/TableText.h"
#include "reports/table/TableUnits.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PrintableText.h"
#include "tests/support/CalcTestLoads.h"

namespace vorlan {
namespace {

// A windy .308 table every 100 yd to 1000 yd.
ShotParameters windy308() {
    ShotParameters shot = testing::load308();
    shot.crosswind = 10.0;
    shot.rangeIncrement = 100;
    shot.incrementCount = 10;
    return shot;
}

std::vector<std::string> fieldsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> fields;
    for (std::string field; in >> field;) fields.push_back(field);
    return fields;
}

// The view's rows: the lines after the blank below the two heading lines, without the last.
std::vector<std::string> viewRows(const std::vector<std::string>& lines) {
    std::size_t first = 0;
    while (lines[first].find("(secs)") == std::string::npos) ++first;
    return {lines.begin() + static_cast<long>(first) + 2, lines.end() - 1};
}

TEST(RangeTableView, DesignedViewIsTheDesignedReport) {
    ShotParameters shots[] = {ShotParameters{}, windy308()};
    shots[1].advanced.coriolis = true;  // with the effects line
    for (const ShotParameters& shot : shots) {
        const RangeTableReport report(shot);
        EXPECT_EQ(rangeTableViewLines(shot, report, TableView{}), rangeTableLines(shot, report));
    }
}

// The table on screen in each language: the same lines with the words translated, every
// heading within its column, every header item on the English tab stop; the lines printed and
// saved stay English.
TEST(RangeTableView, TheScreenSpeaksTheLanguageLineForLine) {
    ShotParameters shot = windy308();
    shot.advanced.twistRate = 10.0;  // a spin column in the holds
    shot.advanced.bulletLength = 1.24;
    shot.stationPressure = true;
    const RangeTableReport report(shot);
    const TableView views[] = {TableView{}, {false, UnitSystem::Metric, {}}, {true, UnitSystem::Metric, {}}};
    const struct {
        const char* code;
        const char* drop;  // the drop's heading in the view
    } languages[] = {{"de", "Fallhöhe"}, {"fr", "Chute"}, {"es", "Caída"}, {"ru", "Пониж."}};
    for (const auto& [code, drop] : languages) {
        for (const TableView& view : views) {
            setLanguage(code);
            const std::vector<std::string> screen = rangeTableViewLines(shot, report, view, kChosenWords);
            const std::vector<std::string> printed = rangeTableViewLines(shot, report, view);
            setLanguage("");
            ASSERT_EQ(printed, rangeTableViewLines(shot, report, view)) << code;  // English whatever the language
            ASSERT_EQ(screen.size(), printed.size()) << code;
            bool headed = false;
            for (std::size_t i = 0; i < screen.size(); ++i) {
                const bool heading =
                    printed[i].find("Drop") != std::string::npos || printed[i].find("(secs)") != std::string::npos;
                if (heading) {
                    // Each word ends where the English one does, so the line is as long.
                    EXPECT_EQ(characterCount(screen[i]), printed[i].size()) << code << ": " << screen[i];
                    headed = headed || screen[i].find(drop) != std::string::npos;
                } else if (printed[i].find('\t') != std::string::npos && printed[i].rfind("\t\t", 0) != 0) {
                    // A header line: its first item's figure starts where the English one does.
                    const std::string english = expandTabs(printed[i]), spoken = expandTabs(screen[i]);
                    const std::size_t figure = english.find_first_not_of(' ', english.find(':') + 1);
                    EXPECT_EQ(characterCount(spoken.substr(0, spoken.find_first_not_of(' ', spoken.find(':') + 1))),
                              figure)
                        << code << ": " << spoken;
                } else if (!printed[i].empty() && printed[i][0] == ' ') {
                    EXPECT_EQ(screen[i], printed[i]) << code;  // the rows' figures as they are
                }
            }
            EXPECT_TRUE(headed) << code;
            EXPECT_NE(screen, printed) << code;
        }
    }
}

TEST(RangeTableView, TurretText) {
    EXPECT_EQ(turretText(12.34, 'U', 'D', 1), "U 12.3");
    EXPECT_EQ(turretText(-0.44, 'U', 'D', 1), "D 0.4");
    EXPECT_EQ(turretText(-1.2, 'R', 'L', 1), "L 1.2");
    EXPECT_EQ(turretText(0.8, 'R', 'L', 2), "R 0.80");
    EXPECT_EQ(turretText(-0.04, 'U', 'D', 1), "0.0");  // nothing to dial carries no direction
    EXPECT_EQ(turretText(0.004, 'U', 'D', 2), "0.00");
}

// Each holds row: the printed figures, then up/down and left/right in MOA, mil and clicks.
TEST(RangeTableView, HoldsRowsDialAgainstTheOffset) {
    const ShotParameters shot = windy308();
    const RangeTableReport report(shot);
    const TableView view{true, UnitSystem::Imperial, {0.1, AngleUnit::Mil}};
    const std::vector<std::string> lines = rangeTableViewLines(shot, report, view);
    EXPECT_EQ(lines[0], "Name: " + shot.name + "\r\n");
    EXPECT_EQ(lines[1], "View:\t\tHolds, imperial units");
    EXPECT_NE(lines[3].find("clicks of 0.1 mil; U/D dial up/down, L/R dial left/right"), std::string::npos);
    const std::vector<std::string> rows = viewRows(lines);
    const std::vector<TrajectoryPoint> printed = report.printedRows();
    ASSERT_EQ(rows.size(), printed.size());
    EXPECT_EQ(fieldsOf(rows[0]), (std::vector<std::string>{"0", "-1.50", "0.00", "2700.0", "0.000", "-----", "-----",
                                                           "-----", "-----", "-----", "-----"}));
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const TrajectoryPoint& p = printed[i];
        const Hold up = *holdFor(elevationCorrectionInches(p.drop), p.range, view.click);
        const Hold right = *holdFor(windageCorrectionInches(p.windage), p.range, view.click);
        const std::string expected =
            cFormat("%.0f %.2f %.2f %.1f %.3f ", p.range, p.drop * 12, p.windage * 12, p.velocity, p.time) +
            turretText(up.moa, 'U', 'D', 2) + " " + turretText(up.mil, 'U', 'D', 2) + " " +
            turretText(up.clicks, 'U', 'D', 1) + " " + turretText(right.moa, 'R', 'L', 2) + " " +
            turretText(right.mil, 'R', 'L', 2) + " " + turretText(right.clicks, 'R', 'L', 1);
        EXPECT_EQ(rows[i].size(), rows[0].size());
        EXPECT_EQ(fieldsOf(rows[i]), fieldsOf(expected)) << rows[i];
    }
    // Beyond the zero the bullet is low and the wind from the left drifts it right: UP and LEFT.
    const std::vector<std::string> last = fieldsOf(rows.back());
    EXPECT_EQ(last[5], "U");
    EXPECT_EQ(last[11], "L");
}

// With spin and the Earth's rotation on, the holds give their parts of the windage and drop,
// row by row, in the view's units; off, the columns are not there.
TEST(RangeTableView, HoldsShowTheEffectParts) {
    ShotParameters shot = windy308();
    shot.advanced.twistRate = 10.0;
    shot.advanced.bulletLength = 1.24;
    shot.advanced.coriolis = true;
    shot.advanced.latitude = 45.0;
    shot.advanced.azimuth = 90.0;
    const RangeTableReport report(shot);
    const std::vector<EffectParts> parts = report.printedEffectParts();
    for (const UnitSystem units : {UnitSystem::Imperial, UnitSystem::Metric}) {
        const double perInch = units == UnitSystem::Metric ? kCentimetresPerInch : 1.0;
        const std::vector<std::string> rows = viewRows(rangeTableViewLines(shot, report, {true, units, {}}));
        ASSERT_EQ(rows.size(), parts.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::vector<std::string> fields = fieldsOf(rows[i]);
            ASSERT_GE(fields.size(), 3u);
            const std::vector<std::string> tail(fields.end() - 3, fields.end());
            EXPECT_EQ(tail, fieldsOf(cFormat("%.2f %.2f %.2f", parts[i].spinDrift * 12 * perInch,
                                             parts[i].coriolisHorizontal * 12 * perInch,
                                             parts[i].coriolisVertical * 12 * perInch)))
                << rows[i];
        }
        EXPECT_NE(fieldsOf(rows.back())[fieldsOf(rows.back()).size() - 3], "0.00");  // drift at 1000 yd
    }
    const ShotParameters plain = windy308();
    for (const std::string& line :
         rangeTableViewLines(plain, RangeTableReport(plain), {true, UnitSystem::Imperial, {}}))
        EXPECT_EQ(line.find("Spin"), std::string::npos) << line;
}

// An effect column shows only while its effect is on: another effect alone (here the powder)
// leaves no column of zeros behind.
TEST(RangeTableView, HoldsShowOnlyTheColumnsOfEffectsOn) {
    const struct {
        bool spin, coriolis, powder;
        std::vector<std::string> titles;  // the effect columns, in order
    } cases[] = {
        {true, false, false, {"Spin"}},
        {false, true, false, {"Cor. H", "Cor. V"}},
        {false, false, true, {}},
        {true, true, true, {"Spin", "Cor. H", "Cor. V"}},
    };
    for (const auto& c : cases) {
        ShotParameters shot = windy308();
        if (c.spin) {
            shot.advanced.twistRate = 10.0;
            shot.advanced.bulletLength = 1.24;
        }
        shot.advanced.coriolis = c.coriolis;
        shot.advanced.powderSensitivity = c.powder ? 1.5 : 0.0;
        const std::vector<std::string> lines =
            rangeTableViewLines(shot, RangeTableReport(shot), {true, UnitSystem::Imperial, {}});
        const auto heading = std::find_if(lines.begin(), lines.end(),
                                          [](const std::string& l) { return l.find("Elev.") != std::string::npos; });
        ASSERT_NE(heading, lines.end());
        // The titles after the last "Wind." hold column.
        const std::string tail = heading->substr(heading->rfind("Wind.") + 5);
        std::vector<std::string> titles;
        for (const char* title : {"Spin", "Cor. H", "Cor. V"})
            if (tail.find(title) != std::string::npos) titles.push_back(title);
        EXPECT_EQ(titles, c.titles) << *heading;
        // 104 characters of holds, 10 per effect column, in the headings and every row.
        EXPECT_EQ(heading->size(), 104 + 10 * c.titles.size());
        EXPECT_EQ(viewRows(lines).back().size(), heading->size());
    }
}

// The metric view converts every figure but the designed elevation, which keeps its meaning.
TEST(RangeTableView, MetricRowsConvertThePrintedRows) {
    ShotParameters shot = windy308();
    const RangeTableReport report(shot);
    const std::vector<std::string> lines = rangeTableViewLines(shot, report, {false, UnitSystem::Metric, {}});
    const std::vector<std::string> designed = rangeTableLines(shot, report);
    EXPECT_EQ(lines[4], "BC:\t\t0.2430 (G7)\tTemperature:\t 15.0 deg. C\tCant Angle:\t   0.0 deg.");
    EXPECT_EQ(lines[5], "Weight:\t\t11.34 grams\tHumidity:\t    0 %\t\tSight-In Range:\t  91.4 m");
    EXPECT_NE(lines[6].find("Pressure:\t1013.2 hPa \tMuzzle Angle:"), std::string::npos);
    EXPECT_NE(lines[9].find("Air Density:   1.2250 kg/m^3"), std::string::npos);
    const std::vector<std::string> rows = viewRows(lines);
    const std::vector<TrajectoryPoint> printed = report.printedRows();
    ASSERT_EQ(rows.size(), printed.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RowInUnits m = rowInUnits(printed[i], UnitSystem::Metric);
        const std::string expected = cFormat("%.1f %.2f %.1f %.1f %.4f %.2f %.1f %.3f", m.range, m.drop, m.velocity,
                                             m.energy, m.momentum, m.windage, m.lead, m.time);
        const std::vector<std::string> fields = fieldsOf(rows[i]);
        EXPECT_EQ(std::vector<std::string>(fields.begin(), fields.begin() + 8), fieldsOf(expected));
        EXPECT_EQ(fields.back(), fieldsOf(designed[14 + i]).back()) << "Elevation (moa) as designed";
    }
}

}  // namespace
}  // namespace vorlan
