// The settings reader: every shot-file key, the colour and the three remembered locations.

#include <cstdint>
#include <string_view>

#include "fuzz/FuzzCommon.h"
#include "shot/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlan;
    ShotParameters shot;
    AppSettings settings;
    const auto apply = [&](std::string_view line) { applySettingsLine(line, shot, settings); };
    forEachShotLine(std::string_view(reinterpret_cast<const char*>(data), size), apply);
    fuzz::checkRoundTrip(shot);
    // The settings written from what was read are read back unchanged.
    const std::string written = settingsFileText(shot, settings);
    ShotParameters shotAgain;
    AppSettings again;
    forEachShotLine(written, [&](std::string_view line) { applySettingsLine(line, shotAgain, again); });
    fuzz::check(settingsFileText(shotAgain, again) == written, "settings read back as written");
    return 0;
}
