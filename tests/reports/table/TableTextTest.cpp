// Tab expansion, the lines the screen shows, and the page split of a printed table.

#include <gtest/gtest.h>

#include "reports/table/TableText.h"

namespace vorlan {
namespace {

TEST(TableText, TabsAdvanceToTheNextMultipleOfEightColumns) {
    EXPECT_EQ(expandTabs("BC:\t\t0.02"), "BC:             0.02");
    EXPECT_EQ(expandTabs("\tx"), "        x");
    EXPECT_EQ(expandTabs("12345678\tx"), "12345678        x");
    EXPECT_EQ(expandTabs("1234567\tx"), "1234567 x");
    EXPECT_EQ(expandTabs(""), "");
    // A character of several UTF-8 bytes takes one column.
    EXPECT_EQ(expandTabs("Höhe:\tx"), "Höhe:   x");
    EXPECT_EQ(expandTabs("Масса:\tx"), "Масса:  x");
}

TEST(TableText, SavedTextEndsEveryLineWithCrLf) {
    EXPECT_EQ(savedTableText({"Name: A\r\n", "a\tb", ""}), "Name: A\r\n\r\na       b\r\n\r\n");
    EXPECT_EQ(savedTableText({}), "");
}

TEST(TableText, TheNameLineBreakShowsAsALineOfItsOwn) {
    const std::vector<std::string> shown = displayedTableLines({"Name: A\r\n", "a\tb", ""});
    EXPECT_EQ(shown, (std::vector<std::string>{"Name: A", "", "a       b", ""}));
    // Columns restart after the break, as on screen.
    EXPECT_EQ(displayedTableLines({"xyz\r\n\tq"}), (std::vector<std::string>{"xyz", "        q"}));
}

TEST(TableText, PagesHoldSeventyLinesAndSkipALoneEmptyLastLine) {
    struct Case {
        std::size_t lines;
        int pages;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{61, 1}, Case{71, 1}, Case{72, 2}, Case{141, 2}, Case{142, 3}})
        EXPECT_EQ(tablePageCount(c.lines), c.pages) << c.lines << " lines";
    const PageLines second = tablePageLines(2, 141);
    EXPECT_EQ(second.first, 70u);
    EXPECT_EQ(second.last, 140u);
    const PageLines last = tablePageLines(3, 142);
    EXPECT_EQ(last.first, 140u);
    EXPECT_EQ(last.last, 142u);
}

}  // namespace
}  // namespace vorlan
