#include "shot/Observations.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "shot/AdvancedShotKeys.h"
#include "shot/ShotFile.h"

namespace vorlan {
namespace {

Observation seenAt(double range, double upMoa) {
    Observation o;
    o.range = range;
    o.upMoa = upMoa;
    return o;
}

bool same(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

void expectSameObservations(const std::vector<Observation>& a, const std::vector<Observation>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        for (const ObservationColumn& c : kObservationColumns)
            EXPECT_TRUE(same(a[i].*c.member, b[i].*c.member)) << c.name << " of row " << i;
}

// A CSV in any column order with blank cells reads as typed, and the observations travel
// whole in a shot file with the drag scale; nothing is written when neither is set.
TEST(Observations, ReadFromCsvAndKeptWithTheShot) {
    const ObservationTable table = parseObservationsCsv(
        "up_moa, range_yd ,velocity_fps,sigma_moa\r\n"
        "\r\n"
        "2.25,300,,\r\n"
        ";600;1890.5;0.2\n"
        "-0.5,100\n");
    ASSERT_EQ(table.error, "");
    ASSERT_EQ(table.observations.size(), 3u);
    EXPECT_EQ(table.observations[0].range, 300);
    EXPECT_EQ(table.observations[0].upMoa, 2.25);
    EXPECT_TRUE(std::isnan(table.observations[0].velocity));
    EXPECT_EQ(table.observations[1].velocity, 1890.5);
    EXPECT_EQ(table.observations[1].sigmaMoa, 0.2);
    EXPECT_EQ(table.observations[2].upMoa, -0.5);
    expectSameObservations(parseObservationsCsv(observationsCsvText(table.observations)).observations,
                           table.observations);

    ShotParameters shot;
    EXPECT_EQ(extensionShotFileText(shot).find("Observations:"), std::string::npos);
    EXPECT_EQ(extensionShotFileText(shot).find("Drag Scale:"), std::string::npos);
    shot.observations = table.observations;
    shot.advanced.dragScale = {{0.95, 1.04}, {2.1, 0.985}};
    const std::string text = shotFileText(shot) + extensionShotFileText(shot);
    EXPECT_NE(text.find("Observations:range_yd up_moa velocity_fps sigma_moa;300 2.25 - -;600 - 1890.5 0.2;100 "
                        "-0.5 - -\r\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Drag Scale:0.95 1.04;2.1 0.985\r\r\n"), std::string::npos);
    // Only the columns some observation fills are written (the range always).
    EXPECT_EQ(observationsCsvText({table.observations[1]}).substr(0, 40), "range_yd,velocity_fps,sigma_moa\n600,1890");
    ShotParameters back;
    back.advanced.dragScale = {{1, 2}};
    readShotText(text, back, ShotReadMode::Load);
    expectSameObservations(back.observations, shot.observations);
    EXPECT_EQ(back.advanced.dragScale, shot.advanced.dragScale);
    // A list that does not read whole is left out whole, and told with its line and item.
    const struct {
        const char* line;
        std::size_t observations, points;
        const char* problem;  // the first
    } lists[] = {
        {"Observations:range_yd up_moa;300 2.25;600 7\r\nDrag Scale:1 1.02;2 1\r\n", 2, 2, ""},
        {"Observations:range_yd up_moa;300 2.25;600 x\r\nDrag Scale:1 1.02;2\r\n", 0, 0,
         "line 1: Observations: item 3 (\"600 x\"): \"x\" in column up_moa is not a number"},
        {"Observations:range_yd up_moa;300 2.25;6000 7\r\nDrag Scale:1 1.02;2 1 3\r\n", 0, 0,
         "line 1: Observations: item 3 (\"6000 7\"): range_yd at 6000 yd must be from 1 to 5000 yd"},
        {"Observations:range_yd up_mao;300 2.25\r\nDrag Scale:1 1.02;;\r\n", 0, 1,
         "line 1: Observations: item 1 (\"range_yd up_mao\"): unknown column \"up_mao\""},
        {"Observations:range_yd up_moa;300 abc\r\n", 0, 0, "line 1: Observations: item 2 (\"300 abc\")"},
        {"Observations:range_yd up_moa;99999 4\r\n", 0, 0, "line 1: Observations: item 2 (\"99999 4\"): range_yd"},
        {"Observations:300 4.75;600 15\r\n", 0, 0, "line 1: Observations: item 1 (\"300 4.75\"): unknown column"},
        {"Observations:range_yd up_moa;300 4 5\r\n", 0, 0, "line 1: Observations: item 2 (\"300 4 5\"): 3 cells"},
        {"\r\nDrag Scale:1 nan\r\n", 0, 0, "line 2: Drag Scale: item 1 is not two numbers (\"1 nan\")"},
        {"Drag Scale:1 1.02;2 1\r\nDrag Scale:1 1.02;2 x\r\n", 0, 2, "line 2: Drag Scale: item 2"},
    };
    for (const auto& list : lists) {
        std::vector<std::string> problems;
        readShotTextTelling(list.line, back, ShotReadMode::Load, problems);
        EXPECT_EQ(back.observations.size(), list.observations) << list.line;
        EXPECT_EQ(back.advanced.dragScale.size(), list.points) << list.line;
        const std::string first = problems.empty() ? std::string() : problems.front();
        EXPECT_EQ(first.substr(0, std::string(list.problem).size()), list.problem) << list.line;
        EXPECT_EQ(first.empty(), *list.problem == '\0') << first;
    }
    readShotText(shotFileText(ShotParameters{}), back, ShotReadMode::Load);
    EXPECT_TRUE(back.observations.empty());
    EXPECT_TRUE(back.advanced.dragScale.empty());
}

TEST(Observations, BadCsvNamesTheLineAndTheFault) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "holds no observation"},
        {"range_yd,up_moa\n", "holds no observation"},
        {"up_moa,drop_in\n1,2\n", "line 1: the header needs a range_yd column"},
        {"range_yd,up_moaa\n", "line 1: unknown column \"up_moaa\""},
        {"range_yd,up_moa,range_yd\n", "line 1: column range_yd is named twice"},
        {"range_yd,up_moa\n300,2..5\n", "line 2: \"2..5\" in column up_moa is not a number"},
        {"range_yd,up_moa\n300,nan\n", "line 2: \"nan\" in column up_moa is not a number"},
        {"range_yd,up_moa\n300,2,4\n", "line 2: more cells than the header has columns"},
        {"range_yd,up_moa\n300,\n", "line 2: the observation at 300 yd needs a hold"},
        {"range_yd,up_moa\n,2\n", "line 2: an observation needs a range"},
        {"range_yd,up_moa\n0.5,2\n", "line 2: range_yd at 0.5 yd must be from 1 to 5000 yd"},
        {"range_yd,velocity_fps\n300,20\n", "velocity_fps at 300 yd must be from 50 to 5000 ft/s"},
        {"range_yd,up_moa,sigma_moa\n300,2,0\n", "sigma_moa at 300 yd must be above 0 to 60 MOA"},
        // Comma decimals belong to rows parted by semicolons or tabs; they never part two cells.
        {"range_yd,up_moa\n300,4,7\n", "line 2: more cells than the header has columns"},
        {"range_yd;up_moa\n300;4,7,5\n", "line 2: \"4.7.5\" in column up_moa is not a number"},
    };
    for (const auto& c : cases) {
        const ObservationTable table = parseObservationsCsv(c.text);
        EXPECT_NE(table.error.find(c.error), std::string::npos) << c.text << " gave: " << table.error;
        EXPECT_TRUE(table.observations.empty());
    }
    // The reader's limits end the reading with an error on their line.
    std::string rows = "range_yd,up_moa\n";
    for (int i = 0; i < 100000; ++i) rows += "300,4\n";
    EXPECT_EQ(parseObservationsCsv(rows).error,
              "line 100001: more than 100000 lines, more than a table of observations holds");
    const std::string nul = std::string("range_yd,up_moa\n300,4\n") + '\0' + "\n";
    EXPECT_EQ(parseObservationsCsv(nul).error, "line 3: a NUL byte: this is no text file");
    const std::string wide = "range_yd,up_moa\n300,4" + std::string(1 << 20, ' ') + "\n";
    EXPECT_EQ(parseObservationsCsv(wide).error, "line 2: the line is longer than 1 MiB");
}

