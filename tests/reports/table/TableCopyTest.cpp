// The clipboard forms of a range table: cells for a spreadsheet and the lines as shown.

#include <gtest/gtest.h>

#include "reports/table/TableCopy.h"

namespace vorlan {
namespace {

using Cells = std::vector<std::string>;

TEST(TableCopy, CellsSplitAtTabsAndWideGapsButRowsOfNumbersAtEveryBlank) {
    const struct {
        const char* line;
        Cells cells;
    } cases[] = {
        {"Name: 308 Win", {"Name: 308 Win"}},
        {"BC:\t\t0.0200 (G1)\tTemperature:\t 59.0 degrees", {"BC:", "0.0200 (G1)", "Temperature:", "59.0 degrees"}},
        {"Sect. Density:\t0.202\t\tAir Density:   0.0765 lb./ft.^3",
         {"Sect. Density:", "0.202", "Air Density:", "0.0765 lb./ft.^3"}},
        {" Range     Drop     Velocity", {"Range", "Drop", "Velocity"}},
        // Two blanks are a wide gap too: the units row's first two units are two cells.
        {"(Yards)  (inches)   (ft/sec)   (ft-lbs)", {"(Yards)", "(inches)", "(ft/sec)", "(ft-lbs)"}},
        // A wide number leaves one blank before it; the muzzle row has no elevation.
        {"    0     -1.50 -12345.67    2000.0      -----", {"0", "-1.50", "-12345.67", "2000.0", "-----"}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(tableLineCells(c.line), c.cells) << c.line;
}

TEST(TableCopy, CopiedLinesFollowTheScreenWhereTheNameLineBreaks) {
    const std::vector<std::string> lines = {"Name: A\r\n", "a\tb", "  1  2", ""};
    // Shown lines: "Name: A", "", "a       b", "  1  2", "".
    EXPECT_EQ(copiedTableText(lines, 0, 4), "Name: A\n\na       b\n  1  2\n\n");
    EXPECT_EQ(copiedTableText(lines, 1, 2), "\na       b\n");
    EXPECT_EQ(copiedTableCells(lines, 0, 3), "Name: A\n\na\tb\n1\t2\n");
    EXPECT_EQ(copiedTableCells(lines, 3, 3), "1\t2\n");
}

}  // namespace
}  // namespace vorlan
