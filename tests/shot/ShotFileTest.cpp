#include "shot/ShotFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "shot/CLocaleNumbers.h"
#include "shot/FileTitle.h"
#include "shot/SettingsFile.h"
#include "shot/ShotCheck.h"

namespace vorlan {
namespace {

const char* const kDefaultFile =
    "Name:\r\r\nBC:0.0200\r\r\nVelocity:800.0\r\r\nWeight:8.0\r\r\nCaliber:.177\r\r\nSight Height:1.50\r\r\n"
    "Cant Angle:0.0\r\r\nSight-In Range:33\r\r\nRange Increment:1\r\r\nNumber of Increments:45\r\r\n"
    "Crosswind:0.0\r\r\nTemperature:59.0\r\r\nRelative Humidity:0\r\r\nBarometric Pressure:29.92\r\r\n"
    "StationBP:false\r\r\nLOS Check:true\r\r\nAltitude:0\r\r\nTarget Range:50\r\r\nDrag Function:0\r\r\n"
    "Near Chronograph Speed:800.0\r\r\nFar Chronograph Speed:700.0\r\r\nChronograph Distance:300\r\r\n"
    "Target Diameter:1.00\r\r\nTarget Speed:0.0\r\r\nTarget Direction:90.00\r\r\nLOS Angle:0.00\r\r\n"
    "Muzzle Angle:0.000\r\r\nEnergy(Calc):0.0\r\r\nVelocity(Calc):0.0\r\r\nWeight(Calc):0.00\r\r\n"
    "Gun Weight(Calc):40.00\r\r\nPowder Weight(Calc):5.00\r\r\nPower Factor:0\r\r\nRecoil Energy:0.000\r\r\n"
    "Calculation Mode:0\r\r\n";

class TempDir : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() / ("vorlan-shot-" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string path(const char* name) const { return (dir / name).string(); }
    static std::string slurp(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST(ShotFile, DefaultRecordByteForByte) { EXPECT_EQ(shotFileText(ShotParameters{}), kDefaultFile); }

TEST(ShotFile, WriterRoundsToItsFormats) {
    ShotParameters shot;
    shot.name = "Test load";
    shot.weight = 7.87;
    shot.sightInRange = 32.5;  // "%.0f" rounds half to even
    shot.dragFunction = -1;
    shot.stationPressure = true;
    shot.muzzleAngle = -12.34567;
    const std::string text = shotFileText(shot);
    EXPECT_NE(text.find("Name:Test load\r\r\n"), std::string::npos);
    EXPECT_NE(text.find("Weight:7.9\r\r\n"), std::string::npos);
    EXPECT_NE(text.find("Sight-In Range:32\r\r\n"), std::string::npos);
    EXPECT_NE(text.find("Drag Function:4294967295\r\r\n"), std::string::npos);
    EXPECT_NE(text.find("StationBP:true\r\r\n"), std::string::npos);
    EXPECT_NE(text.find("Muzzle Angle:-12.346\r\r\n"), std::string::npos);

    ShotParameters back;
    readShotText(text, back, ShotReadMode::Load);
    EXPECT_EQ(back.dragFunction, -1);  // "%u" of -1 reads back as -1
    EXPECT_EQ(back.name, "Test load");
}

TEST(ShotFile, EveryLineEndingReadsTheSame) {
    for (const char* ending : {"\n", "\r\n", "\r\r\n"}) {
        ShotParameters shot;
        shot.muzzleAngle = 5;
        readShotText(std::string("Velocity:950.5") + ending + "Name:  Two blanks" + ending + "Caliber:.22" + ending,
                     shot, ShotReadMode::Load);
        EXPECT_EQ(shot.velocity, 950.5);
        EXPECT_EQ(shot.name, "  Two blanks");  // verbatim, leading blanks kept
        EXPECT_EQ(shot.caliber, ".22");
        EXPECT_EQ(shot.muzzleAngle, 0.0);  // reset before reading, and no line sets it
    }
}

TEST(ShotFile, ConversionsAndKeys) {
    ShotParameters shot;
    readShotText(
        "velocity:1200\nWEIGHT:  55.5gr\nBC:abc\nShooting Angle:12\nLOS Angle:-3\nStationBP:TRUEish\n"
        "LOS Check:false\nRange Increment:25 yards\nDrag Function:4\nUnknown Key:7\nTemperature\n",
        shot, ShotReadMode::Load);
    EXPECT_EQ(shot.velocity, 1200);
    EXPECT_EQ(shot.weight, 55.5);
    EXPECT_EQ(shot.ballisticCoefficient, 0.0);  // no number reads as 0
    EXPECT_EQ(shot.losAngle, -3);               // the later line wins
    EXPECT_TRUE(shot.stationPressure);
    EXPECT_FALSE(shot.muzzleAngleCorrection);
    EXPECT_EQ(shot.rangeIncrement, 25);
    EXPECT_EQ(shot.dragFunction, 4);
    EXPECT_EQ(shot.temperature, 59.0);  // a key without its colon is no key

    readShotText("StationBP:1\nLOS Angle:4\nShooting Angle:7\n", shot, ShotReadMode::Load);
    EXPECT_FALSE(shot.stationPressure);  // only the word true counts
    EXPECT_EQ(shot.losAngle, 7);
}

TEST(ShotFile, CalculatorKeysOnlyOnLoad) {
    const std::string text = "Power Factor:150\nCalculation Mode:2\nGun Weight(Calc):64\nVelocity:900\n";
    ShotParameters given;
    readShotText(text, given, ShotReadMode::GivenPath);
    EXPECT_EQ(given.powerFactor, 0.0);
    EXPECT_EQ(given.calcMode, 0);
    EXPECT_EQ(given.calcGunWeight, 40.0);
    EXPECT_EQ(given.velocity, 900);

    ShotParameters loaded;
    readShotText(text, loaded, ShotReadMode::Load);
    EXPECT_EQ(loaded.powerFactor, 150);
    EXPECT_EQ(loaded.calcMode, 2);
    EXPECT_EQ(loaded.calcGunWeight, 64);
}

TEST(ShotFile, EmptyFileChangesOnlyTheMuzzleAngle) {
    ShotParameters shot;
    shot.velocity = 1234;
    shot.muzzleAngle = 3;
    readShotText("", shot, ShotReadMode::Load);
    ShotParameters expected;
    expected.velocity = 1234;
    EXPECT_EQ(shotFileText(shot), shotFileText(expected));
}

// Whole lines at every length around the old 255-byte pieces, with every line ending, for
// the text fields, a settings folder and a number too large for its format.
TEST(ShotFile, WholeLinesAtEveryLengthAndEnding) {
    for (const char* ending : {"\n", "\r\n", "\r\r\n", "\r"}) {
        for (std::size_t length = 247; length <= 260; ++length) {
            const std::string text(length, 'n');
            ShotParameters shot;
            shot.name = text;
            shot.caliber = std::string(length, 'c');
            shot.velocity = 1e300;
            std::string file = shotFileText(shot);
            // The same lines with the ending under test.
            for (std::size_t at = file.find("\r\r\n"); at != std::string::npos; at = file.find("\r\r\n", at))
                file.replace(at, 3, ending), at += std::strlen(ending);
            ShotParameters back;
            readShotText(file, back, ShotReadMode::Load);
            ASSERT_EQ(back.name, text) << length << " " << std::strlen(ending);
            ASSERT_EQ(back.caliber, shot.caliber);
            ASSERT_EQ(back.velocity, 1e300);
            ASSERT_EQ(shotFileText(back), shotFileText(shot));

            AppSettings settings;
            settings.saveDirectory = "/" + std::string(length, 'd') + "/";
            ShotParameters ignored;
            AppSettings read;
            forEachShotLine(settingsFileText(ignored, settings),
                            [&](std::string_view line) { applySettingsLine(line, ignored, read); });
            ASSERT_EQ(read.saveDirectory, settings.saveDirectory);
        }
    }
}

TEST(ShotFile, OverLongLinesAreCutAndTheirRestSkipped) {
    // The rest of an over-long line is never read as a key of its own.
    const std::string text = "Name:" + std::string(kMaxLineBytes, 'x') + "Velocity:77\nWeight:9\n";
    ShotParameters shot;
    readShotText(text, shot, ShotReadMode::Load);
    EXPECT_EQ(shot.name, std::string(kMaxLineBytes - 5, 'x'));
    EXPECT_EQ(shot.velocity, 800.0);
    EXPECT_EQ(shot.weight, 9.0);
}

TEST(ShotFile, LineBreaksInTextNeverForgeALine) {
    ShotParameters shot;
    ASSERT_TRUE(applyShotLine("Caliber:.308\nBC:1.9999", shot, ShotReadMode::Load));
    EXPECT_EQ(shot.caliber, ".308 BC:1.9999");
    shot.name = "a\rBC:1.5\nVelocity:3";  // as a paste could leave it
    ShotParameters back;
    readShotText(shotFileText(shot), back, ShotReadMode::Load);
    EXPECT_EQ(back.name, "a BC:1.5 Velocity:3");
    EXPECT_EQ(back.ballisticCoefficient, shot.ballisticCoefficient);
    EXPECT_EQ(back.velocity, shot.velocity);
}

// A text's limit counts characters, not bytes: accented text as long as the limit is kept
// whole through the check and the file.
TEST(ShotFile, TextLimitsCountCharacters) {
    const auto repeated = [](const char* character, int count) {
        std::string text;
        for (int i = 0; i < count; ++i) text += character;
        return text;
    };
    const struct {
        std::string name, caliber;
        const char* problem;
    } cases[] = {
        {repeated("\u00e9", 256), repeated("\u00e9", 4), ""},
        {repeated("\U0001F98C", 256), "7,62", ""},
        {repeated("\u00e9", 257), ".308", "Name: the text is longer than 256 characters"},
        {"x", repeated("\u00e9", 5), "Caliber: the text is longer than 4 characters"},
    };
    for (const auto& c : cases) {
        ShotParameters shot;
        shot.name = c.name;
        shot.caliber = c.caliber;
        EXPECT_EQ(shotProblem(shot), c.problem) << c.name.size();
        ShotParameters back;
        readShotText(shotFileText(shot), back, ShotReadMode::Load);
        EXPECT_EQ(back.name, c.name);
        EXPECT_EQ(back.caliber, c.caliber);
    }
}

// A station reading may be as low as 10 inHg; a sea-level reading, and every other field, keeps
// its own lowest value whether the reading is a station one or not.
TEST(ShotFile, StationPressureLowersOnlyThePressuresBound) {
    const struct {
        bool station;
        double pressure, velocity;
        const char* problem;
    } cases[] = {
        {true, 10.0, 2700, ""},
        {false, 10.0, 2700, "Barometric Pressure: 10 is not a number between 26 and 35"},
        {true, 9.99, 2700, "Barometric Pressure: 9.99 is not a number between 10 and 35"},
        {true, 29.92, 0.5, "Velocity: 0.5 is not a number between 1 and 5000"},
    };
    for (const auto& c : cases) {
        ShotParameters shot;
        shot.stationPressure = c.station;
        shot.pressure = c.pressure;
        shot.velocity = c.velocity;
        EXPECT_EQ(shotProblem(shot), c.problem) << c.pressure << (c.station ? " station" : "");
    }
}

TEST(ShotFile, NulBytesEndTheTextOfALine) {
    ShotParameters shot;
    readShotText(std::string("Name:ab\0cd\nVelocity:\0"
                             "900\nWeight:9\n",
                             34),
                 shot, ShotReadMode::Load);
    EXPECT_EQ(shot.name, "ab");
    EXPECT_EQ(shot.velocity, 0.0);
    EXPECT_EQ(shot.weight, 9.0);
}

TEST(ShotFile, HostileBytesNeverCrash) {
    std::mt19937 random(42);
    const std::string keys = "Name:BC:Velocity:Drag Function:Range Increment:LOS Check:\r\n\t\0-9.e+";
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(random() % 700, '\0');
        for (char& c : bytes) c = (random() % 3 == 0) ? keys[random() % keys.size()] : static_cast<char>(random());
        ShotParameters shot;
        readShotText(bytes, shot, ShotReadMode::Load);
        // Whatever was read, the file written from it reads back to the same record.
        const std::string written = shotFileText(shot);
        ShotParameters again;
        readShotText(written, again, ShotReadMode::Load);
        ASSERT_EQ(shotFileText(again), written) << round;
    }
}

TEST_F(TempDir, WriteAndReadBack) {
    ShotParameters shot;
    shot.name = ".308 Win 175 gr";
    shot.caliber = ".308";
    shot.velocity = 2700;
    shot.dragFunction = 4;
    shot.targetDiameter = 8;
    const std::string file = path("rifle.vxf");
    ASSERT_TRUE(writeShotFile(file, shot));
    EXPECT_EQ(slurp(file), shotFileText(shot));
    ShotParameters back;
    ASSERT_TRUE(readShotFile(file, back, ShotReadMode::Load));
    EXPECT_EQ(shotFileText(back), shotFileText(shot));
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

TEST_F(TempDir, FilesThatCannotBeReadOrWritten) {
    ShotParameters shot;
    shot.muzzleAngle = 9;
    shot.velocity = 1000;
    EXPECT_FALSE(readShotFile(path("missing.vxf"), shot, ShotReadMode::Load));
    EXPECT_EQ(shot.muzzleAngle, 0.0);
    EXPECT_EQ(shot.velocity, 1000);
    EXPECT_FALSE(readShotFile(dir.string(), shot, ShotReadMode::Load));  // a directory
    EXPECT_FALSE(readShotFile("/dev/zero", shot, ShotReadMode::Load));   // endless device
    EXPECT_FALSE(writeShotFile(path("no/such/dir/x.vxf"), shot));
    EXPECT_FALSE(writeShotFile(dir.string(), shot));  // a directory is not replaced
    EXPECT_TRUE(std::filesystem::is_directory(dir));
}

TEST(ShotFile, GivenPathRules) {
    EXPECT_TRUE(hasShotExtension("/home/u/shots/a.vxf"));
    EXPECT_TRUE(hasShotExtension("A.VxF"));
    EXPECT_TRUE(hasShotExtension("loadvxf"));  // only the last three characters count
    EXPECT_FALSE(hasShotExtension("a.txt"));
    EXPECT_FALSE(hasShotExtension("xf"));

    PathParts parts = splitAtLastSeparator("/home/u/shots/a.vxf");
    EXPECT_EQ(parts.directory, "/home/u/shots/");
    EXPECT_EQ(parts.fileName, "a.vxf");
    parts = splitAtLastSeparator("bare.vxf");
    EXPECT_EQ(parts.directory, "");
    EXPECT_EQ(parts.fileName, "bare.vxf");
}

}  // namespace
}  // namespace vorlan
