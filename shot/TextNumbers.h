#pragma once
// Typed text read strictly: blanks trimmed, then the whole of it one finite number in the C
// locale (an optional leading '+'), for the lists and cells users type (cards, observations).

#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace vorlan {

inline std::string_view trimmedBlanks(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

// None for an empty text, trailing characters, an overflow, NaN or an infinity.
inline std::optional<double> wholeNumber(std::string_view text) {
    text = trimmedBlanks(text);
    const bool plus = !text.empty() && text.front() == '+';
    if (plus) text.remove_prefix(1);
    if (text.empty() || (plus && text.front() == '-')) return std::nullopt;  // one sign at most
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace vorlan
