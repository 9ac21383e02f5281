#include "reports/table/TableCopy.h"

#include <algorithm>
#include <cctype>

#include "reports/table/TableText.h"

namespace vorlan {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Every blank-separated word is a number or the muzzle row's "-----".
bool isNumberRow(std::string_view line) {
    bool any = false;
    for (const char c : line) {
        if (isBlank(c)) continue;
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '.')) return false;
        any = true;
    }
    return any;
}

// The shown lines [first, last] without tab expansion, so that tabs still mark cells.
std::vector<std::string_view> shownPieces(const std::vector<std::string>& lines, std::size_t first, std::size_t last) {
    std::vector<std::string_view> pieces;
    std::size_t index = 0;
    for (const std::string& line : lines) {
        std::string_view rest(line);
        for (bool more = true; more && index <= last; ++index) {
            const std::size_t end = rest.find("\r\n");
            more = end != std::string_view::npos;
            if (index >= first) pieces.push_back(rest.substr(0, end));
            if (more) rest.remove_prefix(end + 2);
        }
        if (index > last) break;
    }
    return pieces;
}

}  // namespace

std::vector<std::string> tableLineCells(std::string_view line) {
    const bool numbers = isNumberRow(line);
    std::vector<std::string> cells;
    std::string cell;
    std::size_t blanks = 0;  // blanks seen since the last character of the cell
    const auto endCell = [&] {
        if (!cell.empty()) cells.push_back(cell);
        cell.clear();
        blanks = 0;
    };
    for (const char c : line) {
        if (c == '\t' || (c == ' ' && (numbers || blanks >= 1))) {
            endCell();
        } else if (c == ' ') {
            ++blanks;
        } else {
            if (blanks > 0 && !cell.empty()) cell += ' ';
            blanks = 0;
            cell += c;
        }
    }
    endCell();
    return cells;
}

std::string copiedTableText(const std::vector<std::string>& lines, std::size_t first, std::size_t last) {
    std::string text;
    for (const std::string_view piece : shownPieces(lines, first, last)) text += expandTabs(piece) + '\n';
    return text;
}

std::string copiedTableCells(const std::vector<std::string>& lines, std::size_t first, std::size_t last) {
    std::string text;
    for (const std::string_view piece : shownPieces(lines, first, last)) {
        const std::vector<std::string> cells = tableLineCells(piece);
        for (std::size_t i = 0; i < cells.size(); ++i) text += (i == 0 ? "" : "\t") + cells[i];
        text += '\n';
    }
    return text;
}

}  // namespace vorlan
