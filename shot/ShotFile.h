#pragma once
// The ".vxf" shot file: one "Key:value" line per field, each ending CR CR LF, numbers in
// the C locale. The reader reads whole lines (LF, CR LF, CR CR LF or a lone CR end one),
// compares keys without regard to case, lets a later line win and never range-checks a value.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shot/SafeFile.h"
#include "shot/ShotParameters.h"

namespace vorlan {

enum class ShotReadMode {
    Load,       // the Load command: every key
    GivenPath,  // a file named on the command line or dropped: the calculator keys are ignored
};

inline constexpr std::string_view kShotLineEnd = "\r\r\n";

// The 35 lines of the record as the writer produces them.
std::string shotFileText(const ShotParameters& shot);

// The lines after the designed ones: the inputs the design does not have (advanced effects,
// the scope profile),
// each written only when it differs from its default. No designed key begins like them.
std::string extensionShotFileText(const ShotParameters& shot);
// Stores the value of a line that begins with an extension key; false when none matched. The
// extension keys read their values whole: a value that does not read is left unstored (an
// earlier line's stands) and told in `problem`, naming the key and the value.
bool applyExtensionShotLine(std::string_view line, ShotParameters& shot, std::string* problem = nullptr);
// Puts every extension input back to its default (a file holds only the ones that differ).
void resetExtensionInputs(ShotParameters& shot);

// A text field as it is stored: CR and LF become blanks, so that no value can end its line
// early and forge another key.
std::string withoutLineBreaks(std::string_view text);

// Replaces `path` with the shot's lines (see writeFileAtomically).
FileOutcome writeShotFile(const std::string& path, const ShotParameters& shot);

// Takes the first line off `bytes`, without its end: a line ends at an LF with any CRs before
// it, or at CRs not followed by an LF.
std::string_view takeLine(std::string_view& bytes);

// Calls `handle` with each line (takeLine); its text ends at a NUL byte. A line longer than
// kMaxLineBytes is cut and the rest skipped; reading stops after kMaxLines lines.
inline constexpr long kMaxLines = 100000;
inline constexpr std::size_t kMaxLineBytes = 1u << 20;
void forEachShotLine(std::string_view bytes, const std::function<void(std::string_view)>& handle);

// Stores the value of one line if it begins with a shot-file key; false when none matched. What
// an extension line's value does not read is told in `problem` (applyExtensionShotLine).
bool applyShotLine(std::string_view line, ShotParameters& shot, ShotReadMode mode, std::string* problem = nullptr);

// What is wrong with an extension line whose value cannot be read whole (a number, a flag, a
// list item, a click value), as a message naming its key and value; empty when nothing is. With `everyNumber` a number
// that is not one is a problem as well, although the designed reader takes it as 0.
std::string shotLineProblem(std::string_view line, bool everyNumber = false);

// The lines of a shot file read into `shot` as readShotText does, with every problem of its
// lines, each naming its line ("line 37: Hit Level: "abc" is not a number"); false when the
// bytes hold no shot-file key at all.
bool readShotTextTelling(std::string_view bytes, ShotParameters& shot, ShotReadMode mode,
                         std::vector<std::string>& problems);

// Resets muzzleAngle, then applies every line. Fails when the file could not be read (a
// missing file, a directory, a device, pipe or socket), leaving only the reset. The lines that
// did not read whole are told in `problems` (shotLineProblem) when it is given.
FileOutcome readShotFile(const std::string& path, ShotParameters& shot, ShotReadMode mode,
                         std::vector<std::string>* problems = nullptr);
// The same on bytes in memory.
void readShotText(std::string_view bytes, ShotParameters& shot, ShotReadMode mode);

// A path from the shell names a shot when its last three characters are "vxf" in any case.
bool hasShotExtension(std::string_view path);

}  // namespace vorlan
