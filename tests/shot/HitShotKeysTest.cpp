#include "shot/HitShotKeys.h"

#include <gtest/gtest.h>

#include "shot/CLocaleNumbers.h"
#include "shot/ShotFile.h"

namespace vorlan {
namespace {

// None written at the defaults; each written when set, read back, refused outside its bounds.
TEST(HitShotKeys, WrittenWhenSetReadBackAndChecked) {
    ShotParameters shot;
    EXPECT_EQ(hitShotFileText(shot.hit), "");
    shot.hit.spreads = {9.5, 1.5, 5, true, 2, 15, 0.75, 1};
    shot.hit.target = {HitTarget::Shape::Rectangle, 10, 20};
    shot.hit.level = 0.8;
    const std::string text = hitShotFileText(shot.hit);
    EXPECT_EQ(text,
              "MV SD:9.5\r\r\nBC SD %:1.50\r\r\nWind SD:2.0\r\r\nWind Direction SD:15.0\r\r\nPrecision MOA:0.75\r\r\n"
              "Cant SD:1.0\r\r\nRange SD:5.0%\r\r\nHit Target:rect 10 20\r\r\nHit Level:0.800\r\r\n");
    ShotParameters back;
    readShotText(shotFileText(shot) + extensionShotFileText(shot), back, ShotReadMode::Load);
    EXPECT_EQ(back.hit, shot.hit);
    EXPECT_EQ(back.advanced, AdvancedEffects{});  // "Wind Direction SD:" is not "Wind Direction:"
    EXPECT_EQ(hitInputProblem(back.hit), "");
    // Values the usual decimals would round (a precision converted from a group size) read back
    // as they were typed.
    shot.hit.spreads = {9.55, 1.0 / 3.0, 12.25, false, 0.001, 2.5e-7, 1.5 / 3.066, 0.45};
    shot.hit.level = 0.8125;
    ShotParameters exact;
    readShotText(shotFileText(shot) + extensionShotFileText(shot), exact, ShotReadMode::Load);
    EXPECT_EQ(exact.hit, shot.hit);
    EXPECT_NE(hitShotFileText(shot.hit).find("MV SD:9.55\r"), std::string::npos);
    // A precision given as groups of five shots of 2 MOA reads back as that group.
    shot.hit.spreads = {.precisionMoa = 2.0 / 3.066, .groupMoa = 2, .groupShots = 5};
    EXPECT_NE(hitShotFileText(shot.hit).find("Precision Group:2.000 5\r"), std::string::npos);
    ShotParameters grouped;
    readShotText(shotFileText(shot) + extensionShotFileText(shot), grouped, ShotReadMode::Load);
    EXPECT_EQ(grouped.hit, shot.hit);

    const struct {
        const char* line;
        const char* problem;  // the start of the message, or "" when the value fits
    } cases[] = {
        {"MV SD:-1", "MV SD must be"},
        {"BC SD %:51", "BC SD % must be"},
        {"Range SD:1001", "Range SD must be"},
        {"Range SD:51%", "Range SD must be"},
        {"Range SD:ten", "Range SD: \"ten\" is not a range spread"},
        {"Range SD:50%", ""},
        {"Wind Direction SD:181", "Wind Direction SD must be"},
        {"Hit Level:1.5", "Hit Level must be"},
        {"Hit Target:circle 0", "Hit Target: \"circle 0\" is not \"circle D\""},
        {"Hit Target:rect 10", "Hit Target: \"rect 10\" is not"},
        {"Hit Target:square 4", "Hit Target: \"square 4\" is not"},
        {"hit target: CIRCLE 8 ", ""},
        {"Hit Level: 0.9 ", ""},
        {"Hit Level:+0.9", ""},
        // Read whole: a value that does not read is told and not stored.
        {"Cant SD:nan", "Cant SD: \"nan\" is not a number"},
        {"Hit Level:abc", "Hit Level: \"abc\" is not a number"},
        {"Wind SD:two", "Wind SD: \"two\" is not a number"},
        {"MV SD:5 ft/s", "MV SD: \"5 ft/s\" is not a number"},
        {"Hit Level:", "Hit Level: \"\" is not a number"},
        {"Hit Level:+-0.9", "Hit Level: \"+-0.9\" is not a number"},
        {"Hit Target:circle 8.0.5", "Hit Target: \"circle 8.0.5\" is not"},
        {"Precision Group:3.066 5", ""},
        {"Precision Group:3 11", "Precision Group: \"3 11\" is not a group"},
        {"Precision Group:three 5", "Precision Group: \"three 5\" is not a group"},
        {"Precision Group:3", "Precision Group: \"3\" is not a group"},
    };
    for (const auto& c : cases) {
        HitInputs hit;
        std::string problem;
        ASSERT_TRUE(applyHitShotLine(c.line, hit, &problem)) << c.line;
        if (problem.empty()) problem = hitInputProblem(hit);
        EXPECT_EQ(problem.substr(0, std::string(c.problem).size()), c.problem) << c.line;
        EXPECT_EQ(problem.empty(), *c.problem == '\0') << c.line << ": " << problem;
        if (problem.find("is not") != std::string::npos) EXPECT_EQ(hit, HitInputs{}) << c.line << " stored";
    }
    EXPECT_FALSE(applyHitShotLine("Wind Speed:10", shot.hit));
}

// A later line that does not read leaves what an earlier one set, and is told with its line.
TEST(HitShotKeys, ABadLaterLineIsToldNotStored) {
    ShotParameters shot;
    std::vector<std::string> problems;
    readShotTextTelling("Hit Level:0.95\r\nName:x\r\nHit Level:abc\r\nWind SD:2\r\nWind SD:two\r\n", shot,
                        ShotReadMode::Load, problems);
    EXPECT_EQ(shot.hit.level, 0.95);
    EXPECT_EQ(shot.hit.spreads.windSd, 2.0);
    EXPECT_EQ(problems, (std::vector<std::string>{"line 3: Hit Level: \"abc\" is not a number",
                                                  "line 5: Wind SD: \"two\" is not a number"}));
}

TEST(HitShotKeys, TargetsAsTyped) {
    using S = HitTarget::Shape;
    const struct {
        const char* text;
        std::optional<HitTarget> target;
    } cases[] = {
        {"8in", HitTarget{S::Circle, 8, 0}},
        {"8", HitTarget{S::Circle, 8, 0}},
        {"10x20in", HitTarget{S::Rectangle, 10, 20}},
        {"2.5X4 IN", HitTarget{S::Rectangle, 2.5, 4}},
        {"0in", std::nullopt},
        {"x20in", std::nullopt},
        {"-8in", std::nullopt},
        {"8cm", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseTargetSize(c.text), c.target) << c.text;
}

}  // namespace
}  // namespace vorlan
