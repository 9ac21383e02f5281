#include "shot/PrintableText.h"

namespace vorlan {

namespace {

constexpr unsigned char kDelete = 0x7F;
constexpr unsigned char kC1Lead = 0xC2;  // U+0080..U+00BF begin with it; U+0080..U+009F are controls

bool continuation(unsigned char c) { return (c & 0xC0) == 0x80; }
bool lineBreak(unsigned char c) { return c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string ControlCharacterFilter::pass(std::string_view piece) {
    std::string out;
    out.reserve(piece.size() + 1);
    for (const char ch : piece) {
        const auto c = static_cast<unsigned char>(ch);
        if (afterC2_) {
            afterC2_ = false;
            if (c >= 0x80 && c <= 0x9F) continue;  // a C1 control: both bytes go
            out += static_cast<char>(kC1Lead);
        }
        if (c == kC1Lead) {
            afterC2_ = true;
            continue;
        }
        if ((c < 0x20 && !(keepLineBreaks_ && lineBreak(c))) || c == kDelete) continue;
        out += ch;
    }
    return out;
}

std::string printableText(std::string_view text) {
    std::string blanked(text);
    for (char& c : blanked)
        if (lineBreak(static_cast<unsigned char>(c))) c = ' ';
    ControlCharacterFilter filter(false);
    std::string out = filter.pass(blanked);
    return out + filter.pass({});
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) count += !continuation(static_cast<unsigned char>(c));
    return count;
}

std::string_view leadingCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t seen = 0; end < text.size(); ++end) {
        if (!continuation(static_cast<unsigned char>(text[end])) && seen++ == count) break;
    }
    return text.substr(0, end);
}

}  // namespace vorlan
