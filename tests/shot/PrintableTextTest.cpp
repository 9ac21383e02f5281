#include "shot/PrintableText.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

// A name a user typed, as printed: controls dropped, line breaks as blanks, every other
// character (accents, a no-break space) kept; counted and cut by characters.
TEST(PrintableText, DropsControlsAndCountsCharacters) {
    const struct {
        const char* typed;
        const char* printed;
        std::size_t characters;  // of the printed text
        const char* firstTwo;
    } cases[] = {
        {"Gämse 1", "Gämse 1", 7, "Gä"},
        {"Bell\a Ridge", "Bell Ridge", 10, "Be"},
        {"\x1b[31mred", "[31mred", 7, "[3"},
        {"two\tparts\nhere\r", "two parts here ", 15, "tw"},
        {"del\x7f", "del", 3, "de"},
        {"c1\xc2\x9b"
         "x\xc2\xa0y",
         "c1x\xc2\xa0y", 5, "c1"},  // CSI goes, a no-break space stays
        {"Кабан", "Кабан", 5, "Ка"},
        {"€5", "€5", 2, "€5"},
        {"", "", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::string printed = printableText(c.typed);
        EXPECT_EQ(printed, c.printed);
        EXPECT_EQ(characterCount(printed), c.characters);
        EXPECT_EQ(leadingCharacters(printed, 2), c.firstTwo);
    }
    EXPECT_EQ(leadingCharacters("äöü", 10), "äöü");
    // A stream's pieces may split a character: the two bytes of a C1 control are judged together.
    ControlCharacterFilter stream(true);
    std::string passed = stream.pass("a\n\t\xc2");
    passed += stream.pass(
        "\x9b"
        "b\xc2");
    passed += stream.pass("\xa0\a");
    EXPECT_EQ(passed, "a\n\tb\xc2\xa0");
}

}  // namespace
}  // namespace vorlan
