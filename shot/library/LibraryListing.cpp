#include "shot/library/LibraryListing.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "engine/Catalogue.h"
#include "engine/DragFunction.h"
#include "shot/CLocaleNumbers.h"
#include "shot/PreferencesFile.h"
#include "shot/ShotFile.h"

namespace vorlan {

namespace {

bool isShotFileName(std::string_view name) {
    constexpr std::string_view kExtension = ".vxf";
    // A hidden file (an editor's or the safe writer's temporary one) is no load.
    return name.size() > kExtension.size() && name.front() != '.' &&
           equalsNoCase(name.substr(name.size() - kExtension.size()), kExtension);
}

int compareNoCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (lower(a[i]) != lower(b[i])) return lower(a[i]) < lower(b[i]) ? -1 : 1;
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

LibraryLoad loadOf(const ShotParameters& shot) {
    LibraryLoad load;
    load.rifle = shot.rifle;
    load.name = shot.name;
    load.caliber = shot.caliber;
    load.weight = shot.weight;
    load.ballisticCoefficient = shot.ballisticCoefficient;
    load.dragFunction = shot.dragFunction;
    load.customDrag = shot.advanced.customDragOn();
    load.bcBands = shot.advanced.bcBandsOn();
    load.velocity = shot.velocity;
    load.sightInRange = shot.sightInRange;
    return load;
}

}  // namespace

std::int64_t fileModifiedNs(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return 0;
    return std::int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec;
}

FileStamp stampOf(std::string_view bytes, std::int64_t modifiedNs) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
    return {bytes.size(), modifiedNs, hash};
}

std::string coefficientText(const LibraryLoad& load) {
    return cFormat("%.4f %s", load.ballisticCoefficient, std::string(dragFunctionName(load.dragFunction)).c_str());
}

std::string unreadableReason(const UnreadableFile& unreadable) {
    switch (unreadable.why) {
        case UnreadableFile::Why::NoShotLine:
            return translated("it holds no shot-file line");
        case UnreadableFile::Why::FileError:
        case UnreadableFile::Why::BadLines:
            break;
    }
    return unreadable.detail;
}

std::optional<LibraryLoad> readLibraryLoad(const std::string& folder, const std::string& file,
                                           UnreadableFile* unreadable) {
    const std::string path = folder + '/' + file;
    UnreadableFile why{file, UnreadableFile::Why::FileError, {}};
    const std::int64_t modified = fileModifiedNs(path);
    std::string bytes;
    ShotParameters shot;
    std::vector<std::string> problems;
    if (const FileOutcome read = readRegularFile(path, bytes); !read) {
        why.detail = read.reason();
    } else if (!readShotTextTelling(bytes, shot, ShotReadMode::Load, problems)) {
        why.why = UnreadableFile::Why::NoShotLine;
    } else if (!problems.empty()) {
        why.why = UnreadableFile::Why::BadLines;
        why.detail = problems.front();
    } else {
        LibraryLoad load = loadOf(shot);
        load.file = file;
        load.stamp = stampOf(bytes, modified);
        return load;
    }
    if (unreadable) *unreadable = std::move(why);
    return std::nullopt;
}

bool listedBefore(const LibraryLoad& a, const LibraryLoad& b) {
    if (a.rifle.empty() != b.rifle.empty()) return b.rifle.empty();
    if (const int rifle = compareNoCase(a.rifle, b.rifle); rifle != 0) return rifle < 0;
    if (const int name = compareNoCase(a.name, b.name); name != 0) return name < 0;
    return a.file < b.file;
}

LibraryListing listLibrary(const std::string& folder) {
    namespace fs = std::filesystem;
    LibraryListing listing;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error == std::errc::no_such_file_or_directory) return listing;
    std::vector<std::string> files;
    for (; !error && entries != fs::directory_iterator(); entries.increment(error))
        if (std::string name = entries->path().filename().string(); isShotFileName(name))
            files.push_back(std::move(name));
    if (error) listing.folder.error = error.value();
    std::sort(files.begin(), files.end());
    for (const std::string& file : files) {
        UnreadableFile unreadable;
        if (std::optional<LibraryLoad> load = readLibraryLoad(folder, file, &unreadable))
            listing.loads.push_back(std::move(*load));
        else
            listing.unreadable.push_back(std::move(unreadable));
    }
    std::stable_sort(listing.loads.begin(), listing.loads.end(), listedBefore);
    return listing;
}

std::string defaultLibraryFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    // The desktop's folder rules ignore a relative XDG_DATA_HOME.
    std::string base = data && data[0] == '/' ? data : std::string();
    if (base.empty()) {
        const char* home = std::getenv("HOME");
        base = std::string(home ? home : "") + "/.local/share";
    }
    return base + "/Vorlan/Library";
}

std::string libraryFolder(std::string_view preferencesText) {
    const std::optional<std::string> chosen = preferenceValue(preferencesText, kLibraryFolderKey);
    return chosen && !chosen->empty() ? *chosen : defaultLibraryFolder();
}

}  // namespace vorlan
