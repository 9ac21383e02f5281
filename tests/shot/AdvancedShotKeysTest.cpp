#include "shot/AdvancedShotKeys.h"

#include <gtest/gtest.h>

#include "shot/CaliberDiameter.h"
#include "shot/ShotFile.h"
#include "shot/ShotSetup.h"

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
    e.windZones = {{300, 8, 270}, {1200.5, 15.5, 45}};
    e.aerodynamicJump = true;
    e.zeroConditions = true;
    e.zeroTemperature = 40;
    e.zeroPressure = 24.5;
    e.zeroHumidity = 55;
    e.zeroPowderTemperature = 35.5;
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
    EXPECT_NE(text.find("\r\r\nWind Zones:300 8 270;1200.5 15.5 45\r\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\r\nAerodynamic Jump:TRUE\r\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\r\nZero Conditions:TRUE\r\r\nZero Temperature:40.0\r\r\nZero Pressure:24.50\r\r\n"
                        "Zero Humidity:55\r\r\nZero Powder Temperature:35.5\r\r\n"),
              std::string::npos);

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

// Keys in any case; a value is read whole (a number, TRUE or FALSE, a list): one that does not
// read is told, naming the key and the value, and leaves what an earlier line set.
TEST(AdvancedShotKeys, KeysIgnoreCaseAndValuesReadWhole) {
    AdvancedEffects e;
    std::string problem;
    EXPECT_TRUE(applyAdvancedShotLine("coriolis:True", e, &problem));
    EXPECT_TRUE(e.coriolis);
    EXPECT_TRUE(applyAdvancedShotLine("twist rate:  9.5 ", e, &problem));
    EXPECT_EQ(e.twistRate, 9.5);
    EXPECT_TRUE(applyAdvancedShotLine("Wind Zones:100 5 90;300 10 90", e, &problem));
    EXPECT_EQ(problem, "");
    EXPECT_FALSE(applyAdvancedShotLine("Twist:9", e));
    const struct {
        const char* line;
        const char* problem;
    } cases[] = {
        {"CORIOLIS:1", "Coriolis: \"1\" is not TRUE or FALSE"},
        {"Twist Rate:9.5 in", "Twist Rate: \"9.5 in\" is not a number"},
        {"Twist Rate:", "Twist Rate: \"\" is not a number"},
        {"Latitude:north", "Latitude: \"north\" is not a number"},
        {"Wind Zones:100 5 90;300 ten 90", "Wind Zones: item 2 is not three numbers (\"300 ten 90\")"},
        {"BC Bands:2000 0.25;fast", "BC Bands: item 2 is not two numbers (\"fast\")"},
    };
    for (const auto& c : cases) {
        AdvancedEffects read = e;
        problem.clear();
        EXPECT_TRUE(applyAdvancedShotLine(c.line, read, &problem));
        EXPECT_EQ(problem.substr(0, std::string(c.problem).size()), c.problem) << c.line;
        EXPECT_EQ(advancedShotFileText(read), advancedShotFileText(e)) << c.line << " stored";
    }
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
        {[](AdvancedEffects& e) { e.zeroPressure = 9; }, "Zero Pressure must be a number from 10 to 35"},
        {[](AdvancedEffects& e) { e.zeroHumidity = 101; }, "Zero Humidity must be a number from 0 to 100"},
        {[](AdvancedEffects& e) {
             e.windZones.assign(6, {100, 5, 90});
         },
         "Wind Zones: at most 5 zones"},
        {[](AdvancedEffects& e) {
             e.windZones = {{500, 5, 90}, {500, 5, 90}};
         },
         "Wind Zones: the range of zone 2 must be beyond the one before"},
        {[](AdvancedEffects& e) {
             e.windZones = {{500, 5, 361}};
         },
         "Wind Zones: zone 1 needs a range from 1 to 100000 yd, a speed from 0 to 200 mph and a direction from 0 "
         "to 360"},
    };
    for (const auto& c : cases) {
        AdvancedEffects e = everyEffect();
        c.set(e);
        EXPECT_EQ(advancedInputProblem(e), c.message);
    }
}

}  // namespace
}  // namespace vorlan

