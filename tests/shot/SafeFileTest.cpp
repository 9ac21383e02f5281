#include "shot/SafeFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "engine/Catalogue.h"
#include "shot/AdvancedShotKeys.h"
#include "shot/ExtrasFile.h"
#include "shot/SettingsFile.h"
#include "shot/ShotFile.h"

namespace vorlan {
namespace {

namespace fs = std::filesystem;

class SafeFileTest : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("vorlan-safe-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    static std::string slurp(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void put(const std::string& p, const std::string& text, mode_t mode) {
        std::ofstream(p, std::ios::binary) << text;
        ::chmod(p.c_str(), mode);
    }
    static mode_t modeOf(const std::string& p) {
        struct stat info {};
        ::lstat(p.c_str(), &info);
        return info.st_mode;
    }
    std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }
};

TEST_F(SafeFileTest, ReplacingKeepsWhatTheUserHad) {
    // A private file stays private; a new file follows the umask.
    put(path("private.vxf"), "old", 0600);
    ASSERT_TRUE(writeFileAtomically(path("private.vxf"), "new"));
    EXPECT_EQ(slurp(path("private.vxf")), "new");
    EXPECT_EQ(modeOf(path("private.vxf")) & 07777, 0600u);
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(writeFileAtomically(path("fresh.vxf"), "x"));
    ::umask(mask);
    EXPECT_EQ(modeOf(path("fresh.vxf")) & 07777, 0644u);

    // A link is written through to its target and stays a link.
    put(path("target.vxf"), "old", 0640);
    fs::create_symlink("target.vxf", path("link.vxf"));
    ASSERT_TRUE(writeFileAtomically(path("link.vxf"), "through"));
    EXPECT_TRUE(fs::is_symlink(path("link.vxf")));
    EXPECT_EQ(slurp(path("target.vxf")), "through");
    EXPECT_EQ(modeOf(path("target.vxf")) & 07777, 0640u);

    // A name of 250 characters saves (the temporary file's name stays short).
    const std::string longName = std::string(246, 'n') + ".vxf";
    ASSERT_TRUE(writeFileAtomically(path(longName), "long"));
    EXPECT_EQ(slurp(path(longName)), "long");
    EXPECT_EQ(entries(), 5u);  // no temporary file left behind
}

// Every writer of the program goes through the one safe writer: each fault is tried on each.
struct Writer {
    const char* name;
    FileOutcome (*write)(const std::string& path);
};
const Writer kWriters[] = {
    {"bytes", [](const std::string& p) { return writeFileAtomically(p, "new"); }},
    {"shot", [](const std::string& p) { return writeShotFile(p, ShotParameters{}); }},
    {"settings", [](const std::string& p) { return writeSettingsFile(p, ShotParameters{}, AppSettings{}); }},
    {"extras", [](const std::string& p) { return writeExtrasFile(p, ShotParameters{}); }},
};

