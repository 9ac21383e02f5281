#pragma once
// Reading and replacing the program's small text files (shot files, the settings file, saved
// tables) so that nothing is lost, hidden or blocked: only regular files are read, opened
// without blocking and checked on the same descriptor; a file is replaced through a
// temporary file and a rename, keeping what the user relies on (permission bits, a symbolic
// link, a read-only file), and every write and the commit are checked.

#include <string>
#include <string_view>

namespace vorlan {

// The result of a file operation: 0 or the system's error number; kNotRegularFile when the
// path names a folder, device, pipe or socket.
struct FileOutcome {
    static constexpr int kNotRegularFile = -1;
    int error = 0;
    explicit operator bool() const { return error == 0; }
    // The system's reason, e.g. "No space left on device" (the C library's words, in its locale),
    // or our own, in the chosen language.
    std::string reason() const;
};

// At most this many bytes of a file are read; the program's files are a few kilobytes.
inline constexpr std::size_t kMaxReadBytes = 16u << 20;

// Reads up to `most` bytes of a regular file into `bytes`.
FileOutcome readRegularFile(const std::string& path, std::string& bytes, std::size_t most = kMaxReadBytes);

// Replaces the file at `path` (or the target of the symbolic link there) with `bytes`. A link
// that loops is refused (ELOOP). When the folder takes no temporary file, a writable file is
// rewritten in place under an advisory lock, its new size allocated before the old bytes are
// touched, so that a full disk leaves the old file whole.
FileOutcome writeFileAtomically(const std::string& path, std::string_view bytes);

// The calls that commit a written file, replaceable so that a test can make them fail.
struct FileCommitCalls {
    int (*sync)(int fd);
    int (*close)(int fd);
};
FileCommitCalls& fileCommitCalls();

}  // namespace vorlan
