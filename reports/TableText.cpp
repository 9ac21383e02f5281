#include "TableText.h"

#include <algorithm>

namespace vorlan {

std::string savedTableText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        std::size_t column = 0;
        for (const char c : line + "\r\n") {
            if (c == '\t') {
                do {
                    text += ' ';
                    ++column;
                } while (column % 8 != 0);
            } else {
                text += c;
                ++column;
            }
        }
    }
    return text;
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
