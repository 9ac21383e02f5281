#include "reports/table/TableText.h"

#include <algorithm>

namespace vorlan {

std::string expandTabs(std::string_view text) {
    std::string expanded;
    std::size_t column = 0;
    for (const char c : text) {
        if (c == '\t') {
            do {
                expanded += ' ';
                ++column;
            } while (column % 8 != 0);
        } else {
            expanded += c;
            // A UTF-8 sequence takes one column: its continuation bytes take none.
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++column;
        }
    }
    return expanded;
}

std::string savedTableLine(const std::string& line) { return expandTabs(line + "\r\n"); }

std::string savedTableText(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);  // tabs may still grow it a little
    for (const std::string& line : lines) text += savedTableLine(line);
    return text;
}

std::vector<std::string> displayedTableLines(const std::vector<std::string>& lines) {
    std::vector<std::string> shown;
    shown.reserve(lines.size() + 1);
    for (const std::string& line : lines) {
        std::string_view rest(line);
        for (std::size_t end = rest.find("\r\n"); end != std::string_view::npos; end = rest.find("\r\n")) {
            shown.push_back(expandTabs(rest.substr(0, end)));
            rest.remove_prefix(end + 2);
        }
        shown.push_back(expandTabs(rest));
    }
    return shown;
}

int tablePageCount(std::size_t lineCount) {
    const std::size_t printed = lineCount > 0 ? lineCount - 1 : 0;
    const std::size_t pages = printed / kLinesPerPage + (printed % kLinesPerPage != 0 ? 1 : 0);
    return static_cast<int>(std::max<std::size_t>(pages, 1));
}

PageLines tablePageLines(int page, std::size_t lineCount) {
    const std::size_t first = static_cast<std::size_t>(std::max(page - 1, 0)) * kLinesPerPage;
    return {std::min(first, lineCount), std::min(first + kLinesPerPage, lineCount)};
}

}  // namespace vorlan
