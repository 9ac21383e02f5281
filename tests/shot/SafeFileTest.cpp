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

TEST_F(SafeFileTest, RefusesWhatMustNotBeReplaced) {
    put(path("readonly.vxf"), "keep", 0444);
    const FileOutcome readOnly = writeFileAtomically(path("readonly.vxf"), "lost");
    EXPECT_EQ(readOnly.error, EACCES);
    EXPECT_EQ(readOnly.reason(), "Permission denied");
    EXPECT_EQ(slurp(path("readonly.vxf")), "keep");

    ASSERT_EQ(::mkfifo(path("fifo.vxf").c_str(), 0644), 0);
    for (const std::string& special : {path("fifo.vxf"), std::string("/dev/null")}) {
        EXPECT_EQ(writeFileAtomically(special, "x").error, FileOutcome::kNotRegularFile) << special;
        std::string bytes;  // reading one never waits for a writer or reads without end
        EXPECT_EQ(readRegularFile(special, bytes).error, FileOutcome::kNotRegularFile) << special;
    }
    EXPECT_TRUE(fs::is_fifo(path("fifo.vxf")));
    EXPECT_EQ(writeFileAtomically(dir.string(), "x").error, EISDIR);
    EXPECT_EQ(writeFileAtomically(path("no/such/x.vxf"), "x").error, ENOENT);
    EXPECT_EQ(entries(), 2u);
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
    put(path("shot.vxf"), "old", 0644);
    ::chmod(dir.c_str(), 0555);
    const int error = asOrdinaryUser(dir, [&] { return writeFileAtomically(path("shot.vxf"), "in place").error; });
    EXPECT_EQ(error, 0);
    EXPECT_EQ(slurp(path("shot.vxf")), "in place");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(SafeFileTest, AFullDiskKeepsTheOldFileWhole) {
    const fs::path small = dir / "small";
    fs::create_directories(small);
    if (::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno) << ")";
    const std::string file = (small / "table.txt").string();
    put(file, "old table", 0644);
    const FileOutcome full = writeFileAtomically(file, std::string(1 << 20, 't'));
    EXPECT_EQ(full.error, ENOSPC);
    EXPECT_EQ(full.reason(), "No space left on device");
    EXPECT_EQ(slurp(file), "old table");
    EXPECT_EQ(std::distance(fs::directory_iterator(small), {}), 1);
    ::umount(small.c_str());
}

}  // namespace
}  // namespace vorlan
