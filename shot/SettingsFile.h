#pragma once
// The settings file: the shot-file lines of the main dialog's shot followed by the dialog
// colour and the folders and file name last used. Read once at start, written once at exit.

#include <cstdint>
#include <string>
#include <string_view>

#include "shot/SafeFile.h"
#include "shot/ShotParameters.h"

namespace vorlan {

struct AppSettings {
    std::uint8_t red = 195, green = 190, blue = 228;  // the dialog colour
    std::string saveDirectory;                        // folder of the last shot file, with its trailing "/"
    std::string saveFileName;                         // name of the last shot file
    std::string saveRangeTableDirectory;              // folder of the last saved range table
};

inline constexpr std::string_view kSettingsFileName = "Vorlan2.ini";

// The 39 lines of the settings file.
std::string settingsFileText(const ShotParameters& shot, const AppSettings& settings);
FileOutcome writeSettingsFile(const std::string& path, const ShotParameters& shot, const AppSettings& settings);

// Applies every line it recognises (all shot-file keys and the four settings keys). False
// when the file could not be opened; the record and settings are then unchanged.
FileOutcome readSettingsFile(const std::string& path, ShotParameters& shot, AppSettings& settings);
void applySettingsLine(std::string_view line, ShotParameters& shot, AppSettings& settings);

// "Dialog Color:" value: up to three integers separated by commas (or line breaks), each cut
// to its lowest 8 bits; a missing one keeps its component.
void parseDialogColor(std::string_view value, AppSettings& settings);

}  // namespace vorlan
