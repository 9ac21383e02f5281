#include "TableText.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

TEST(TableText, TabsExpandToEightColumnStops) {
    EXPECT_EQ(savedTableText({"Name: x\r\n", "BC:\t\t0.0200 (G1)\tT", "", "\tA\tBC"}),
              "Name: x\r\n\r\n"
              "BC:             0.0200 (G1)     T\r\n"
              "\r\n"
              "        A       BC\r\n");
    EXPECT_EQ(savedTableText({"12345678\tx"}), "12345678        x\r\n");
    EXPECT_EQ(savedTableText({}), "");
}

TEST(TableText, PagesOfSeventyLines) {
    EXPECT_EQ(tablePageCount(61), 1);
    EXPECT_EQ(tablePageCount(71), 1);  // the 71st line is the empty last line
    EXPECT_EQ(tablePageCount(72), 2);
    EXPECT_EQ(tablePageCount(141), 2);
    EXPECT_EQ(tablePageCount(142), 3);
    EXPECT_EQ(tablePageCount(1), 1);

    const PageLines second = tablePageLines(2, 141);
    EXPECT_EQ(second.first, 70u);
    EXPECT_EQ(second.last, 140u);
    const PageLines last = tablePageLines(3, 142);
    EXPECT_EQ(last.first, 140u);
    EXPECT_EQ(last.last, 142u);
}

}  // namespace
}  // namespace vorlan
