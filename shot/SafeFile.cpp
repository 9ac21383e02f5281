#include "shot/SafeFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "engine/Catalogue.h"

namespace vorlan {

std::string FileOutcome::reason() const {
    if (error == kNotRegularFile) return translated("Not a regular file");
    return error == 0 ? std::string() : std::strerror(error);
}

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports the result; a failing close can mean lost data.
    bool close() { return fileCommitCalls().close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

FileOutcome failure(int error) { return FileOutcome{error != 0 ? error : EIO}; }

bool synced(int fd) { return fileCommitCalls().sync(fd) == 0; }

// Writes every byte from the file's offset 0.
bool writeAll(int fd, std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The file a path finally names: the target of a symbolic link (even a dangling one).
std::string resolvedPath(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n <= 0) return current;
        target.resize(static_cast<std::size_t>(n));
        const std::size_t slash = current.rfind('/');
        if (target.front() != '/' && slash != std::string::npos) target = current.substr(0, slash + 1) + target;
        current = target;
    }
    return current;
}

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes the file where it stands, for a folder that cannot take a temporary file. The lock
// keeps two saves from mixing; the room for the new bytes is taken before the old ones are
// overwritten, and the file is cut to its new length only once they are all written.
FileOutcome writeInPlace(const std::string& path, std::string_view bytes) {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) return failure(errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return failure(errno);
    if (!S_ISREG(info.st_mode)) return FileOutcome{FileOutcome::kNotRegularFile};
    while (::flock(fd.get(), LOCK_EX) != 0)
        if (errno != EINTR) return failure(errno);
    if (::fstat(fd.get(), &info) != 0) return failure(errno);  // the size after the last writer
    if (!bytes.empty()) {
        const int refused = ::posix_fallocate(fd.get(), 0, static_cast<off_t>(bytes.size()));
        if (refused != 0) {
            (void)!::ftruncate(fd.get(), info.st_size);  // drop any room taken on the way
            return failure(refused);
        }
    }
    if (!writeAll(fd.get(), bytes) || ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0 ||
        !synced(fd.get()) || !fd.close())
        return failure(errno);
    return {};
}

// The permission bits of a new file: the old file's, or what the user's umask allows.
mode_t newFileMode(const struct stat* existing) {
    if (existing) return existing->st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

FileOutcome writeThroughTemporary(const std::string& path, std::string_view bytes, const struct stat* existing) {
    // A short temporary name, so that a file name near the system's limit still saves.
    std::string temporary = directoryOf(path) + "/.vorlan-XXXXXX";
    Descriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0) return failure(errno);
    const bool written =
        ::fchmod(fd.get(), newFileMode(existing)) == 0 && writeAll(fd.get(), bytes) && synced(fd.get());
    const int error = errno;
    // The owner is kept where the system allows it; an ordinary user cannot give files away.
    if (written && existing) (void)!::fchown(fd.get(), existing->st_uid, existing->st_gid);
    if (written && fd.close() && std::rename(temporary.c_str(), path.c_str()) == 0) return {};
    const int last = written ? errno : error;
    ::unlink(temporary.c_str());
    return failure(last);
}

}  // namespace

FileCommitCalls& fileCommitCalls() {
    static FileCommitCalls calls{::fsync, ::close};
    return calls;
}

FileOutcome readRegularFile(const std::string& path, std::string& bytes, std::size_t most) {
    bytes.clear();
    // O_NONBLOCK: opening a FIFO must not wait for a writer; the type is checked on this
    // descriptor, so the file cannot be swapped between the check and the read.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) return failure(errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return failure(errno);
    if (!S_ISREG(info.st_mode)) return FileOutcome{FileOutcome::kNotRegularFile};
    char buffer[65536];
    while (bytes.size() < most) {
        const ssize_t n = ::read(fd.get(), buffer, std::min(sizeof buffer, most - bytes.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return failure(errno);
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return {};
}

FileOutcome writeFileAtomically(const std::string& given, std::string_view bytes) {
    // A write past the file-size limit (ulimit -f) must fail as EFBIG, told and cleaned up,
    // not end the program with SIGXFSZ and leave the temporary file behind.
    static const bool fileSizeSignalIgnored = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    (void)fileSizeSignalIgnored;
    struct stat info {};
    // A link that leads round in a circle names no file: it is left as it is.
    if (::stat(given.c_str(), &info) != 0 && errno == ELOOP) return FileOutcome{ELOOP};
    const std::string path = resolvedPath(given);
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode))
        return FileOutcome{S_ISDIR(info.st_mode) ? EISDIR : FileOutcome::kNotRegularFile};
    // A read-only file is the user's sign that it must not change (even to the superuser).
    if (exists && (info.st_mode & 0222) == 0) return FileOutcome{EACCES};
    if (exists && ::access(path.c_str(), W_OK) != 0) return failure(errno);
    const FileOutcome replaced = writeThroughTemporary(path, bytes, exists ? &info : nullptr);
    // A folder that refuses the temporary file: the writable file itself is written in place.
    const bool folderRefused = replaced.error == EACCES || replaced.error == EPERM;
    if (!replaced && exists && folderRefused) return writeInPlace(path, bytes);
    return replaced;
}

}  // namespace vorlan
