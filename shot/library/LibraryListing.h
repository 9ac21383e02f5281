#pragma once
// The library: a folder of shot files, each a load, grouped by the rifle its "Rifle:" line
// names. Nothing else makes a file part of it: a .vxf copied into the folder is a load. Every
// file is read once, through the one shot reader; a file that cannot be read is told with its
// reason and the others are listed all the same.
//
//   folder -> *.vxf -> readRegularFile -> readShotTextTelling -> LibraryLoad (+ its stamp)
//                                                             -> UnreadableFile (its reason)

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shot/SafeFile.h"
#include "shot/ShotParameters.h"

namespace vorlan {

// A file as it was read: a later write first compares the file with it, so that a load
// changed since (by another window or program) is not overwritten unseen.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;  // last change, nanoseconds since 1970
    std::uint64_t hash = 0;       // of the bytes (FNV-1a)
    bool operator==(const FileStamp&) const = default;
};
FileStamp stampOf(std::string_view bytes, std::int64_t modifiedNs);
// The file's last change in nanoseconds since 1970; 0 when it cannot be told.
std::int64_t fileModifiedNs(const std::string& path);

// One load: the columns the library shows, taken from its shot file.
struct LibraryLoad {
    std::string file;   // the file's name in the folder
    std::string rifle;  // empty: listed under "(no rifle)"
    std::string name;
    std::string caliber;
    double weight = 0.0;                // grains
    double ballisticCoefficient = 0.0;  // referred to dragFunction
    int dragFunction = 0;
    bool customDrag = false;    // flown with a custom drag table instead of the coefficient
    bool bcBands = false;       // the coefficient changes with the velocity
    double velocity = 0.0;      // ft/s
    double sightInRange = 0.0;  // yd
    FileStamp stamp;
};

// The coefficient with its drag function: "0.2430 G7" (the lists add "(bands)", or show
// "custom drag" in its place).
std::string coefficientText(const LibraryLoad& load);

// A file of the folder that is not listed as a load, and why.
struct UnreadableFile {
    enum class Why { FileError, NoShotLine, BadLines };
    std::string file;
    Why why = Why::FileError;
    std::string detail;  // the system's reason, or the first line that did not read
};
// The reason in a line: "Permission denied", "it holds no shot-file line", "line 3: ...".
std::string unreadableReason(const UnreadableFile& unreadable);

struct LibraryListing {
    FileOutcome folder;                      // why the folder itself could not be read
    std::vector<LibraryLoad> loads;          // sorted by rifle, then name ("(no rifle)" last)
    std::vector<UnreadableFile> unreadable;  // by file name
};

// Reads every shot file of `folder` (not its subfolders). A missing folder is an empty library.
LibraryListing listLibrary(const std::string& folder);

// Reads one file of the library; none when it is not a load, the reason in `unreadable`.
std::optional<LibraryLoad> readLibraryLoad(const std::string& folder, const std::string& file,
                                           UnreadableFile* unreadable = nullptr);

// Rifle before name, both without regard to case; loads without a rifle after the others.
bool listedBefore(const LibraryLoad& a, const LibraryLoad& b);

// The caption of the loads without a rifle.
inline constexpr std::string_view kNoRifle = "(no rifle)";

// The library folder: $XDG_DATA_HOME/Vorlan/Library, or ~/.local/share/Vorlan/Library.
std::string defaultLibraryFolder();
// The folder chosen in the Library window, as the preferences text keeps it; the default
// folder when it keeps none.
inline constexpr std::string_view kLibraryFolderKey = "Library/Folder";
std::string libraryFolder(std::string_view preferencesText);

}  // namespace vorlan
