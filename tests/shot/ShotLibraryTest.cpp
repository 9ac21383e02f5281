#include "shot/library/ShotLibrary.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include <filesystem>
#include <fstream>

#include "shot/CLocaleNumbers.h"
#include "shot/ShotFile.h"

namespace vorlan {
namespace {

namespace fs = std::filesystem;

class LibraryFolder : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("vorlan-library-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    void put(const std::string& file, const std::string& bytes) const {
        std::ofstream(dir / file, std::ios::binary) << bytes;
    }
    std::string bytesOf(const std::string& file) const {
        std::ifstream in(dir / file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    LibraryLoad loadNamed(const std::string& file) const {
        for (const LibraryLoad& load : listLibrary(dir.string()).loads)
            if (load.file == file) return load;
        ADD_FAILURE() << file << " not listed";
        return {};
    }
};

// Every .vxf of the folder is a load, sorted by rifle then name without regard to case, the
// loads without a rifle last; a file that is no load is told with its reason, and files that
// are not shot files by name (hidden, other extensions) are passed over.
TEST_F(LibraryFolder, ListsLoadsByRifleAndTellsUnreadableFiles) {
    const struct {
        const char* file;
        const char* bytes;
    } files[] = {
        {"b.vxf", "Name:Pellet 8.4\r\r\nRifle:Air Arms S510\r\r\nBC:0.0300\r\r\nDrag Function:0\r\r\n"},
        {"a.vxf",
         "Name:175 SMK\r\nRifle:tikka T3x .308\r\nVelocity:2600\r\nWeight:175\r\nBC:0.243\r\n"
         "Drag Function:4\r\nSight-In Range:100\r\nCaliber:.308\r\n"},
        {"c.VXF", "Name:168 ELD\nRifle:Tikka T3x .308\n"},
        {"d.vxf", "Name:Loose load\nBC Bands:2800 0.25;2000 0.24\n"},
        {"notes.vxf", "a shopping list\n"},
        {"broken.vxf", "Name:x\nHit Level:abc\n"},
        {".vorlan-AbC123", "Name:half written\n"},
        {"readme.txt", "Name:not a shot file by name\n"},
    };
    for (const auto& f : files) put(f.file, f.bytes);
    fs::create_directory(dir / "folder.vxf");
    const LibraryListing listing = listLibrary(dir.string());
    ASSERT_TRUE(listing.folder);
    const struct {
        const char *rifle, *name, *file, *coefficient;
    } expected[] = {
        {"Air Arms S510", "Pellet 8.4", "b.vxf", "0.0300 G1"},
        {"tikka T3x .308", "168 ELD", "c.VXF", "0.0200 G1"},
        {"tikka T3x .308", "175 SMK", "a.vxf", "0.2430 G7"},
        {"", "Loose load", "d.vxf", "0.0200 G1"},
    };
    ASSERT_EQ(listing.loads.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const LibraryLoad& load = listing.loads[i];
        EXPECT_EQ(load.name, expected[i].name);
        EXPECT_TRUE(equalsNoCase(load.rifle, expected[i].rifle)) << load.rifle;
        EXPECT_EQ(load.file, expected[i].file);
        EXPECT_EQ(coefficientText(load), expected[i].coefficient);
    }
    EXPECT_TRUE(listing.loads[3].bcBands);
    EXPECT_EQ(listing.loads[2].velocity, 2600.0);
    EXPECT_EQ(listing.loads[2].weight, 175.0);
    EXPECT_EQ(listing.loads[2].sightInRange, 100.0);
    EXPECT_EQ(listing.loads[2].caliber, ".308");
    ASSERT_EQ(listing.unreadable.size(), 3u);
    EXPECT_EQ(listing.unreadable[0].file, "broken.vxf");
    EXPECT_EQ(unreadableReason(listing.unreadable[0]), "line 2: Hit Level: \"abc\" is not a number");
    EXPECT_EQ(listing.unreadable[1].file, "folder.vxf");
    EXPECT_EQ(unreadableReason(listing.unreadable[1]), FileOutcome{FileOutcome::kNotRegularFile}.reason());
    EXPECT_EQ(listing.unreadable[2].file, "notes.vxf");
    EXPECT_EQ(unreadableReason(listing.unreadable[2]), "it holds no shot-file line");
    // A folder that is not there yet is an empty library.
    const LibraryListing none = listLibrary((dir / "missing").string());
    EXPECT_TRUE(none.folder);
    EXPECT_TRUE(none.loads.empty());
}

// A write compares the file with the stamp it had when read: the second of two saves from the
// same reading, and a move of a load changed since it was listed, are refused and change nothing.
TEST_F(LibraryFolder, ChangedSinceReadIsRefused) {
    ShotLibrary library(dir.string());
    ShotParameters shot;
    shot.name = "first";
    ASSERT_TRUE(library.save("load.vxf", shot, std::nullopt));
    const LibraryLoad read = loadNamed("load.vxf");
    // A new file is not written over one that appeared since.
    EXPECT_EQ(library.save("load.vxf", shot, std::nullopt).result, ShotLibrary::Outcome::Result::ChangedSinceRead);
    shot.name = "second";
    const ShotLibrary::Outcome first = library.save("load.vxf", shot, read.stamp);
    ASSERT_TRUE(first);
    EXPECT_EQ(first.stamp, loadNamed("load.vxf").stamp);
    const std::string afterFirst = bytesOf("load.vxf");
    shot.name = "third";
    EXPECT_EQ(library.save("load.vxf", shot, read.stamp).result, ShotLibrary::Outcome::Result::ChangedSinceRead);
    EXPECT_EQ(library.moveToRifle(read, "Sako").result, ShotLibrary::Outcome::Result::ChangedSinceRead);
    EXPECT_EQ(library.rename(read, "renamed").result, ShotLibrary::Outcome::Result::ChangedSinceRead);
    EXPECT_EQ(bytesOf("load.vxf"), afterFirst);
    EXPECT_TRUE(library.save("load.vxf", shot, first.stamp));
    // The trash takes the load's own file; what it refuses is told, a file gone is a change.
    std::vector<std::string> trashed;
    const auto trash = [&](const std::string& path) {
        trashed.push_back(path);
        return std::string(trashed.size() == 1 ? "full" : "");
    };
    const ShotLibrary::Outcome refused = library.moveToTrash(read, trash);
    EXPECT_EQ(refused.result, ShotLibrary::Outcome::Result::NotTrashed);
    EXPECT_EQ(refused.problem, "full");
    EXPECT_TRUE(library.moveToTrash(read, trash));
    EXPECT_EQ(trashed, std::vector<std::string>(2, (dir / "load.vxf").string()));
    fs::remove(dir / "load.vxf");
    EXPECT_EQ(library.moveToTrash(read, trash).result, ShotLibrary::Outcome::Result::ChangedSinceRead);
    EXPECT_EQ(trashed.size(), 2u);
}

// Duplicate, rename, move, import and export change the load's own lines and keep every other
// line (a key this program does not know) as it was.
TEST_F(LibraryFolder, ChangesKeepOtherLines) {
    ShotLibrary library(dir.string());
    put("308.vxf", "Name:308 Win\r\r\nFuture Key:kept\r\r\nVelocity:2600.0\r\r\n");
    ASSERT_TRUE(library.duplicate(loadNamed("308.vxf")));
    EXPECT_EQ(bytesOf("308 Win (2).vxf"), "Name:308 Win (2)\r\r\nFuture Key:kept\r\r\nVelocity:2600.0\r\r\n");
    ASSERT_TRUE(library.duplicate(loadNamed("308 Win (2).vxf")));
    EXPECT_EQ(loadNamed("308 Win (3).vxf").name, "308 Win (3)");

    const ShotLibrary::Outcome moved = library.moveToRifle(loadNamed("308.vxf"), "Tikka T3x");
    ASSERT_TRUE(moved);
    EXPECT_EQ(bytesOf("308.vxf"), "Name:308 Win\r\r\nFuture Key:kept\r\r\nVelocity:2600.0\r\r\nRifle:Tikka T3x\r\r\n");
    ASSERT_TRUE(library.moveToRifle(loadNamed("308.vxf"), ""));
    EXPECT_EQ(bytesOf("308.vxf"), "Name:308 Win\r\r\nFuture Key:kept\r\r\nVelocity:2600.0\r\r\n");

    const ShotLibrary::Outcome renamed = library.rename(loadNamed("308.vxf"), ".308 Win / 175");
    ASSERT_TRUE(renamed);
    EXPECT_EQ(renamed.fileName, "308 Win - 175.vxf");
    EXPECT_FALSE(fs::exists(dir / "308.vxf"));
    EXPECT_EQ(bytesOf(renamed.fileName), "Name:.308 Win / 175\r\r\nFuture Key:kept\r\r\nVelocity:2600.0\r\r\n");

    put("../outside.vxf", "Name:From a friend\nBC:0.5\n");
    const ShotLibrary::Outcome imported = library.importFile((dir / "../outside.vxf").string());
    fs::remove(dir / "../outside.vxf");
    ASSERT_TRUE(imported);
    EXPECT_EQ(bytesOf(imported.fileName), "Name:From a friend\nBC:0.5\n");
    put("../list.vxf", "eggs\n");
    EXPECT_EQ(library.importFile((dir / "../list.vxf").string()).result, ShotLibrary::Outcome::Result::NotAShotFile);
    put("../list.vxf", "Name:x\nHit Level:abc\n");
    const ShotLibrary::Outcome unreadable = library.importFile((dir / "../list.vxf").string());
    EXPECT_EQ(unreadable.problem, "line 2: Hit Level: \"abc\" is not a number");
    EXPECT_FALSE(fs::exists(dir / "list.vxf"));
    fs::remove(dir / "../list.vxf");
    EXPECT_EQ(library.importFile((dir / "gone.vxf").string()).result, ShotLibrary::Outcome::Result::FileFailed);

    ASSERT_TRUE(library.exportLoad(loadNamed(imported.fileName), (dir / "out.txt").string()));
    EXPECT_EQ(bytesOf("out.txt"), "Name:From a friend\nBC:0.5\n");
}

// A copy's number is only a number in brackets at the end; a load's file stamp carries its
// time to the nanosecond; a load is read as its file now holds it; the default folder follows
// XDG_DATA_HOME only when it is absolute.
TEST_F(LibraryFolder, CopyNumbersStampsReadsAndTheDefaultFolder) {
    ShotLibrary library(dir.string());
    const struct {
        const char *name, *copy;
    } copies[] = {{"Load (old)", "Load (old) (2)"}, {"Load ()", "Load () (2)"}, {"Load (7)", "Load (2)"}};
    for (const auto& c : copies) {
        put("x.vxf", std::string("Name:") + c.name + "\n");
        const ShotLibrary::Outcome copied = library.duplicate(loadNamed("x.vxf"));
        ASSERT_TRUE(copied);
        EXPECT_EQ(copied.fileName, std::string(c.copy) + ".vxf");
        fs::remove(dir / copied.fileName);
    }

    const timespec times[2] = {{1600000000, 123456789}, {1600000000, 123456789}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (dir / "x.vxf").c_str(), times, 0), 0);
    EXPECT_EQ(loadNamed("x.vxf").stamp.modifiedNs, 1600000000123456789);

    put("y.vxf", "Name:y\nVelocity:2800\n");
    const LibraryLoad y = loadNamed("y.vxf");
    ShotParameters shot;
    const ShotLibrary::Outcome read = library.readLoad(y, shot);
    ASSERT_TRUE(read);
    EXPECT_EQ(shot.velocity, 2800.0);
    EXPECT_TRUE(read.stamp == y.stamp);
    put("y.vxf", "Name:y\nHit Level:abc\n");
    EXPECT_EQ(library.readLoad(y, shot).result, ShotLibrary::Outcome::Result::UnreadableLine);
    fs::remove(dir / "y.vxf");
    EXPECT_EQ(library.readLoad(y, shot).result, ShotLibrary::Outcome::Result::ChangedSinceRead);

    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* data = std::getenv("XDG_DATA_HOME");
    const std::string saved = data ? data : "";
    for (const auto& [xdg, folder] : {std::pair<std::string, std::string>{"/data", "/data/Vorlan/Library"},
                                      {"relative/data", home + "/.local/share/Vorlan/Library"}}) {
        ::setenv("XDG_DATA_HOME", xdg.c_str(), 1);
        EXPECT_EQ(defaultLibraryFolder(), folder);
    }
    if (data)
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

// A key's lines are replaced where the first stood, whatever their case and ending; a file
// without a last line end gets one before the new line.
TEST(LibraryEdits, KeyLineReplacedWhereItStood) {
    const struct {
        const char *bytes, *key, *value;
        bool dropWhenEmpty;
        const char* expected;
    } cases[] = {
        {"Name:a\nRifle:x\nBC:1\n", "Rifle:", "y", true, "Name:a\nRifle:y\r\r\nBC:1\n"},
        {"rifle:x\r\nBC:1\r\nRIFLE:z\r\n", "Rifle:", "y", true, "Rifle:y\r\r\nBC:1\r\n"},
        {"Name:a\nBC:1", "Rifle:", "y", true, "Name:a\nBC:1\r\r\nRifle:y\r\r\n"},
        {"Name:a\rRifle:x\rBC:1", "Rifle:", "", true, "Name:a\rBC:1\r\r\n"},
        {"Name:a\nBC:1\n", "Name:", "", false, "Name:\r\r\nBC:1\n"},
        {"Name:a\n", "Name:", "b\nBC:2", false, "Name:b BC:2\r\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(withKeyLine(c.bytes, c.key, c.value, c.dropWhenEmpty), c.expected) << c.bytes;
}

}  // namespace
}  // namespace vorlan
