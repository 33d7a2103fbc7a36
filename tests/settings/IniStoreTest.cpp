#include "settings/IniStore.h"
#include "settings/UsageCounter.h"

#include "common/CopyFixtures.h"
#include "common/System.h"

#include <gtest/gtest.h>

using namespace orvane;
using platform::ProgramLocation;
using test::readFile;
namespace fs = std::filesystem;

// An edit keeps every other byte of the file and its mode, and leaves no temporary behind; a
// write that cannot be made is silent.
TEST(IniStore, EditsKeepEveryOtherByteAndAWriteThatCannotBeMadeIsSilent) {
    SKIP_ON_WINDOWS("a folder name that is not UTF-8, and POSIX modes");
    test::TempFolder temp;
    const std::string folder = temp.makeFolder("Ordner-\xE4\xFF"); // not UTF-8
    const std::string path = temp.write("Ordner-\xE4\xFF/Orvane.ini",
                                        "; mine\n[Main]\r\nUSE=5\r\nKeep= 1 \r\n[Other]\nA=1\n");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, mode);
    const IniStore store(ProgramLocation{folder, "Orvane"});
    EXPECT_EQ(store.IniRead("main", "KEEP", "none", "", ""), "1");
    store.IniWrite("Main", "USE", "6", "", "");
    EXPECT_EQ(readFile(path), "; mine\n[Main]\r\nUSE=6\r\nKeep= 1 \r\n[Other]\nA=1\n");
    EXPECT_EQ(fs::status(path).permissions(), mode);
    EXPECT_EQ(test::namesIn(folder), std::set<std::string>{"Orvane.ini"});
    // A file where the program's folder should be: nothing read, nothing written, no complaint.
    const IniStore blocked(ProgramLocation{path, "Orvane"});
    blocked.IniWrite("Main", "USE", "3", "", "");
    EXPECT_EQ(blocked.IniRead("Main", "USE", "1", "", ""), "1");
    EXPECT_EQ(readFile(path), "; mine\n[Main]\r\nUSE=6\r\nKeep= 1 \r\n[Other]\nA=1\n");
}

// Each start counts one and stores the next, per executable name; a stored count that is no
// whole number from 1 up starts again from 1, and the highest count stays where it is.
TEST(IniUsageCounter, CountsStartsPerExecutableNameAndRestartsFromNonsense) {
    test::TempFolder temp;
    const IniStore store(ProgramLocation{temp.path(), "Orvane"});
    EXPECT_EQ(countThisStart(store), 1);
    EXPECT_EQ(readFile(temp / "Orvane.ini"), "[Main]\r\nUSE=2\r\n");
    EXPECT_EQ(countThisStart(store), 2);
    EXPECT_EQ(countThisStart(IniStore(ProgramLocation{temp.path(), "Renamed"})), 1);
    // What follows "USE=" in the file; "41\r" is a file cut after the CR of its last line.
    const struct {
        const char* text;
        std::int32_t count;
    } stored[] = {"abc\r\n",        1,         "\r\n",   1,  "12abc\r\n",        1,
                  "0\r\n",          1,         "-3\r\n", 1,  "+4\r\n",           1,
                  "2147483648\r\n", 1,         "41\r",   41, " 2147483646 \r\n", 2147483646,
                  "2147483647\r\n", 2147483647};
    for (const auto& [text, count] : stored) {
        temp.write("Orvane.ini", "[Main]\r\nUSE=" + std::string(text));
        EXPECT_EQ(countThisStart(store), count) << text;
    }
    EXPECT_EQ(readFile(temp / "Orvane.ini"), "[Main]\r\nUSE=2147483647\r\n");
}

// The write updates the file itself: never through a link planted in its place (it could make
// a program run by root rewrite any file; the link is neither read nor written), never over a
// read-only file, and in place where the file has a second name, which then sees the change
// and keeps no tail of the longer old text.
TEST(IniStore, WriteUpdatesTheFileItselfNotALinkNorAReadOnlyFile) {
    test::TempFolder temp;
    const std::string hard = temp.write("hard.ini", "[Main]\r\nUSE=nonsense\r\nKeep=yes\r\n");
    fs::create_hard_link(hard, temp / "twin.ini");
    EXPECT_EQ(countThisStart(IniStore(ProgramLocation{temp.path(), "hard"})), 1);
    EXPECT_EQ(readFile(temp / "twin.ini"), "[Main]\r\nUSE=2\r\nKeep=yes\r\n");
    const std::string locked = temp.write("locked.ini", "[Main]\r\nUSE=7\r\n");
    fs::permissions(locked,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EQ(countThisStart(IniStore(ProgramLocation{temp.path(), "locked"})), 7);
    EXPECT_EQ(readFile(locked), "[Main]\r\nUSE=7\r\n");
    SKIP_ON_WINDOWS("symbolic links, which the C++ library makes on POSIX systems only");
    const std::string target = temp.write("real/target.ini", "[Main]\r\nUSE=4\r\n");
    std::filesystem::create_symlink(target, temp / "Orvane.ini");
    EXPECT_EQ(countThisStart(IniStore(ProgramLocation{temp.path(), "Orvane"})), 1);
    EXPECT_TRUE(std::filesystem::is_symlink(temp / "Orvane.ini"));
    EXPECT_EQ(readFile(target), "[Main]\r\nUSE=4\r\n");
}
