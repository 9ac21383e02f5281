#pragma once
// The ".vxf" shot file: one "Key:value" line per field, each ending CR CR LF, numbers in
// the C locale. The reader takes LF, CR LF and CR CR LF endings, compares keys without
// regard to case, lets a later line win and never range-checks a value.

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

#include "ShotParameters.h"

namespace vorlan {

enum class ShotReadMode {
    Load,       // the Load command: every key
    GivenPath,  // a file named on the command line or dropped: the calculator keys are ignored
};

inline constexpr std::string_view kShotLineEnd = "\r\r\n";

// The 35 lines of the record as the writer produces them.
std::string shotFileText(const ShotParameters& shot);

// Replaces `path` with the shot's lines, through a temporary file and a rename so that a
// failed write never leaves half a file. False when the file could not be written.
bool writeFileAtomically(const std::string& path, std::string_view bytes);
bool writeShotFile(const std::string& path, const ShotParameters& shot);

// Calls `handle` with each line the reader sees: at most 255 bytes a piece, its LF and up
// to two CRs before it removed, cut at a NUL byte. A real shot file has some forty lines;
// reading stops after kMaxLines pieces, so that no file, however large, holds the program up.
inline constexpr long kMaxLines = 100000;
void forEachShotLine(std::FILE* file, const std::function<void(std::string_view)>& handle);

// Stores the value of one line if it begins with a shot-file key; false when none matched.
bool applyShotLine(std::string_view line, ShotParameters& shot, ShotReadMode mode);

// Resets muzzleAngle, then applies every line. False when the file could not be opened
// (a missing file, a directory, a device or pipe), leaving only the reset.
bool readShotFile(const std::string& path, ShotParameters& shot, ShotReadMode mode);
// The same on bytes in memory.
void readShotText(std::string_view bytes, ShotParameters& shot, ShotReadMode mode);

// Opens a regular file for reading; nullptr for anything else. Close with std::fclose.
std::FILE* openRegularFile(const std::string& path);

// A path from the shell names a shot when its last three characters are "vxf" in any case.
bool hasShotExtension(std::string_view path);

// A path split after its last separator: the directory keeps its trailing "/"; a path without
// one is all file name with an empty directory.
struct PathParts {
    std::string directory;
    std::string fileName;
};
PathParts splitAtLastSeparator(std::string_view path);

}  // namespace vorlan
