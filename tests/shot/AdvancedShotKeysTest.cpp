#include "shot/AdvancedShotKeys.h"

#include <gtest/gtest.h>

#include "shot/ShotFile.h"

namespace vorlan {
namespace {

AdvancedEffects everyEffect() {
    AdvancedEffects e;
    e.windSpeed = 12.5;
    e.windDirection = 300;
    e.twistRate = 10;
    e.leftTwist = true;
    e.bulletLength = 1.24;
    e.bulletDiameter = 0.308;
    e.coriolis = true;
    e.latitude = -33.5;
    e.azimuth = 270;
    e.powderSensitivity = 1.25;
    e.powderTemperature = 95;
    e.powderReferenceTemperature = 70;
    e.customDrag = {{0, 0.12}, {0.95, 0.1467}, {1.05, 0.4043}, {5, 0.1618}};
    e.bcBands = {{2800, 0.25}, {1800, 0.24}};
    return e;
}

// Defaults write nothing; every effect survives a written file read back; every line is
// one that the designed keys pass over.
TEST(AdvancedShotKeys, WrittenOnlyWhenSetAndReadBack) {
    EXPECT_EQ(advancedShotFileText(AdvancedEffects{}), "");

    ShotParameters shot;
    shot.advanced = everyEffect();
    const std::string text = shotFileText(shot) + advancedShotFileText(shot.advanced);
    EXPECT_NE(text.find("\r\r\nWind Speed:12.5\r\r\nWind Direction:300.0\r\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\r\nLeft Twist:TRUE\r\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\r\nCustom Drag:0 0.12;0.95 0.1467;1.05 0.4043;5 0.1618\r\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\r\nBC Bands:2800 0.25;1800 0.24\r\r\n"), std::string::npos);

    ShotParameters back;
    readShotText(text, back, ShotReadMode::Load);
    EXPECT_TRUE(back.advanced == shot.advanced);
    readShotText(shotFileText(ShotParameters{}), back, ShotReadMode::GivenPath);
    EXPECT_TRUE(back.advanced == AdvancedEffects{}) << "a file without the lines holds the defaults";

    // A value finer than its key's format is written with the fewest digits that read back as
    // the same double: it flies as it was flown.
    AdvancedEffects fine;
    fine.windSpeed = 0.04;
    fine.latitude = 45.123456;
    EXPECT_EQ(advancedShotFileText(fine), "Wind Speed:0.04\r\r\nLatitude:45.123456\r\r\n");
    readShotText(advancedShotFileText(fine), back, ShotReadMode::Load);
    EXPECT_TRUE(back.advanced == fine);

    ShotParameters designedOnly;
    const std::string designedText = shotFileText(designedOnly);
    const std::string advancedText = advancedShotFileText(shot.advanced);
    for (std::string_view rest = advancedText; !rest.empty();) {
        const std::size_t end = rest.find("\r\r\n");
        const std::string_view line = rest.substr(0, end);
        ShotParameters probe;
        probe.advanced = AdvancedEffects{};
        ASSERT_TRUE(applyShotLine(line, probe, ShotReadMode::Load)) << line;
        EXPECT_EQ(shotFileText(probe), designedText) << line << " touched a designed field";
        rest.remove_prefix(end + 3);
    }
}

TEST(AdvancedShotKeys, KeysIgnoreCaseAndTakeFlagsAsTheDesignedOnes) {
    AdvancedEffects e;
    EXPECT_TRUE(applyAdvancedShotLine("coriolis:True", e));
    EXPECT_TRUE(e.coriolis);
    EXPECT_TRUE(applyAdvancedShotLine("CORIOLIS:1", e));
    EXPECT_FALSE(e.coriolis);
    EXPECT_TRUE(applyAdvancedShotLine("twist rate:  9.5 in", e));
    EXPECT_EQ(e.twistRate, 9.5);
    EXPECT_FALSE(applyAdvancedShotLine("Twist:9", e));
}

TEST(AdvancedShotKeys, DragTableCsv) {
    const struct {
        const char* text;
        std::size_t points;  // 0: refused
        const char* error;
    } cases[] = {
        {"Mach,Cd\n0,0.2\n1.0,0.4\r\n2.0,0.3\n", 3, ""},
        {"0 0.2\n\n1 0.4\n", 2, ""},
        {"0;0.2\n1\t0.4", 2, ""},
        {"Mach,Cd\n0,0.2\nabc,0.4\n", 0, "line 3: expected two numbers, Mach and Cd"},
        {"0,0.2\n1,0.4,7\n", 0, "line 2: expected two numbers, Mach and Cd"},
        {"0,0.2\n1,0.4\n1,0.5\n", 0, "line 3: the Mach number must increase from the line before"},
        {"0,0.2\n1,-0.4\n", 0, "line 2: Mach must be from 0 to 20 and Cd above 0 and below 10"},
        {"Mach,Cd\n0,0.2\n", 0, "the table needs at least 2 rows of Mach and Cd"},
        {"", 0, "the table needs at least 2 rows of Mach and Cd"},
    };
    for (const auto& c : cases) {
        const DragTableCsv table = parseDragTableCsv(c.text);
        EXPECT_EQ(table.points.size(), c.points) << c.text;
        EXPECT_EQ(table.error, c.error) << c.text;
    }
    EXPECT_EQ(loadDragTableCsv("/no/such/table.csv").error, "cannot read the file: No such file or directory");
}

TEST(AdvancedShotKeys, OutOfRangeInputsAreNamed) {
    const struct {
        void (*set)(AdvancedEffects&);
        const char* message;
    } cases[] = {
        {[](AdvancedEffects&) {}, ""},
        {[](AdvancedEffects& e) { e.latitude = 90.5; }, "Latitude must be a number from -90 to 90"},
        {[](AdvancedEffects& e) { e.windSpeed = -1; }, "Wind Speed must be a number from 0 to 200"},
        {[](AdvancedEffects& e) {
             e.customDrag = {{0, 0.2}};
         },
         "Custom Drag: needs at least 2 points"},
        {[](AdvancedEffects& e) {
             e.customDrag = {{1, 0.2}, {0.5, 0.3}};
         },
         "Custom Drag: the Mach of point 2 must be above the one before"},
        {[](AdvancedEffects& e) {
             e.bcBands.assign(6, {1000, 0.2});
         },
         "BC Bands: at most 5 bands"},
        {[](AdvancedEffects& e) {
             e.bcBands = {{1000, 0}};
         },
         "BC Bands: each band needs a velocity from 0 to 5000 ft/s and a coefficient from 0.0001 to 2"},
    };
    for (const auto& c : cases) {
        AdvancedEffects e = everyEffect();
        c.set(e);
        EXPECT_EQ(advancedInputProblem(e), c.message);
    }
}

}  // namespace
}  // namespace vorlan
