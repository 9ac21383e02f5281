#include "shot/ScopeProfile.h"

#include <gtest/gtest.h>

#include "shot/CLocaleNumbers.h"
#include "shot/ShotFile.h"

namespace vorlan {
namespace {

TEST(ScopeProfile, ClickValuesReadAndWritten) {
    const struct {
        const char* text;
        std::optional<ClickValue> click;
    } cases[] = {
        {"0.25moa", ClickValue{0.25, AngleUnit::Moa}},
        {"1/8moa", ClickValue{0.125, AngleUnit::Moa}},
        {" 1 / 4 MOA ", ClickValue{0.25, AngleUnit::Moa}},
        {"0.1mil", ClickValue{0.1, AngleUnit::Mil}},
        {"0.05 MIL", ClickValue{0.05, AngleUnit::Mil}},
        {".2mrad", ClickValue{0.2, AngleUnit::Mil}},
        {"0.5", std::nullopt},      // no unit
        {"moa", std::nullopt},      // no size
        {"-0.1mil", std::nullopt},  // a click has a size
        {"0mil", std::nullopt},
        {"1/0moa", std::nullopt},
        {"0.1.2mil", std::nullopt},
        {"1e-3mil", std::nullopt},
        {"0.1 mils", std::nullopt},
        {"100moa", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseClickValue(c.text), c.click) << c.text;
    // The text written reads back as the same click, and the label names it as a shooter does.
    const ClickValue custom{0.3, AngleUnit::Moa};
    const char* labels[] = {"1/4 MOA", "1/8 MOA", "0.1 mil", "0.05 mil"};
    for (std::size_t i = 0; i < standardClickValues().size(); ++i) {
        const ClickValue click = standardClickValues()[i];
        EXPECT_EQ(parseClickValue(clickValueText(click)), click) << clickValueText(click);
        EXPECT_EQ(clickValueLabel(click), labels[i]);
    }
    EXPECT_EQ(clickValueText(custom), "0.3moa");
    EXPECT_EQ(clickValueLabel(custom), "0.3 MOA");
}

// The profile's keys in a shot file: none written at the defaults, each read back, no
// designed key at the start of their lines, and the designed record loads as before.
TEST(ScopeProfile, ShotFileKeys) {
    ShotParameters shot;
    EXPECT_EQ(extensionShotFileText(shot), "");
    shot.velocity = 2700.0;
    shot.scope = {{0.1, AngleUnit::Mil}, AngleUnit::Mil, UnitSystem::Metric};
    const std::string extension = extensionShotFileText(shot);
    EXPECT_EQ(extension, "Scope Click:0.1mil\r\r\nScope Units:MIL\r\r\nUnit System:Metric\r\r\n");
    forEachShotLine(extension, [](std::string_view line) {
        for (const ShotFileLine& designed : shotFileLines())
            EXPECT_FALSE(startsWithNoCase(line, std::string(designed.key) + ":")) << line;
        EXPECT_FALSE(startsWithNoCase(line, "Shooting Angle:")) << line;
        EXPECT_FALSE(startsWithNoCase(line, "Dialog Color:") || startsWithNoCase(line, "Save ")) << line;
    });
    const std::string file = shotFileText(shot) + extension;
    ShotParameters back;
    readShotText(file, back, ShotReadMode::Load);
    EXPECT_EQ(back.scope, shot.scope);
    EXPECT_EQ(shotFileText(back), shotFileText(shot));
    EXPECT_EQ(shotFileText(back) + extensionShotFileText(back), file);
    // A file without the keys puts the profile back to its defaults; a value that cannot be
    // read leaves the default standing.
    readShotText(shotFileText(shot), back, ShotReadMode::Load);
    EXPECT_EQ(back.scope, ScopeProfile{});
    readShotText("scope click:2 furlongs\r\nSCOPE UNITS:mil\r\nunit system:metric\n", back, ShotReadMode::GivenPath);
    EXPECT_EQ(back.scope, (ScopeProfile{{0.25, AngleUnit::Moa}, AngleUnit::Mil, UnitSystem::Metric}));
}

}  // namespace
}  // namespace vorlan
