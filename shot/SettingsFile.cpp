#include "shot/SettingsFile.h"

#include <array>

#include "shot/CLocaleNumbers.h"
#include "shot/ShotFile.h"

namespace vorlan {

namespace {
constexpr std::string_view kColorKey = "Dialog Color:";
constexpr std::string_view kDirectoryKey = "Save Directory:";
constexpr std::string_view kFileKey = "Save File:";
constexpr std::string_view kTableDirectoryKey = "Save Range Table Directory:";
}  // namespace

std::string settingsFileText(const ShotParameters& shot, const AppSettings& settings) {
    std::string text = shotFileText(shot);
    const std::string_view end = kShotLineEnd;
    text += cFormat("Dialog Color:%3.3d,%3.3d,%3.3d", settings.red, settings.green, settings.blue);
    text.append(end).append(kDirectoryKey).append(withoutLineBreaks(settings.saveDirectory)).append(end);
    text.append(kFileKey).append(withoutLineBreaks(settings.saveFileName)).append(end);
    text.append(kTableDirectoryKey).append(withoutLineBreaks(settings.saveRangeTableDirectory)).append(end);
    return text;
}

FileOutcome writeSettingsFile(const std::string& path, const ShotParameters& shot, const AppSettings& settings) {
    return writeFileAtomically(path, settingsFileText(shot, settings));
}

void parseDialogColor(std::string_view value, AppSettings& settings) {
    std::array<std::uint8_t*, 3> components = {&settings.red, &settings.green, &settings.blue};
    std::size_t next = 0;
    std::size_t pos = 0;
    while (next < components.size()) {
        // Separators collapse: empty tokens do not count.
        pos = value.find_first_not_of(",\r\n", pos);
        if (pos == std::string_view::npos) break;
        const std::size_t end = value.find_first_of(",\r\n", pos);
        const std::string_view token = value.substr(pos, end == std::string_view::npos ? end : end - pos);
        *components[next++] = static_cast<std::uint8_t>(cToInt(token) & 0xFF);
        pos = end;
    }
}

void applySettingsLine(std::string_view line, ShotParameters& shot, AppSettings& settings) {
    if (applyShotLine(line, shot, ShotReadMode::Load)) return;
    if (startsWithNoCase(line, kFileKey))
        settings.saveFileName = line.substr(kFileKey.size());
    else if (startsWithNoCase(line, kDirectoryKey))
        settings.saveDirectory = line.substr(kDirectoryKey.size());
    else if (startsWithNoCase(line, kTableDirectoryKey))
        settings.saveRangeTableDirectory = line.substr(kTableDirectoryKey.size());
    else if (startsWithNoCase(line, kColorKey))
        parseDialogColor(line.substr(kColorKey.size()), settings);
}

FileOutcome readSettingsFile(const std::string& path, ShotParameters& shot, AppSettings& settings) {
    std::string bytes;
    const FileOutcome outcome = readRegularFile(path, bytes);
    if (outcome) forEachShotLine(bytes, [&](std::string_view line) { applySettingsLine(line, shot, settings); });
    return outcome;
}

}  // namespace vorlan
