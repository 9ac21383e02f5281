#include "engine/Catalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/BuiltInCatalogues.h"
#include "engine/MoCatalogue.h"

// tests/data/catalogue/de.po, compiled by the build.
std::span<const vorlan::BuiltInCatalogue> testCatalogues();

namespace vorlan {
namespace {

std::vector<unsigned char> testBytes() {
    const std::span<const unsigned char> mo = testCatalogues().front().mo;
    return {mo.begin(), mo.end()};
}

void putWord(std::vector<unsigned char>& bytes, std::size_t offset, std::uint32_t value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}
std::uint32_t getWord(const std::vector<unsigned char>& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

// Each text of the test catalogue, and texts it must not answer: one only partly equal, one
// without a translation, a fuzzy one (msgfmt leaves it out) and the header's empty text.
void expectTestTexts(const MoCatalogue& catalogue) {
    const struct {
        const char* original;
        const char* translation;
    } cases[] = {
        {"Velocity", "Geschwindigkeit"},
        {"Weight", "Gewicht"},
        {"Ä sorts after the ASCII letters", "Ä steht hinter den ASCII-Buchstaben"},
        {"%1 yards at %2 degrees", "%2 Grad auf %1 Yard"},
        {"Veloc", nullptr},
        {"Velocity!", nullptr},
        {"Range", nullptr},
        {"Drift", nullptr},
        {"Drop", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        const char* found = catalogue.find(c.original);
        if (c.translation == nullptr) {
            EXPECT_EQ(found, nullptr) << c.original;
        } else {
            ASSERT_NE(found, nullptr) << c.original;
            EXPECT_STREQ(found, c.translation);
        }
    }
}

TEST(MoCatalogue, FindsEachTextInEitherByteOrder) {
    const std::vector<unsigned char> bytes = testBytes();
    expectTestTexts(MoCatalogue(bytes));

    // The same catalogue written on a machine of the other byte order: the header's seven
    // words and both tables' lengths and offsets swapped.
    std::vector<unsigned char> swapped = bytes;
    const std::uint32_t count = getWord(bytes, 8);
    std::vector<std::size_t> words;
    for (std::size_t w = 0; w < 7; ++w) words.push_back(w * 4);
    for (std::uint32_t i = 0; i < 2 * count; ++i) {
        words.push_back(getWord(bytes, 12) + i * 4);
        words.push_back(getWord(bytes, 16) + i * 4);
    }
    for (const std::size_t offset : words) putWord(swapped, offset, __builtin_bswap32(getWord(bytes, offset)));
    expectTestTexts(MoCatalogue(swapped));
}

// The smallest catalogue, written by hand: "a" translated "b", the two tables last, so that the
// translations' table ends on the last byte.
TEST(MoCatalogue, ReadsTablesThatEndOnTheLastByte) {
    std::vector<unsigned char> bytes(48, 0);
    const std::uint32_t header[] = {0x950412de, 0, 1, 32, 40, 0, 0};
    for (std::size_t w = 0; w < 7; ++w) putWord(bytes, w * 4, header[w]);
    bytes[28] = 'a';
    bytes[30] = 'b';
    const std::uint32_t tables[] = {1, 28, 1, 30};
    for (std::size_t w = 0; w < 4; ++w) putWord(bytes, 32 + w * 4, tables[w]);
    const MoCatalogue catalogue(bytes);
    EXPECT_EQ(catalogue.size(), 1u);
    EXPECT_STREQ(catalogue.find("a"), "b");
}

TEST(MoCatalogue, ShortOrMalformedCatalogueHoldsNothing) {
    const std::vector<unsigned char> bytes = testBytes();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        const MoCatalogue cut(std::span(bytes.data(), size));
        EXPECT_EQ(cut.size(), 0u) << size;
        EXPECT_EQ(cut.find("Velocity"), nullptr) << size;
    }
    const std::uint32_t originals = getWord(bytes, 12);
    const struct {
        const char* what;
        std::size_t offset;
        std::uint32_t value;
    } faults[] = {
        {"magic", 0, 0x12345678},
        {"major revision", 4, 0x20000},
        {"count", 8, 0xffffffff},
        {"originals table", 12, 0xfffffff0},
        {"translations table", 16, static_cast<std::uint32_t>(bytes.size())},
        {"string length", originals + 8, 0xfffffff0},
        {"string offset", originals + 12, static_cast<std::uint32_t>(bytes.size()) - 1},
    };
    for (const auto& fault : faults) {
        std::vector<unsigned char> broken = bytes;
        putWord(broken, fault.offset, fault.value);
        const MoCatalogue catalogue(broken);
        EXPECT_EQ(catalogue.size(), 0u) << fault.what;
        EXPECT_EQ(catalogue.find("Weight"), nullptr) << fault.what;
    }
    // A string whose terminating NUL is overwritten, though it lies within the bytes.
    std::vector<unsigned char> unterminated = bytes;
    unterminated[getWord(bytes, originals + 12) + getWord(bytes, originals + 8)] = 'x';
    EXPECT_EQ(MoCatalogue(unterminated).size(), 0u);
}

TEST(Catalogue, TranslatesInTheChosenLanguageOnly) {
    const std::span<const unsigned char> builtIn = builtInCatalogues().front().mo;
    ASSERT_TRUE(replaceCatalogue("de", testCatalogues().front().mo));
    EXPECT_FALSE(replaceCatalogue("pt", testCatalogues().front().mo));

    const char* english = "Velocity";
    setLanguage("de");
    EXPECT_EQ(language(), "de");
    EXPECT_STREQ(translated(english), "Geschwindigkeit");
    EXPECT_EQ(translated("Range"), std::string("Range"));
    EXPECT_EQ(translated("%1 yards at %2 degrees", {"300", "45"}), "45 Grad auf 300 Yard");
    for (const char* other : {"en", "pt", "", "de_DE"}) {
        setLanguage(other);
        EXPECT_EQ(language(), "") << other;
        EXPECT_EQ(translated(english), english) << other;
    }
    EXPECT_EQ(translated("%1 yards at %2 degrees", {"300", "45"}), "300 yards at 45 degrees");
    // Only %1 to %9 with a value are placeholders; a value is not read for placeholders again.
    EXPECT_EQ(translated("100% of %1 and %3%", {"%2", "x"}), "100% of %2 and %3%");
    EXPECT_EQ(translated("%2 of 1,2,3: %1", {"a", "b"}), "b of 1,2,3: a");
    ASSERT_TRUE(replaceCatalogue("de", builtIn));
}

TEST(Catalogue, EachLanguageIsBuiltIn) {
    std::vector<std::string> codes;
    for (const BuiltInCatalogue& builtIn : builtInCatalogues()) {
        codes.emplace_back(builtIn.code);
        EXPECT_GT(MoCatalogue(builtIn.mo).size(), 0u) << builtIn.code;  // at least its header
    }
    EXPECT_EQ(codes, (std::vector<std::string>{"de", "es", "fr", "ru"}));
}

}  // namespace
}  // namespace vorlan