TEST_F(SafeFileTest, RefusesWhatMustNotBeReplaced) {
    // The program's own reason speaks the chosen language (the C library's speak its locale's).
    setLanguage("de");
    EXPECT_EQ(FileOutcome{FileOutcome::kNotRegularFile}.reason(), "Keine reguläre Datei");
    setLanguage("en");
    EXPECT_EQ(FileOutcome{FileOutcome::kNotRegularFile}.reason(), "Not a regular file");
    put(path("readonly.vxf"), "keep", 0444);
    ASSERT_EQ(::mkfifo(path("fifo.vxf").c_str(), 0644), 0);
    fs::create_symlink("/dev/null", path("device.svg"));
    fs::create_symlink("loop.vxf", path("loop.vxf"));
    fs::create_symlink("b.vxf", path("a.vxf"));
    fs::create_symlink("a.vxf", path("b.vxf"));
    struct Fault {
        std::string path;
        int error;
        const char* reason;
    };
    const Fault faults[] = {
        {path("readonly.vxf"), EACCES, "Permission denied"},
        {path("fifo.vxf"), FileOutcome::kNotRegularFile, "Not a regular file"},
        {"/dev/null", FileOutcome::kNotRegularFile, "Not a regular file"},
        {path("device.svg"), FileOutcome::kNotRegularFile, "Not a regular file"},
        {path("loop.vxf"), ELOOP, "Too many levels of symbolic links"},
        {path("a.vxf"), ELOOP, "Too many levels of symbolic links"},
        {dir.string(), EISDIR, "Is a directory"},
        {path("no/such/x.vxf"), ENOENT, "No such file or directory"},
    };
    for (const Writer& writer : kWriters) {
        for (const Fault& fault : faults) {
            const FileOutcome outcome = writer.write(fault.path);
            EXPECT_EQ(outcome.error, fault.error) << writer.name << " " << fault.path;
            EXPECT_EQ(outcome.reason(), fault.reason) << writer.name << " " << fault.path;
        }
    }
    EXPECT_EQ(slurp(path("readonly.vxf")), "keep");
    EXPECT_EQ(modeOf(path("readonly.vxf")) & 07777, 0444u);
    EXPECT_TRUE(fs::is_fifo(path("fifo.vxf")));
    EXPECT_TRUE(fs::is_symlink(path("device.svg")) && fs::is_character_file("/dev/null"));
    EXPECT_TRUE(fs::is_symlink(path("loop.vxf")) && fs::is_symlink(path("a.vxf")));
    EXPECT_EQ(entries(), 6u);  // nothing created, nothing left behind

    // A dangling link creates its target and stays a link.
    fs::create_symlink("made.vxf", path("dangling.vxf"));
    ASSERT_TRUE(writeShotFile(path("dangling.vxf"), ShotParameters{}));
    EXPECT_TRUE(fs::is_symlink(path("dangling.vxf")) && fs::is_regular_file(path("made.vxf")));
}

