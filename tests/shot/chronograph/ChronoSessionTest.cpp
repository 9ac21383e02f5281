#include <gtest/gtest.h>

#include <string>

#include "shot/chronograph/ChronoStats.h"

namespace vorlan {
namespace {

constexpr double kFpsPerMps = 1.0 / 0.3048;

// The layouts as their apps write them, with the statistics worked by hand.
const std::string kGarminFps =
    "Tuesday range session\n"
    "#,SPEED (FPS),\xC3\x8E\xE2\x80\x9D AVG (FPS),KE (FT-LB),POWER FACTOR (KGR\xE2\x8B\x85"
    "FT/S),TIME,CLEAN BORE,"
    "COLD BORE,SHOT NOTES\n"
    "1,\"1,369.8\",-1.3,87.6,205.5,10:01:02,,,\n"
    "2,\"1,372.4\",1.3,87.9,205.9,10:01:40,,,\n"
    "3,\"1,368.1\",-3.0,87.3,205.2,10:02:15,,,\n"
    "4,\"1,375.0\",3.9,88.2,206.3,10:02:51,,,\n"
    "5,\"1,370.2\",-0.9,87.6,205.5,10:03:30,,,\n"
    "-,,,,,,,,\n"
    "AVERAGE SPEED,\"1,371.1\"\n"
    "STD DEV,2.7\n"
    "SPREAD,6.9\n"
    "PROJECTILE WEIGHT(GRAINS),150\n"
    "DATE,\"December 9, 2026 10:00\"\n"
    "SESSION NOTE,\n";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

std::string crlf(const std::string& text) {
    std::string out;
    for (const char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

const std::string kLabRadar =
    "sep=;\nDevice ID;LBR-0012345;;\nSeries No;0007;;\nTotal number of shots;0004;;\n;;\n"
    "Units velocity;fps;;\nUnits distances;yd;;\nUnits of energy;ft-lbs;;\nUnits of weight;gr;;\n;;\n"
    "Stats - Average;2651.60;fps;\nStats - Highest;2655.33;fps;\nStats - Lowest;2648.90;fps;\n"
    "Stats - Ext. Spread;6.43;fps;\nStats - Std. Dev;2.80;fps;\n;;\n"
    "Shot ID;V0;V10;V20;Ke0;PF0;Date;Time;\n"
    "0001;2650.12;2640.01;2630.00;2340.5;397.5;12-09-2026;10:00:01;\n"
    "0002;2655.33;2645.20;2635.11;2349.7;398.3;12-09-2026;10:00:41;\n"
    "0003;2648.90;2638.80;2628.70;2338.3;397.3;12-09-2026;10:01:17;\n"
    "0004;2652.05;2641.95;2631.85;2343.9;397.8;12-09-2026;10:01:58;\n";

// Count, mean, SD (n - 1) and extreme spread of each layout against hand figures, in ft/s:
// 1369.8..1375.0 give 1371.1, sqrt(28.4 / 4) = 2.66458 and 6.9; 800, 802, 798 m/s give 800 m/s,
// 2 m/s and 4 m/s; the LabRadar string 2651.60, sqrt(23.5958 / 3) = 2.80451 and 6.43; the lists
// 2700, 10 and 20.
TEST(ChronoSession, StatisticsOfEachLayout) {
    const std::string garminMps = "\xEF\xBB\xBF" + crlf(
                                                       "Session\n#,SPEED (MPS),\xCE\x94 AVG (MPS),KE (J)\n1,800.0,0,1\n"
                                                       "2,802.0,2,1\n3,798.0,-2,1\n-,,,\nAVERAGE SPEED,800.0\n"
                                                       "STD DEV,2.0\nSPREAD,4.0\n");
    const struct {
        const char* what;
        std::string text;
        ChronoFormat format;
        int count;
        double mean, sd, spread;
    } cases[] = {
        {"Garmin ft/s, quoted thousands", kGarminFps, ChronoFormat::GarminXero, 5, 1371.1, 2.664583, 6.9},
        {"Garmin m/s, BOM, CRLF", garminMps, ChronoFormat::GarminXero, 3, 800 * kFpsPerMps, 2 * kFpsPerMps,
         4 * kFpsPerMps},
        {"LabRadar", kLabRadar, ChronoFormat::LabRadar, 4, 2651.60, 2.804508, 6.43},
        {"LabRadar m/s, decimal comma, CRLF",
         crlf("Units velocity;m/s;;\nShot ID;V0;\n0001;800,0;\n0002;802,0;\n0003;798,0;\n"), ChronoFormat::LabRadar, 3,
         800 * kFpsPerMps, 2 * kFpsPerMps, 4 * kFpsPerMps},
        {"shot,velocity with a header, CRLF", crlf("shot,velocity\n1,2700\n2,2710\n3,2690\n"), ChronoFormat::PlainList,
         3, 2700, 10, 20},
        {"one a line, BOM, no header",
         "\xEF\xBB\xBF"
         "2700\n2710\n\n2690",
         ChronoFormat::PlainList, 3, 2700, 10, 20},
        {"list in m/s", "Velocity (m/s)\n800\n802\n798\n", ChronoFormat::PlainList, 3, 800 * kFpsPerMps, 2 * kFpsPerMps,
         4 * kFpsPerMps},
    };
    for (const auto& c : cases) {
        const ChronoSession session = parseChronoSession(c.text);
        ASSERT_EQ(session.error, "") << c.what;
        EXPECT_EQ(session.format, c.format) << c.what;
        const std::optional<ChronoStats> stats = chronoStats([&] {
            std::vector<double> v;
            for (const ChronoShot& s : session.shots) v.push_back(s.velocity);
            return v;
        }());
        ASSERT_TRUE(stats) << c.what;
        EXPECT_EQ(stats->count, c.count) << c.what;
        EXPECT_NEAR(stats->mean, c.mean, 1e-6) << c.what;
        EXPECT_NEAR(stats->sd, c.sd, 1e-6) << c.what;
        EXPECT_NEAR(stats->spread, c.spread, 1e-6) << c.what;
        // Each file's own average and SD agree with the computed ones to their printed digits.
        EXPECT_TRUE(statedFigureNotes(session, *stats).empty()) << c.what;
    }
}

// A stated figure beyond its rounding is told in the file's unit; one within it is not.
TEST(ChronoSession, StatedFiguresThatDisagreeAreTold) {
    const ChronoSession session = parseChronoSession(replaced(kGarminFps, "STD DEV,2.7", "STD DEV,3.1"));
    ASSERT_TRUE(session.statedSd);
    EXPECT_NEAR(session.statedSd->rounding, 0.05, 1e-12);
    const ChronoStats stats = *chronoStats({1369.8, 1372.4, 1368.1, 1375.0, 1370.2});
    const std::vector<std::string> notes = statedFigureNotes(session, stats);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0], "The file's standard deviation 3.1 ft/s differs from the computed 2.7 ft/s");
    // In m/s the figures are told in m/s, to the file's digits.
    const ChronoSession metric =
        parseChronoSession(replaced(replaced(kGarminFps, "STD DEV,2.7", "STD DEV,3.1"), "SPEED (FPS)", "SPEED (MPS)"));
    std::vector<double> feetPerSecond;
    for (const auto& shot : metric.shots) feetPerSecond.push_back(shot.velocity);
    const std::vector<std::string> metricNotes = statedFigureNotes(metric, *chronoStats(feetPerSecond));
    ASSERT_EQ(metricNotes.size(), 1u);
    EXPECT_EQ(metricNotes[0], "The file's standard deviation 3.1 m/s differs from the computed 2.7 m/s");
}

// The edge of a stated figure's rounding: a figure half a printed step from the computed one
// is the same figure (3.1 printed for 3.05); one 5 % of a step beyond is not.
TEST(ChronoSession, StatedFigureToldOnlyBeyondItsRounding) {
    const struct {
        double computedSd;
        bool told;
    } cases[] = {{3.05, false}, {3.0501, false}, {3.15, false}, {3.0475, true}, {3.1525, true}, {3.2, true}};
    ChronoSession session;
    session.unit = "ft/s";
    session.statedSd = StatedFigure{3.1, 0.05};
    for (const auto& c : cases) {
        const ChronoStats stats{5, 1370.0, c.computedSd, 7.0};
        EXPECT_EQ(statedFigureNotes(session, stats).size(), c.told ? 1u : 0u) << c.computedSd;
    }
}

// What cannot give a mean and an SD is refused with its reason; nothing else is read.
TEST(ChronoSession, RefusesWhatHasNoStatistics) {
    const struct {
        std::string text;
        const char* reason;
    } cases[] = {
        {"", "no velocities"},
        {"\xEF\xBB\xBF\r\n\r\n", "no velocities"},
        {replaced(kGarminFps, "SPEED (FPS)", "SPEED (KPH)"), "line 2: the speed's unit \"KPH\" is not known"},
        {replaced(kLabRadar, "Units velocity;fps", "Units velocity;km/h"), "line 6: the velocity unit \"km/h\""},
        {"Velocity (furlongs)\n1\n2\n", "line 1: the unit \"furlongs\" is not known"},
        {"2700\n2710\nabc\n", "line 3: the velocity is not a number"},
        {"2700\n-5\n", "line 2: the velocity is not a number above 0"},
        // A comma outside quotes is no thousands separator: 2700,5 is not read as 27005.
        {"shot;velocity\n1;2700,5\n2;2710,5\n", "line 2: the velocity is not a number"},
    };
    for (const auto& c : cases)
        EXPECT_NE(parseChronoSession(c.text).error.find(c.reason), std::string::npos) << c.reason;
    EXPECT_FALSE(chronoStats({2700.0}));
    // A shot number beyond an int is no number: the shot takes its place in the file.
    const ChronoSession huge = parseChronoSession("1e300,2700\n-7,2710\n");
    ASSERT_EQ(huge.shots.size(), 2u);
    EXPECT_EQ(huge.shots[0].number, 1);
    EXPECT_EQ(huge.shots[1].number, 2);
    EXPECT_NE(readChronoSession("/nonexistent/session.csv").error.find("cannot read"), std::string::npos);
}

}  // namespace
}  // namespace vorlan
