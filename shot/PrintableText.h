#pragma once
// Text a user typed (a shot's or a target's name), made safe to print and to measure: control
// characters, which would ring the terminal, move its cursor or make an XML file malformed,
// are dropped, and UTF-8 text is counted and cut by characters, never inside one.

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlan {

// Drops the C0 controls (but keeps a tab, a CR and an LF when `keepLineBreaks`), DEL and the
// C1 controls (U+0080 to U+009F). Text may come in pieces: a character split between two
// pieces is judged whole.
class ControlCharacterFilter {
public:
    explicit ControlCharacterFilter(bool keepLineBreaks) : keepLineBreaks_(keepLineBreaks) {}
    // The piece's printable text.
    std::string pass(std::string_view piece);

private:
    bool keepLineBreaks_;
    bool afterC2_ = false;  // the last piece ended in the first byte of U+0080..U+00BF
};

// One line of text with its control characters dropped (a tab, CR or LF becomes a blank).
std::string printableText(std::string_view text);

// The characters of UTF-8 text (its bytes that begin a character).
std::size_t characterCount(std::string_view text);

// The first `count` characters of UTF-8 text, whole.
std::string_view leadingCharacters(std::string_view text, std::size_t count);

}  // namespace vorlan
