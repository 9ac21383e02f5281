#pragma once
// Text cut at every separator, as the tests read CSV lines and their fields.

#include <string>
#include <string_view>
#include <vector>

namespace vorlan::testing {

// The pieces between the separators: n separators give n + 1 pieces, empty ones kept.
inline std::vector<std::string> split(std::string_view text, char by) {
    std::vector<std::string> parts;
    for (std::size_t end = text.find(by); end != std::string_view::npos; end = text.find(by)) {
        parts.emplace_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    parts.emplace_back(text);
    return parts;
}

}  // namespace vorlan::testing
