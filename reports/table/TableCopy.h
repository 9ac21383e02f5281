#pragma once
// The range table as the clipboard carries it: the lines as shown, and the same lines as
// tab-separated cells that a spreadsheet splits into columns.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

// The cells of one report line as a spreadsheet should see them. Tabs and runs of two or more
// blanks separate cells; a row of numbers (the table's rows, "-----" included) is split at
// every blank, since a wide number may leave a single blank before it.
std::vector<std::string> tableLineCells(std::string_view line);

// Report lines [first, last] as they are shown, where a line break inside a line (the name
// line's own "\r\n") starts a line of its own: each followed by "\n", tabs expanded.
std::string copiedTableText(const std::vector<std::string>& lines, std::size_t first, std::size_t last);
// The same lines as tab-separated values: cells joined by tabs, each line followed by "\n".
std::string copiedTableCells(const std::vector<std::string>& lines, std::size_t first, std::size_t last);

}  // namespace vorlan