// Every reader refuses what is not a regular file at once, reads no more than its cap and
// tells why.
TEST_F(SafeFileTest, ReadersNeverWaitNorReadWithoutEnd) {
    ASSERT_EQ(::mkfifo(path("fifo.csv").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", path("zero.csv"));
    put(path("unreadable.csv"), "0.5,0.2\n1,0.3\n", 0200);
    using Reader = FileOutcome (*)(const std::string&);
    const Reader readers[] = {
        [](const std::string& p) {
            std::string bytes;
            return readRegularFile(p, bytes);
        },
        [](const std::string& p) {
            ShotParameters shot;
            return readShotFile(p, shot, ShotReadMode::Load);
        },
        [](const std::string& p) {
            ShotParameters shot;
            AppSettings settings;
            return readSettingsFile(p, shot, settings);
        },
        [](const std::string& p) {
            ShotParameters shot;
            return readExtrasFile(p, shot);
        },
        [](const std::string& p) {
            const DragTableCsv table = loadDragTableCsv(p);
            return table.points.empty() ? table.outcome : FileOutcome{};
        },
    };
    const bool superuser = ::geteuid() == 0;  // reads any file whatever its mode
    for (const Reader read : readers) {
        EXPECT_EQ(read(path("fifo.csv")).error, FileOutcome::kNotRegularFile);
        EXPECT_EQ(read(path("zero.csv")).error, FileOutcome::kNotRegularFile);
        EXPECT_EQ(read(dir.string()).error, FileOutcome::kNotRegularFile);
        EXPECT_EQ(read(path("missing.csv")).error, ENOENT);
        if (!superuser) {
            EXPECT_EQ(read(path("unreadable.csv")).error, EACCES);
        }
    }
    put(path("huge.vxf"), std::string(kMaxReadBytes + 10, 'x'), 0644);
    std::string bytes;
    ASSERT_TRUE(readRegularFile(path("huge.vxf"), bytes));
    EXPECT_EQ(bytes.size(), kMaxReadBytes);
}

// Runs `body` as an ordinary user (the superuser may create files in any folder).
template <typename Body>
int asOrdinaryUser(const fs::path& owned, Body body) {
    if (::geteuid() != 0) return body();
    constexpr uid_t kNobody = 65534;
    for (const auto& entry : fs::recursive_directory_iterator(owned)) ::chown(entry.path().c_str(), kNobody, kNobody);
    ::chown(owned.c_str(), kNobody, kNobody);
    const pid_t child = ::fork();
    if (child == 0) _exit(::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 ? body() : 99);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

TEST_F(SafeFileTest, AFolderWithoutRoomForATemporaryFileIsWrittenInPlace) {
    put(path("shot.vxf"), std::string(5000, 'o'), 0644);
    ::chmod(dir.c_str(), 0555);
    const int error = asOrdinaryUser(dir, [&] { return writeFileAtomically(path("shot.vxf"), "in place").error; });
    EXPECT_EQ(error, 0);
    EXPECT_EQ(slurp(path("shot.vxf")), "in place");  // cut to the new length
    EXPECT_EQ(entries(), 1u);

    // Two savers at once: the file ends as one of them wrote it, never a mixture.
    const std::string a(200000, 'a'), b(150000, 'b');
    const int status = asOrdinaryUser(dir, [&] {
        const pid_t other = ::fork();
        for (int i = 0; i < 20; ++i)
            if (!writeFileAtomically(path("shot.vxf"), other == 0 ? a : b)) return 1;
        if (other == 0) _exit(0);
        int childStatus = 0;
        ::waitpid(other, &childStatus, 0);
        return WIFEXITED(childStatus) ? WEXITSTATUS(childStatus) : 1;
    });
    EXPECT_EQ(status, 0);
    const std::string last = slurp(path("shot.vxf"));
    EXPECT_TRUE(last == a || last == b) << last.size();
}

// A failed sync or close is told, and the old file is whole, both through a temporary file
// and in place.
TEST_F(SafeFileTest, AFailedCommitIsToldAndKeepsTheOldFile) {
    const FileCommitCalls real = fileCommitCalls();
    struct Case {
        const char* name;
        FileCommitCalls calls;
    };
    const Case cases[] = {
        {"sync", {[](int) { return errno = EIO, -1; }, ::close}},
        {"close", {::fsync, [](int fd) { return ::close(fd), errno = EIO, -1; }}},
    };
    put(path("kept.vxf"), "old", 0644);
    for (const Case& c : cases) {
        fileCommitCalls() = c.calls;
        const FileOutcome outcome = writeFileAtomically(path("kept.vxf"), "new");
        fileCommitCalls() = real;
        EXPECT_EQ(outcome.error, EIO) << c.name;
        EXPECT_EQ(slurp(path("kept.vxf")), "old") << c.name;
        EXPECT_EQ(entries(), 1u) << c.name;
    }
    // In place the bytes are in the file before the sync: the failure is still told.
    ::chmod(dir.c_str(), 0555);
    for (const Case& c : cases) {
        const int error = asOrdinaryUser(dir, [&] {
            fileCommitCalls() = c.calls;
            const int failed = writeFileAtomically(path("kept.vxf"), "new").error;
            fileCommitCalls() = real;
            return failed;
        });
        EXPECT_EQ(error, EIO) << c.name;
    }
}

TEST_F(SafeFileTest, AFullDiskKeepsTheOldFileWhole) {
    const fs::path small = dir / "small";
    fs::create_directories(small);
    if (::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno) << ")";
    const std::string file = (small / "table.txt").string();
    const std::string old(20000, 'o');
    put(file, old, 0644);
    const FileOutcome full = writeFileAtomically(file, std::string(1 << 20, 't'));
    EXPECT_EQ(full.error, ENOSPC);
    EXPECT_EQ(full.reason(), "No space left on device");
    EXPECT_EQ(slurp(file), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(small), {}), 1);

    // A read-only folder with a writable file: in place, the new size is refused before the
    // old bytes are touched.
    ::chmod(small.c_str(), 0555);
    const int error = asOrdinaryUser(small, [&] { return writeFileAtomically(file, std::string(1 << 20, 't')).error; });
    EXPECT_EQ(error, ENOSPC);
    EXPECT_EQ(slurp(file), old);
    ::umount(small.c_str());
}

}  // namespace
}  // namespace vorlan
