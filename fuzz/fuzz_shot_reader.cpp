// The shot-file reader in both modes: the Load command and a file from the shell.

#include <cstdint>
#include <string_view>

#include "fuzz/FuzzCommon.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlan;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const ShotReadMode mode : {ShotReadMode::Load, ShotReadMode::GivenPath}) {
        ShotParameters shot;
        readShotText(bytes, shot, mode);
        if (mode == ShotReadMode::GivenPath) {
            const ShotParameters defaults;
            fuzz::check(shot.calcMode == defaults.calcMode && shot.calcGunWeight == defaults.calcGunWeight,
                        "a file from the shell leaves the calculator alone");
        }
        fuzz::check(shot.name.find_first_of("\r\n") == std::string::npos, "no line break inside a name");
        fuzz::checkRoundTrip(shot);
    }
    return 0;
}
