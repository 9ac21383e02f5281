#include "shot/library/ShotLibrary.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "shot/CLocaleNumbers.h"
#include "shot/FileTitle.h"
#include "shot/PrintableText.h"
#include "shot/ShotFile.h"
#include "shot/TextShotKeys.h"

namespace vorlan {

namespace {

using Result = ShotLibrary::Outcome::Result;

constexpr std::string_view kExtension = ".vxf";
constexpr std::string_view kNameKey = "Name:";
// Characters of a name kept in its file name: with " (99)" and ".vxf" well within the 255
// bytes a file name may have, however wide its characters.
constexpr std::size_t kFileNameCharacters = 60;

ShotLibrary::Outcome failed(int error) { return {Result::FileFailed, FileOutcome{error}, {}, {}, {}}; }

// "Name (3)" without its number: a copy of a copy is numbered afresh.
std::string_view withoutCopyNumber(std::string_view name) {
    if (name.size() < 4 || name.back() != ')') return name;
    const std::size_t open = name.rfind(" (");
    if (open == std::string_view::npos) return name;
    const std::string_view digits = name.substr(open + 2, name.size() - open - 3);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return name;
    return name.substr(0, open);
}

// Renames without replacing a file that is there already (EEXIST).
int renameNoReplace(const std::string& from, const std::string& to) {
    struct stat info {};
    if (::lstat(to.c_str(), &info) == 0) return EEXIST;
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// The file name of a load named `name`, without number and extension.
std::string fileBase(std::string_view name) {
    std::string base(leadingCharacters(suggestedFileName(printableText(name)), kFileNameCharacters));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    return base.empty() ? std::string("Load") : base;
}

// The bytes of a load's file; a file gone is told as changed since it was read.
ShotLibrary::Outcome readLoadBytes(const std::string& path, const std::string& file, std::string& bytes) {
    if (const FileOutcome read = readRegularFile(path, bytes); !read)
        return read.error == ENOENT ? ShotLibrary::Outcome{Result::ChangedSinceRead, {}, {}, file, {}}
                                    : failed(read.error);
    return {};
}

// The shot of a file's bytes, each line read whole, as the listing reads it.
ShotLibrary::Outcome readWhole(std::string_view bytes, ShotParameters& shot) {
    std::vector<std::string> problems;
    if (!readShotTextTelling(bytes, shot, ShotReadMode::Load, problems)) return {Result::NotAShotFile, {}, {}, {}, {}};
    if (!problems.empty()) return {Result::UnreadableLine, {}, problems.front(), {}, {}};
    return {};
}

bool taken(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace

std::string withKeyLine(std::string_view bytes, std::string_view key, std::string_view value, bool dropWhenEmpty) {
    const std::string line = withoutLineBreaks(std::string(key) + std::string(value)) + std::string(kShotLineEnd);
    const bool drop = dropWhenEmpty && value.empty();
    std::string text;
    bool placed = false;
    while (!bytes.empty()) {
        const std::string_view rest = bytes;
        const std::string_view current = takeLine(bytes);
        const std::string_view whole = rest.substr(0, rest.size() - bytes.size());  // with its ending
        if (!startsWithNoCase(current, key)) {
            text.append(whole);
            if (bytes.empty() && whole.size() == current.size()) text.append(kShotLineEnd);
            continue;
        }
        if (!placed && !drop) text.append(line);
        placed = true;
    }
    if (!placed && !drop) text.append(line);
    return text;
}

std::string ShotLibrary::freeFileName(std::string_view name, int firstNumber, std::string* suffix) const {
    const std::string base = fileBase(name);
    for (int number = firstNumber;; ++number) {
        const std::string numbered = number == 1 ? std::string() : cFormat(" (%d)", number);
        const std::string file = base + numbered + std::string(kExtension);
        if (taken(pathOf(file))) continue;
        if (suffix) *suffix = numbered;
        return file;
    }
}

ShotLibrary::Outcome ShotLibrary::writeChecked(const std::string& file, std::string_view bytes,
                                               const std::optional<FileStamp>& read) {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) return failed(error.value());
    const std::string path = pathOf(file);
    std::string now;
    const FileOutcome current = readRegularFile(path, now);
    const bool there = current || current.error != ENOENT;
    if (read && !current && there) return failed(current.error);
    if (read ? !there || stampOf(now, fileModifiedNs(path)) != *read : there)
        return {Result::ChangedSinceRead, {}, {}, file, {}};
    if (const FileOutcome written = writeFileAtomically(path, bytes); !written) return failed(written.error);
    return {Result::Done, {}, {}, file, stampOf(bytes, fileModifiedNs(path))};
}

ShotLibrary::Outcome ShotLibrary::save(const std::string& file, const ShotParameters& shot,
                                       const std::optional<FileStamp>& read) {
    return writeChecked(file, shotFileText(shot) + extensionShotFileText(shot), read);
}

ShotLibrary::Outcome ShotLibrary::changedLine(const LibraryLoad& load, std::string_view key, std::string_view value) {
    std::string bytes;
    if (const Outcome read = readLoadBytes(pathOf(load.file), load.file, bytes); !read) return read;
    return writeChecked(load.file, withKeyLine(bytes, key, value, key != kNameKey), load.stamp);
}

ShotLibrary::Outcome ShotLibrary::moveToTrash(const LibraryLoad& load, const Trash& trash) {
    std::string bytes;
    if (const Outcome read = readLoadBytes(pathOf(load.file), load.file, bytes); !read) return read;
    if (std::string why = trash(pathOf(load.file)); !why.empty())
        return {Result::NotTrashed, {}, std::move(why), load.file, {}};
    return {};
}

ShotLibrary::Outcome ShotLibrary::duplicate(const LibraryLoad& load) {
    std::string bytes;
    if (const FileOutcome read = readRegularFile(pathOf(load.file), bytes); !read) return failed(read.error);
    const std::string_view base = withoutCopyNumber(load.name);
    std::string number;
    const std::string file = freeFileName(base, 2, &number);
    return writeChecked(file, withKeyLine(bytes, kNameKey, std::string(base) + number, false), std::nullopt);
}

ShotLibrary::Outcome ShotLibrary::rename(const LibraryLoad& load, std::string_view name) {
    Outcome renamed = changedLine(load, kNameKey, name);
    if (!renamed) return renamed;
    // The file keeps its name when it already is the one the new name gives.
    if (fileBase(name) + std::string(kExtension) == load.file) return renamed;
    const std::string file = freeFileName(name);
    if (const int error = renameNoReplace(pathOf(load.file), pathOf(file)); error != 0) return failed(error);
    renamed.fileName = file;
    return renamed;
}

ShotLibrary::Outcome ShotLibrary::moveToRifle(const LibraryLoad& load, std::string_view rifle) {
    return changedLine(load, rifleKey().key, rifle);
}

ShotLibrary::Outcome ShotLibrary::importFile(const std::string& source) {
    std::string bytes;
    if (const FileOutcome read = readRegularFile(source, bytes); !read) return failed(read.error);
    ShotParameters shot;
    if (const Outcome read = readWhole(bytes, shot); !read) return read;
    return writeChecked(freeFileName(fileTitle(source, kExtension)), bytes, std::nullopt);
}

ShotLibrary::Outcome ShotLibrary::exportLoad(const LibraryLoad& load, const std::string& target) {
    std::string bytes;
    if (const FileOutcome read = readRegularFile(pathOf(load.file), bytes); !read) return failed(read.error);
    if (const FileOutcome written = writeFileAtomically(target, bytes); !written) return failed(written.error);
    return {Result::Done, {}, {}, load.file, load.stamp};
}

ShotLibrary::Outcome ShotLibrary::readLoad(const LibraryLoad& load, ShotParameters& shot) const {
    const std::string path = pathOf(load.file);
    std::string bytes;
    if (const Outcome read = readLoadBytes(path, load.file, bytes); !read) return read;
    Outcome outcome = readWhole(bytes, shot);
    outcome.fileName = load.file;
    if (outcome) outcome.stamp = stampOf(bytes, fileModifiedNs(path));
    return outcome;
}

}  // namespace vorlan
