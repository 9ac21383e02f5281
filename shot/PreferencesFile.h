#pragma once
// The preferences file: the desktop's view choices, INI text of its own beside the settings
// file ("[Section]" lines head "key=value" lines). It is read and replaced through the safe
// reader and writer; a value is changed where it stands and every other line is kept.

#include <optional>
#include <string>
#include <string_view>

#include "shot/SafeFile.h"

namespace vorlan {

// The value of "Section/key" in the text; nullopt when it holds none.
std::optional<std::string> preferenceValue(std::string_view text, std::string_view sectionKey);

// The text with "Section/key" set to `value`: its line replaced where it stands, or added at
// the end of its section (a new section at the end of the text).
std::string withPreferenceValue(std::string_view text, std::string_view sectionKey, std::string_view value);

// Sets the values of `changes` ("Section/key", value) in the file, keeping its other lines. A
// missing file is created; a file that exists but cannot be read is left as it is.
struct PreferenceChange {
    std::string_view sectionKey;
    std::string value;
};
FileOutcome writePreferences(const std::string& path, std::initializer_list<PreferenceChange> changes);

// The value of "Section/key" in the file at `path`; nullopt when the file cannot be read or
// holds none.
std::optional<std::string> readPreference(const std::string& path, std::string_view sectionKey);
// Keeps one choice: its default is written only over a value the file holds already, so a
// file whose choice never left the default keeps its bytes (and none is made for it).
FileOutcome writeChoice(const std::string& path, std::string_view sectionKey, std::string_view value,
                        std::string_view defaultValue);

}  // namespace vorlan