namespace vorlan {
namespace {

// Bullet diameters of the calibres shooters type, from the SAAMI and C.I.P. drawings (and
// 5.5 mm for a .22 pellet); a calibre no rule reads gives none, which leaves spin out.
TEST(CaliberDiameter, NamesAndRules) {
    using S = DiameterSource;
    const struct {
        const char* caliber;
        double inches;
        DiameterSource source;
    } cases[] = {
        {".22 LR", 0.223, S::CaliberTable},
        {".223 Rem", 0.224, S::CaliberTable},
        {"22-250", 0.224, S::CaliberTable},
        {".243 Win", 0.243, S::CaliberTable},
        {"6mm Creedmoor", 0.243, S::CaliberTable},
        {"6.5 Creedmoor", 0.264, S::CaliberTable},
        {"6.5x55", 0.264, S::CaliberTable},
        {".270 Win", 0.277, S::CaliberTable},
        {"7mm-08", 0.284, S::CaliberTable},
        {"7mm Rem Mag", 0.284, S::CaliberTable},
        {".308 Win", 0.308, S::CaliberTable},
        {"30-06", 0.308, S::CaliberTable},
        {"30-30 Win", 0.308, S::CaliberTable},
        {"300 Win Mag", 0.308, S::CaliberTable},
        {"7.62x39", 0.311, S::CaliberTable},
        {"8x57 JS", 0.323, S::CaliberTable},
        {".338 Lapua", 0.338, S::CaliberTable},
        {"9mm", 0.355, S::CaliberTable},
        {".40 S&W", 0.400, S::CaliberTable},
        {".45 ACP", 0.451, S::CaliberTable},
        {".177", 0.177, S::CaliberTable},
        {".22 airgun", 0.217, S::CaliberTable},
        {".224", 0.224, S::CaliberTable},
        {"0.3", 0.3, S::CaliberText},
        {"12.7x99", 12.7 / 25.4, S::CaliberText},
        {"7.5 mm", 7.5 / 25.4, S::CaliberText},
        {"416 Rigby", 0.416, S::CaliberText},
        {"35 Whelen", 0.35, S::CaliberText},
        {".22", 0.22, S::CaliberText},
        {"2230", 0.0, S::None},
        {"Wildcat", 0.0, S::None},
        {"", 0.0, S::None},
        {"30 mm", 0.0, S::None},
        {"1.5", 0.0, S::None},
        // The forms of four characters the Caliber field holds.
        {"22-2", 0.224, S::CaliberTable},
        {"25-0", 0.257, S::CaliberTable},
        {"30-0", 0.308, S::CaliberTable},
        {"30-3", 0.308, S::CaliberTable},
        {"7.62", 0.308, S::CaliberTable},
        {"7.62x54R", 0.311, S::CaliberTable},
        {"9.3x", 0.366, S::CaliberTable},
        {"7.5x", 0.308, S::CaliberTable},
        {"6.5x", 0.264, S::CaliberTable},
        {"300W", 0.308, S::CaliberTable},
        // A number below 1 is inches; 1 and above is no one-inch bullet.
        {".999", 0.999, S::CaliberText},
        {"1", 0.0, S::None},
        {"1.0", 0.0, S::None},
        {"1 in", 0.0, S::None},
    };
    for (const auto& c : cases) {
        const BulletDiameter d = caliberDiameter(c.caliber);
        EXPECT_DOUBLE_EQ(d.inches, c.inches) << c.caliber;
        EXPECT_EQ(d.source, c.source) << c.caliber;
    }
    EXPECT_EQ(bulletDiameter(0.311, "6.5 Creedmoor").source, S::Entered);
    EXPECT_EQ(bulletDiameter(0.0, "6.5 Creedmoor").inches, 0.264);

    // Spin in the shot follows: 6.5 Creedmoor 140 gr, 1.37 in, 1:8 at 2700 ft/s is 1.694 by
    // Miller's rule with d = 0.264 in (44 with the calibre's 6.5 taken as inches).
    ShotParameters shot;
    shot.caliber = "6.5 Creedmoor";
    shot.weight = 140;
    shot.velocity = 2700;
    shot.advanced.twistRate = 8;
    shot.advanced.bulletLength = 1.37;
    EXPECT_NEAR(shotStability(shot), 1.694, 0.001);
    shot.caliber = "Wildcat";
    EXPECT_FALSE(shotAdvancedEffects(shot).spinDriftOn());
}

}  // namespace
}  // namespace vorlan
