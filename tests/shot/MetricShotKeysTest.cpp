#include "shot/MetricShotKeys.h"

#include <gtest/gtest.h>

#include "shot/ShotCheck.h"
#include "shot/ShotFile.h"

namespace vorlan {
namespace {

std::string fileText(const ShotParameters& shot) { return shotFileText(shot) + extensionShotFileText(shot); }

ShotParameters readBack(const std::string& text) {
    ShotParameters shot;
    readShotText(text, shot, ShotReadMode::Load);
    return shot;
}

// A shot typed in metric units, saved and loaded, comes back as typed; the designed lines
// carry the figures rounded as the designed format rounds them.
TEST(MetricShotKeys, TypedShotComesBackExactly) {
    struct Typed {
        std::string_view key;
        double value;
        Unit unit;
        std::string_view designedLine;  // as an older reader reads it
    };
    const Typed typed[] = {
        {"Velocity", 800.0, Unit::MetrePerSecond, "Velocity:2624.7"},
        {"Weight", 10.9, Unit::Gram, "Weight:168.2"},
        {"Sight Height", 4.5, Unit::Centimetre, "Sight Height:1.77"},
        {"Sight-In Range", 100.0, Unit::Metre, "Sight-In Range:109"},
        {"Range Increment", 50.0, Unit::Metre, "Range Increment:55"},
        {"Target Range", 300.0, Unit::Metre, "Target Range:328"},
        {"Barometric Pressure", 1013.0, Unit::Hectopascal, "Barometric Pressure:29.91"},
        {"Temperature", 15.0, Unit::Celsius, "Temperature:59.0"},
        {"Crosswind", 4.0, Unit::MetrePerSecond, "Crosswind:8.9"},
    };
    ShotParameters shot;
    for (const Typed& t : typed) ASSERT_TRUE(storeTypedValue(shot, t.key, t.value, t.unit)) << t.key;
    const std::string text = fileText(shot);
    const ShotParameters loaded = readBack(text);
    for (const Typed& t : typed) {
        EXPECT_NE(text.find(std::string(t.designedLine) + "\r\r\n"), std::string::npos) << t.designedLine;
        // The keys with a metric line of their own come back exactly; the others as the
        // designed format rounds them.
        const bool exact = t.key != "Temperature" && t.key != "Crosswind";
        EXPECT_EQ(metricValue(loaded, t.key), exact ? std::optional<double>(t.value) : std::nullopt) << t.key;
    }
    EXPECT_NEAR(toShown(loaded.temperature, Quantity::Temperature, Unit::Celsius), 15.0, 1e-12);
    EXPECT_NE(text.find("Metric Sight-In Range:100\r\r\nMetric Range Increment:50\r\r\n"), std::string::npos);
    EXPECT_EQ(loaded.metric, shot.metric);
    EXPECT_EQ(loaded.velocity, shot.velocity);
    EXPECT_EQ(shotProblem(loaded), "");
    // Saved again, the file is the same.
    EXPECT_EQ(fileText(loaded), text);
}

TEST(MetricShotKeys, FiguresCountOnlyWhileTheyAgree) {
    ShotParameters shot;
    // An imperial shot writes no metric line.
    EXPECT_EQ(fileText(shot).find("Metric"), std::string::npos);
    ASSERT_TRUE(storeTypedValue(shot, "Sight-In Range", 100.0, Unit::Metre));
    // Typed again in yards, the figure is left behind: neither flown nor written.
    ASSERT_TRUE(storeTypedValue(shot, "Sight-In Range", 200.0, Unit::Yard));
    EXPECT_EQ(shot.sightInRange, 200.0);
    EXPECT_EQ(metricValue(shot, "Sight-In Range"), std::nullopt);
    shot.metric.sightInRange = 100.0;
    EXPECT_EQ(fileText(shot).find("Metric"), std::string::npos);
    // A file whose designed line was changed by another program keeps that value.
    const ShotParameters edited = readBack("Sight-In Range:150\r\r\nMetric Sight-In Range:100\r\r\n");
    EXPECT_EQ(edited.sightInRange, 150.0);
    EXPECT_EQ(metricValue(edited, "Sight-In Range"), std::nullopt);
    // A unit that is not one of the quantity's, or a key without a quantity, is refused.
    EXPECT_FALSE(storeTypedValue(shot, "Velocity", 800.0, Unit::Metre));
    EXPECT_FALSE(storeTypedValue(shot, "BC", 0.5, Unit::Metre));
    // Values that do not read are told; a fractional increment is no row spacing.
    for (const char* line : {"Metric Velocity:fast", "Metric Range Increment:2.5", "Metric Range Increment:0"}) {
        std::string problem;
        ShotParameters scratch;
        EXPECT_TRUE(applyMetricShotLine(line, scratch, &problem)) << line;
        EXPECT_NE(problem.find("is not a number"), std::string::npos) << line;
    }
    // A metric table longer than the longest table is refused.
    ShotParameters longest;
    ASSERT_TRUE(storeTypedValue(longest, "Range Increment", 1.0, Unit::Metre));
    longest.incrementCount = 4572;
    EXPECT_EQ(shotProblem(longest), "");
    longest.incrementCount = 4573;
    EXPECT_EQ(shotProblem(longest), "Number of Increments: 4573 rows of 1 m make a table longer than 4572 m");
}

}  // namespace
}  // namespace vorlan