// Every reading's bounds, at both ends and just past them (a time or an uncertainty of 0 is none).
TEST(Observations, EachReadingWithinItsBounds) {
    const struct {
        double Observation::*member;
        double lowest, highest;
        bool lowestAllowed;
    } bounds[] = {
        {&Observation::range, 1, 5000, true},
        {&Observation::upMoa, -600, 600, true},
        {&Observation::upMil, -175, 175, true},
        {&Observation::upClicks, -10000, 10000, true},
        {&Observation::dropInches, -2000, 2000, true},
        {&Observation::velocity, 50, 5000, true},
        {&Observation::time, 0, 30, false},
        {&Observation::sigmaMoa, 0, 60, false},
        {&Observation::sigmaFps, 0, 1000, false},
    };
    for (const auto& b : bounds) {
        const auto problemAt = [&](double value) {
            Observation o = seenAt(300, 4.0);
            o.*b.member = value;
            return observationProblem(o);
        };
        const double step = (b.highest - b.lowest) * 1e-4;
        EXPECT_EQ(problemAt(b.lowest).empty(), b.lowestAllowed) << b.lowest;
        EXPECT_EQ(problemAt(b.lowest + step), "") << b.lowest + step;
        EXPECT_EQ(problemAt(b.highest), "") << b.highest;
        EXPECT_NE(problemAt(b.lowest - step), "") << b.lowest - step;
        EXPECT_NE(problemAt(b.highest + step), "") << b.highest + step;
    }
}

