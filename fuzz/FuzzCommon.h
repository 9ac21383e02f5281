#pragma once
// What the fuzz targets share: a failed check ends the run as a crash, so libFuzzer keeps
// the input, and the write-read check every target makes on the record it ended with.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "shot/AdvancedShotKeys.h"
#include "shot/ShotFile.h"

namespace vorlan::fuzz {

inline void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

// Whatever a record holds, the file written from it reads back to a record that writes the
// same file again.
inline void checkRoundTrip(const ShotParameters& shot) {
    ShotParameters once;
    readShotText(shotFileText(shot), once, ShotReadMode::Load);
    const std::string written = shotFileText(once);
    ShotParameters twice;
    readShotText(written, twice, ShotReadMode::Load);
    check(shotFileText(twice) == written, "a written shot file reads back to the same file");
}

// Takes values from the front of the fuzzer's bytes; zeros once they run out.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}
    template <typename T>
    T take() {
        T value{};
        const std::size_t n = std::min(sizeof value, rest_.size());
        std::memcpy(&value, rest_.data(), n);
        rest_.remove_prefix(n);
        return value;
    }
    std::string text() {
        const std::size_t n = std::min<std::size_t>(take<std::uint8_t>() * 2u, rest_.size());
        std::string value(rest_.substr(0, n));
        rest_.remove_prefix(n);
        return value;
    }
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

// A whole shot from the bytes: each designed field taken raw (any double, NaN and infinities
// included; any integer; any text), then the rest read as shot-file lines, so that every
// input after the designed ones (advanced effects, scope) is reached through its own key.
inline ShotParameters shotFrom(Bytes& bytes) {
    ShotParameters shot;
    for (const ShotFileLine& line : shotFileLines()) {
        std::visit(
            [&](auto member) {
                auto& value = shot.*member;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::string>)
                    value = bytes.text();
                else if constexpr (std::is_same_v<T, bool>)
                    value = (bytes.take<std::uint8_t>() & 1) != 0;
                else
                    value = bytes.take<T>();
            },
            line.member);
    }
    forEachShotLine(bytes.rest(), [&](std::string_view line) { applyExtensionShotLine(line, shot); });
    // The program flies no advanced input outside its bounds: every command checks it first.
    if (!advancedInputProblem(shot.advanced).empty()) resetExtensionInputs(shot);
    return shot;
}

}  // namespace vorlan::fuzz
