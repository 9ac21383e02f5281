#pragma once
// How a range table's lines become a saved text file and printed pages.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

inline constexpr int kLinesPerPage = 70;

// The bytes of a saved table: every line followed by "\r\n", tabs expanded to blanks up to
// the next multiple of 8 columns, no terminator.
std::string savedTableText(const std::vector<std::string>& lines);
// One line of it, with its "\r\n".
std::string savedTableLine(const std::string& line);

// `text` with every tab replaced by blanks up to the next multiple of 8 columns, counted from
// the start of `text` in characters (a UTF-8 sequence is one).
std::string expandTabs(std::string_view text);

// The lines as the screen shows them: a line break inside a line (the name line's own
// "\r\n") starts a line of its own, and tabs are expanded.
std::vector<std::string> displayedTableLines(const std::vector<std::string>& lines);

// Printed pages of a table of `lineCount` lines: the last line, always empty, is not
// printed when it would start a page of its own.
int tablePageCount(std::size_t lineCount);

// Indices [first, last) of the lines on page `page` (from 1).
struct PageLines {
    std::size_t first;
    std::size_t last;
};
PageLines tablePageLines(int page, std::size_t lineCount);

}  // namespace vorlan
