#include "shot/PreferencesFile.h"
#include "shot/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shot/ExtrasFile.h"
#include "shot/ShotFile.h"

namespace vorlan {
namespace {

TEST(SettingsFile, ThirtyNineLines) {
    AppSettings settings;
    settings.saveDirectory = "/home/u/shots/";
    settings.saveFileName = "rifle.vxf";
    const std::string text = settingsFileText(ShotParameters{}, settings);
    const std::string shot = shotFileText(ShotParameters{});
    ASSERT_EQ(text.compare(0, shot.size(), shot), 0);
    EXPECT_EQ(text.substr(shot.size()),
              "Dialog Color:195,190,228\r\r\nSave Directory:/home/u/shots/\r\r\nSave File:rifle.vxf\r\r\n"
              "Save Range Table Directory:\r\r\n");
}

TEST(SettingsFile, DialogColor) {
    AppSettings s;
    parseDialogColor("10,20", s);
    EXPECT_EQ(s.red, 10);
    EXPECT_EQ(s.green, 20);
    EXPECT_EQ(s.blue, 228);
    parseDialogColor("300,0,0", s);
    EXPECT_EQ(s.red, 44);        // cut to 8 bits
    parseDialogColor(",,7", s);  // empty tokens do not count
    EXPECT_EQ(s.red, 7);
    parseDialogColor("", s);
    EXPECT_EQ(s.red, 7);
    parseDialogColor("-1,abc,255,9", s);
    EXPECT_EQ(s.red, 255);
    EXPECT_EQ(s.green, 0);
    EXPECT_EQ(s.blue, 255);
}

TEST(SettingsFile, RoundTripThroughAFile) {
    const auto file = std::filesystem::temp_directory_path() / ("vorlan-settings-" + std::to_string(::getpid()));
    ShotParameters shot;
    shot.name = "Zero at 50";
    shot.calcMode = 2;
    AppSettings settings;
    settings.red = 1;
    settings.green = 2;
    settings.blue = 3;
    settings.saveRangeTableDirectory = "/tmp/tables/";
    ASSERT_TRUE(writeSettingsFile(file.string(), shot, settings));

    ShotParameters readShot;
    AppSettings readSettings;
    ASSERT_TRUE(readSettingsFile(file.string(), readShot, readSettings));
    EXPECT_EQ(readShot.name, "Zero at 50");
    EXPECT_EQ(readShot.calcMode, 2);  // the settings file carries the calculator keys
    EXPECT_EQ(readSettings.red, 1);
    EXPECT_EQ(readSettings.blue, 3);
    EXPECT_EQ(readSettings.saveRangeTableDirectory, "/tmp/tables/");
    std::filesystem::remove(file);

    AppSettings untouched;
    EXPECT_FALSE(readSettingsFile(file.string(), readShot, untouched));
    EXPECT_EQ(untouched.red, 195);
}

// The extras file holds the extension lines only and, read, replaces all of them; a designed
// key in it (an edited file) does not reach the shot.
TEST(SettingsFile, ExtrasFileBesideIt) {
    EXPECT_EQ(extrasFilePath("/home/u/.config/Vorlan2/Vorlan2.ini"), "/home/u/.config/Vorlan2/Vorlan2 Extras.vxf");
    EXPECT_EQ(extrasFilePath("Vorlan2.ini"), "Vorlan2 Extras.vxf");
    const auto file = std::filesystem::temp_directory_path() / ("vorlan-extras-" + std::to_string(::getpid()));
    ShotParameters shot;
    shot.advanced.windSpeed = 12;
    shot.advanced.coriolis = true;
    ASSERT_TRUE(writeExtrasFile(file.string(), shot));
    ShotParameters read;
    read.advanced.twistRate = 9;  // not in the file: back to its default
    read.name = "kept";
    ASSERT_TRUE(readExtrasFile(file.string(), read));
    EXPECT_EQ(read.advanced, shot.advanced);

    ASSERT_TRUE(writeFileAtomically(file.string(), "Name:edited\r\r\nWind Speed:3\r\r\n"));
    ASSERT_TRUE(readExtrasFile(file.string(), read));
    EXPECT_EQ(read.name, "kept");
    EXPECT_EQ(read.advanced.windSpeed, 3.0);
    EXPECT_FALSE(read.advanced.coriolis);
    std::filesystem::remove(file);
    EXPECT_FALSE(readExtrasFile(file.string(), read));
    EXPECT_EQ(read.advanced.windSpeed, 3.0);  // a missing file changes nothing
}

// The preferences file: a value changes where it stands, lines the program does not know stay.
TEST(SettingsFile, PreferencesKeepEveryOtherLine) {
    struct Case {
        const char* before;
        const char* sectionKey;
        const char* after;
    };
    const Case cases[] = {
        {"", "Table/Holds", "[Table]\nHolds=true\n"},
        {"[Table]\nUnits=Metric\n[Chart]\nGrid=1\n", "Table/Holds",
         "[Table]\nUnits=Metric\nHolds=true\n[Chart]\nGrid=1\n"},
        {"[Chart]\nHolds=no\n[Table]\r\nHolds=false\r\nClick=1moa", "Table/Holds",
         "[Chart]\nHolds=no\n[Table]\r\nHolds=true\nClick=1moa"},
        {"[Chart]\nGrid=1", "Table/Holds", "[Chart]\nGrid=1\n[Table]\nHolds=true\n"},
        {"[Table]\nClick=1moa", "Table/Holds", "[Table]\nClick=1moa\nHolds=true\n"},
        {"[Table]\n[Chart]\n", "Table/Holds", "[Table]\nHolds=true\n[Chart]\n"},
    };
    for (const Case& c : cases) {
        const std::string after = withPreferenceValue(c.before, c.sectionKey, "true");
        EXPECT_EQ(after, c.after) << c.before;
        EXPECT_EQ(preferenceValue(after, c.sectionKey), "true") << c.before;
    }
    EXPECT_EQ(preferenceValue("[Chart]\nHolds=no\n", "Table/Holds"), std::nullopt);

    const auto file = std::filesystem::temp_directory_path() / ("vorlan-prefs-" + std::to_string(::getpid()));
    ASSERT_TRUE(writeFileAtomically(file.string(), "[Other]\nKept=1\n"));
    ASSERT_TRUE(writePreferences(file.string(), {{"Table/Units", "Metric"}, {"Table/Holds", "true"}}));
    std::string text;
    ASSERT_TRUE(readRegularFile(file.string(), text));
    EXPECT_EQ(text, "[Other]\nKept=1\n[Table]\nUnits=Metric\nHolds=true\n");
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace vorlan
