#pragma once
// The extras file: the main dialog's inputs that the settings file has no lines for (the shot
// file's lines after the designed ones), kept beside the settings file so that the settings
// file stays as it was designed. Written at exit, read at start after the settings file.

#include <string>
#include <string_view>

#include "shot/SafeFile.h"
#include "shot/ShotParameters.h"

namespace vorlan {

inline constexpr std::string_view kExtrasFileName = "Vorlan2 Extras.vxf";

// The extras file in the folder of the settings file `settingsPath`.
std::string extrasFilePath(std::string_view settingsPath);

// Replaces the file with the shot's extension lines (none when every one is at its default).
FileOutcome writeExtrasFile(const std::string& path, const ShotParameters& shot);
// Puts every extension input back to its default and applies the file's extension lines; any
// other line is passed over. A file that cannot be read leaves the shot unchanged.
FileOutcome readExtrasFile(const std::string& path, ShotParameters& shot);

}  // namespace vorlan
