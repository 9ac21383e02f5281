#include "shot/ExtrasFile.h"

#include "shot/FileTitle.h"
#include "shot/ShotFile.h"

namespace vorlan {

std::string extrasFilePath(std::string_view settingsPath) {
    return splitAtLastSeparator(settingsPath).directory + std::string(kExtrasFileName);
}

FileOutcome writeExtrasFile(const std::string& path, const ShotParameters& shot) {
    return writeFileAtomically(path, extensionShotFileText(shot));
}

FileOutcome readExtrasFile(const std::string& path, ShotParameters& shot) {
    std::string bytes;
    const FileOutcome outcome = readRegularFile(path, bytes);
    if (!outcome) return outcome;
    resetExtensionInputs(shot);
    // Only the extension lines: the designed inputs come from the settings file alone.
    forEachShotLine(bytes, [&](std::string_view line) { applyExtensionShotLine(line, shot); });
    return outcome;
}

}  // namespace vorlan
