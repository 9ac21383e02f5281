#pragma once
// The library's changes: a load saved, duplicated, renamed, moved to another rifle, imported
// or exported. Every file is read through the safe reader and written through the safe
// writer; a load is changed line by line (its "Name:" or "Rifle:" line), so that lines this
// program does not know stay as they were. A write first compares the file with the stamp it
// had when it was read: a file changed since then (by another window or program) is left
// alone and the change told. Deleting is the desktop's own: it moves the file to the trash.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "shot/SafeFile.h"
#include "shot/ShotParameters.h"
#include "shot/library/LibraryListing.h"

namespace vorlan {

class ShotLibrary {
public:
    explicit ShotLibrary(std::string folder) : folder_(std::move(folder)) {}
    const std::string& folder() const { return folder_; }
    std::string pathOf(std::string_view file) const { return folder_ + '/' + std::string(file); }
    LibraryListing list() const { return listLibrary(folder_); }

    struct Outcome {
        enum class Result { Done, ChangedSinceRead, NotAShotFile, UnreadableLine, FileFailed, NotTrashed };
        Result result = Result::Done;
        FileOutcome file;      // the system's reason when FileFailed
        std::string problem;   // the first line that does not read whole (UnreadableLine); why not (NotTrashed)
        std::string fileName;  // the load's file in the folder, as it now is
        FileStamp stamp;       // the load's file as written
        explicit operator bool() const { return result == Result::Done; }
    };

    // Writes `shot` as `file` (a name in the folder). `read`: the file as it was read; none for
    // a file that is not there yet. A file that differs from it now is left as it is.
    Outcome save(const std::string& file, const ShotParameters& shot, const std::optional<FileStamp>& read);
    // A copy of the load under the next free name ("Name (2)"), its name line saying so.
    Outcome duplicate(const LibraryLoad& load);
    // The load's name and its file's name (the next free one when another load has it).
    Outcome rename(const LibraryLoad& load, std::string_view name);
    // The load under another rifle; an empty rifle puts it under "(no rifle)".
    Outcome moveToRifle(const LibraryLoad& load, std::string_view rifle);
    // A copy of a shot file from elsewhere, under its own name (the next free one when taken);
    // a file with a line that does not read whole is refused, as the library could not list it.
    Outcome importFile(const std::string& source);
    // A copy of the load at `target`, replacing what is there.
    Outcome exportLoad(const LibraryLoad& load, const std::string& target);
    // The load's regular file handed to `trash` (the desktop's trash, never a plain unlink),
    // which answers an empty text or why it could not take it; a file gone is told as changed.
    using Trash = std::function<std::string(const std::string& path)>;
    Outcome moveToTrash(const LibraryLoad& load, const Trash& trash);
    // The shot the load's file holds now, each line read whole (a file gone is told as
    // changed since it was read); the outcome's stamp is the file's as read.
    Outcome readLoad(const LibraryLoad& load, ShotParameters& shot) const;

    // The file name of a load named `name`: its suggested name (no leading dot, no slash, not
    // too long), "Load" when nothing of it is left; from `firstNumber` 2 on numbered " (2)",
    // " (3)"... until it is free. The number given is in `suffix` (empty for none).
    std::string freeFileName(std::string_view name, int firstNumber = 1, std::string* suffix = nullptr) const;

private:
    Outcome writeChecked(const std::string& file, std::string_view bytes, const std::optional<FileStamp>& read);
    Outcome changedLine(const LibraryLoad& load, std::string_view key, std::string_view value);

    std::string folder_;
};

// `bytes` with every line of `key` (with its colon, any case) taken out and one line of `value`
// put where the first stood (at the end when none did); with an empty `value` and
// `dropWhenEmpty`, none. Every other line keeps its bytes and its ending.
std::string withKeyLine(std::string_view bytes, std::string_view key, std::string_view value, bool dropWhenEmpty);

}  // namespace vorlan