// Semicolons or tabs with comma decimals, a byte order mark, and the CSV file's size limit.
TEST(Observations, CsvAsSpreadsheetsWriteIt) {
    const struct {
        const char* text;
        double range, upMoa;
    } cases[] = {
        {"range_yd;up_moa\r\n300;4,7\r\n", 300, 4.7},
        {"range_yd\tup_moa\n300,5\t4,7\n", 300.5, 4.7},
        {"\xEF\xBB\xBFrange_yd,up_moa\n300,+4.75\n", 300, 4.75},
    };
    for (const auto& c : cases) {
        const ObservationTable table = parseObservationsCsv(c.text);
        ASSERT_EQ(table.error, "") << c.text;
        ASSERT_EQ(table.observations.size(), 1u);
        EXPECT_EQ(table.observations[0].range, c.range);
        EXPECT_EQ(table.observations[0].upMoa, c.upMoa);
    }
    // 16 MiB and more: a header of 16 bytes, then rows of 1000; the 16 MiB point falls in row
    // 16778 (16 + 16777 x 1000 < 16777216 < 16 + 16778 x 1000), the file's line 16779.
    const std::string path = testing::TempDir() + "vorlan-observations-" + std::to_string(::getpid()) + ".csv";
    {
        std::ofstream out(path, std::ios::binary);
        const std::string row = "300,4" + std::string(994, ' ') + "\n";
        out << "range_yd,up_moa\n";
        for (int i = 0; i < 17000; ++i) out << row;
    }
    EXPECT_EQ(loadObservationsCsv(path).error,
              "line 16779: the file goes on past 16 MiB, more than a table of observations holds");
    std::remove(path.c_str());
}

TEST(Observations, DragScaleBoundsInTheAdvancedCheck) {
    const struct {
        std::vector<DragScalePoint> points;
        const char* message;
    } cases[] = {
        {{}, ""},
        {{{0.0, 1.0}}, ""},
        {{{1.0, 0.4}}, "Drag Scale: point 1 needs a Mach from 0 to 20 and a factor from 0.5 to 2"},
        {{{1.0, 1.0}, {1.0, 1.1}}, "Drag Scale: the Mach of point 2 must be above the one before"},
        {{{-1.0, 1.0}}, "Drag Scale: point 1 needs"},
        {std::vector<DragScalePoint>(9, {1.0, 1.0}), "Drag Scale: at most 8 points"},
    };
    for (const auto& c : cases) {
        AdvancedEffects e;
        e.dragScale = c.points;
        EXPECT_EQ(advancedInputProblem(e).substr(0, std::string(c.message).size()), c.message);
        EXPECT_EQ(advancedInputProblem(e).empty(), *c.message == '\0');
    }
    EXPECT_EQ(dragScaleSpan({{0.9, 1.0}, {1.5, 1.04}, {2.0, 1.02}}), "1.00\u20131.04");
    EXPECT_EQ(dragScaleSpan({{0.0, 1.031}}), "1.03");
}

}  // namespace
}  // namespace vorlan
