#pragma once
// What the fuzz targets share: a failed check ends the run as a crash, so libFuzzer keeps
// the input, and the write-read check every target makes on the record it ended with.

#include <cstdio>
#include <cstdlib>

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

}  // namespace vorlan::fuzz
