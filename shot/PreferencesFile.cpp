#include "shot/PreferencesFile.h"

#include <cerrno>

namespace vorlan {

namespace {

struct Line {
    std::string_view text;  // without its line end
    std::size_t start;      // offset of its first byte
    std::size_t end;        // offset after its line end
};

// Calls `handle(line, section)` for every line, `section` the name of the last "[...]" line.
template <class Handle>
void forEachPreferenceLine(std::string_view text, Handle handle) {
    std::string_view section;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t newline = text.find('\n', start);
        const std::size_t end = newline == std::string_view::npos ? text.size() : newline + 1;
        std::string_view line = text.substr(start, end - start);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
            section = line.substr(1, line.size() - 2);
        else if (!handle(Line{line, start, end}, section))
            return;
        start = end;
    }
}

// "Section/key" split at its slash.
struct SectionKey {
    std::string_view section;
    std::string_view key;
};
SectionKey splitSectionKey(std::string_view sectionKey) {
    const std::size_t slash = sectionKey.find('/');
    return {sectionKey.substr(0, slash), sectionKey.substr(slash + 1)};
}

bool isKeyLine(std::string_view line, std::string_view key) {
    return line.size() > key.size() && line.substr(0, key.size()) == key && line[key.size()] == '=';
}

}  // namespace

std::optional<std::string> preferenceValue(std::string_view text, std::string_view sectionKey) {
    const SectionKey split = splitSectionKey(sectionKey);
    const std::string_view section = split.section, key = split.key;
    std::optional<std::string> value;
    forEachPreferenceLine(text, [&](const Line& line, std::string_view in) {
        if (in == section && isKeyLine(line.text, key)) value = std::string(line.text.substr(key.size() + 1));
        return !value;
    });
    return value;
}

std::string withPreferenceValue(std::string_view text, std::string_view sectionKey, std::string_view value) {
    const SectionKey split = splitSectionKey(sectionKey);
    const std::string_view section = split.section, key = split.key;
    const std::string newLine = std::string(key) + '=' + std::string(value) + '\n';
    std::size_t replaceFrom = std::string_view::npos, replaceTo = 0, sectionEnd = std::string_view::npos;
    forEachPreferenceLine(text, [&](const Line& line, std::string_view in) {
        if (in != section) return true;
        sectionEnd = line.end;
        if (!isKeyLine(line.text, key)) return true;
        replaceFrom = line.start;
        replaceTo = line.end;
        return false;
    });
    std::string result(text);
    if (replaceFrom != std::string_view::npos) return result.replace(replaceFrom, replaceTo - replaceFrom, newLine);
    if (!result.empty() && result.back() != '\n') result += '\n';
    if (sectionEnd == text.size()) sectionEnd = result.size();  // the section ends the text
    if (sectionEnd == std::string_view::npos) {
        // The section's head may stand without lines: look for it before adding another.
        const std::string head = '[' + std::string(section) + "]\n";
        std::size_t at = result.find(head);
        while (at != std::string::npos && at != 0 && result[at - 1] != '\n') at = result.find(head, at + 1);
        if (at == std::string::npos) return result + head + newLine;
        sectionEnd = at + head.size();
    }
    return result.insert(std::min(sectionEnd, result.size()), newLine);
}

FileOutcome writePreferences(const std::string& path, std::initializer_list<PreferenceChange> changes) {
    std::string text;
    const FileOutcome read = readRegularFile(path, text);
    if (!read && read.error != ENOENT) return read;
    for (const PreferenceChange& change : changes) text = withPreferenceValue(text, change.sectionKey, change.value);
    return writeFileAtomically(path, text);
}

std::optional<std::string> readPreference(const std::string& path, std::string_view sectionKey) {
    std::string text;
    if (path.empty() || !readRegularFile(path, text)) return std::nullopt;
    return preferenceValue(text, sectionKey);
}

FileOutcome writeChoice(const std::string& path, std::string_view sectionKey, std::string_view value,
                        std::string_view defaultValue) {
    if (value == defaultValue && !readPreference(path, sectionKey)) return {};
    return writePreferences(path, {{sectionKey, std::string(value)}});
}

}  // namespace vorlan
