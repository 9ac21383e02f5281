#include "shot/TextShotKeys.h"

#include <gtest/gtest.h>

#include "shot/ShotCheck.h"
#include "shot/ShotFile.h"

namespace vorlan {
namespace {

std::string fileOf(const ShotParameters& shot) { return shotFileText(shot) + extensionShotFileText(shot); }

// "Rifle:" is written on a line of its own only when it holds a name, read back as written
// (any case of the key, line breaks as blanks), and checked against its length.
TEST(TextShotKeys, RifleWrittenReadAndChecked) {
    const struct {
        std::string line;     // as a file holds it
        std::string rifle;    // as read
        std::string written;  // the line written back; "" for none
        const char* problem;
    } cases[] = {
        {"Rifle:Tikka T3x .308", "Tikka T3x .308", "Rifle:Tikka T3x .308\r\r\n", ""},
        {"rifle: Sako 85", " Sako 85", "Rifle: Sako 85\r\r\n", ""},
        {"RIFLE:", "", "", ""},
        {"Rifle:" + std::string(256, 'r'), std::string(256, 'r'), "Rifle:" + std::string(256, 'r') + "\r\r\n", ""},
        {"Rifle:" + std::string(257, 'r'), std::string(257, 'r'), "Rifle:" + std::string(257, 'r') + "\r\r\n",
         "Rifle: the text is longer than 256 characters"},
    };
    for (const auto& c : cases) {
        ShotParameters shot;
        readShotText(shotFileText(shot) + c.line + "\r\r\n", shot, ShotReadMode::Load);
        EXPECT_EQ(shot.rifle, c.rifle) << c.line;
        EXPECT_EQ(textShotFileText(shot), c.written) << c.line;
        EXPECT_EQ(shotProblem(shot), c.problem) << c.line;
    }
    ShotParameters pasted;
    pasted.rifle = "a\nBC:1.5";  // a pasted line break never forges a key
    ShotParameters back;
    readShotText(fileOf(pasted), back, ShotReadMode::Load);
    EXPECT_EQ(back.rifle, "a BC:1.5");
    EXPECT_EQ(back.ballisticCoefficient, pasted.ballisticCoefficient);
}

// A file without a rifle is written byte for byte as before; one with it differs only by its
// own line, and a later file without the key clears it.
TEST(TextShotKeys, OlderFilesUnchangedAndNewOnesReadByOlderReaders) {
    ShotParameters shot;
    shot.name = "308 Win 175 SMK";
    shot.velocity = 2600;
    const std::string older = fileOf(shot);
    EXPECT_EQ(older.find("Rifle"), std::string::npos);
    ShotParameters reread;
    readShotText(older, reread, ShotReadMode::Load);
    EXPECT_EQ(fileOf(reread), older);

    shot.rifle = "Tikka T3x .308";
    const std::string newer = fileOf(shot);
    EXPECT_EQ(newer, older + "Rifle:Tikka T3x .308\r\r\n");
    readShotText(newer, reread, ShotReadMode::Load);
    EXPECT_EQ(reread.rifle, shot.rifle);
    // Every other value reads as from the older file: the line touches nothing else.
    reread.rifle.clear();
    EXPECT_EQ(fileOf(reread), older);
    readShotText(older, reread, ShotReadMode::Load);
    EXPECT_EQ(reread.rifle, "");
}

}  // namespace
}  // namespace vorlan
