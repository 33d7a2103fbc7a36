#include "settings/IniStore.h"
#include "settings/UsageCounter.h"

#include "common/CopyFixtures.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

using namespace orvane;
using namespace std::string_literals;
using platform::ProgramLocation;
using test::readFile;

TEST(IniStore, EachEmptyArgumentFallsBackToTheProgram) {
    const IniStore store(ProgramLocation{"/opt/orvane", "Orvane"});
    EXPECT_EQ(store.iniPath("", "") + store.iniPath("", "/etc"),
              "/opt/orvane/Orvane.ini/etc/Orvane.ini");
    EXPECT_EQ(store.iniPath("other", "/etc") + store.iniPath("x.ini", ""),
              "/etc/other.ini/opt/orvane/x.ini.ini");
    EXPECT_EQ(IniStore(ProgramLocation{"/", "Orvane"}).iniPath("", ""), "/Orvane.ini");
}

TEST(IniStore, EditsReplaceTheFileKeepingEveryOtherByteAndItsPermissions) {
    test::TempFolder temp;
    const std::string folder = temp.makeFolder("Ordner-\xE4\xFF"); // not UTF-8
    const IniStore store(ProgramLocation{folder, "Orvane"});
    const std::string path = temp.write("Ordner-\xE4\xFF/Orvane.ini",
                                        "; mine\n[Main]\r\nUSE=5\r\nKeep= 1 \r\n[Other]\nA=1\n");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    store.IniWrite("Main", "USE", "", "", "");
    EXPECT_EQ(readFile(path), "; mine\n[Main]\r\nKeep= 1 \r\n[Other]\nA=1\n");
    EXPECT_EQ(store.IniRead("main", "KEEP", "none", "", ""), "1");
    store.IniWrite("Main", "", "ignored", "", "");
    EXPECT_EQ(readFile(path), "; mine\n[Other]\nA=1\n");
    struct stat info {};
    EXPECT_TRUE(::stat(path.c_str(), &info) == 0 && (info.st_mode & 07777) == 0640);
    // Values come back cut to 2047 characters.
    store.IniWrite("Main", "Long", std::string(2047, 'l') + "XYZ", "alt", "");
    EXPECT_EQ(store.IniRead("Main", "Long", "", "alt", ""), std::string(2047, 'l'));
    // Deleting from a missing file creates none, and no temporary is left behind.
    store.IniWrite("Main", "USE", "", "gone", "");
    EXPECT_EQ(test::namesIn(folder), (std::set<std::string>{"Orvane.ini", "alt.ini"}));
}

TEST(IniStore, FailedWriteIsSilentAndNotIniTextKeepsItsBytes) {
    test::TempFolder temp;
    const IniStore blocked(ProgramLocation{temp.write("blocker", "bytes"), "Orvane"});
    blocked.IniWrite("Main", "USE", "2", "", "");
    EXPECT_EQ(blocked.IniRead("Main", "USE", "1", "", ""), "1");
    EXPECT_EQ(readFile(temp / "blocker"), "bytes");
    // The NUL hides the header: what follows belongs to no section.
    const std::string junk = "\177ELF\x02\x00\xFF[\x90=\n\xC3\x28\x00 [Main]\r\nUSE=9"s;
    const IniStore store(ProgramLocation{temp.path(), "Orvane"});
    temp.write("Orvane.ini", junk);
    EXPECT_EQ(store.IniRead("Main", "USE", "1", "", ""), "1");
    store.IniWrite("Main", "USE", "2", "", "");
    EXPECT_EQ(readFile(temp / "Orvane.ini"), junk + "\r\n[Main]\r\nUSE=2\r\n");
}

TEST(IniUsageCounter, CountsStartsPerExecutableNameAndRestartsFromNonsense) {
    test::TempFolder temp;
    const IniStore store(ProgramLocation{temp.path(), "Orvane"});
    EXPECT_EQ(countThisStart(store), 1);
    EXPECT_EQ(readFile(temp / "Orvane.ini"), "[Main]\r\nUSE=2\r\n");
    EXPECT_EQ(countThisStart(store), 2);
    EXPECT_EQ(countThisStart(IniStore(ProgramLocation{temp.path(), "Renamed"})), 1);
    for (const std::string stored : {"abc", "", "12abc", "0", "-3", "+4", "2147483648"}) {
        temp.write("Orvane.ini", "[Main]\r\nUSE=" + stored + "\r\n");
        EXPECT_EQ(countThisStart(store), 1) << stored;
    }
    // A file cut after the CR of its last line: the lone CR is no part of the value.
    temp.write("Orvane.ini", "[Main]\r\nUSE=41\r");
    EXPECT_EQ(countThisStart(store), 41);
    temp.write("Orvane.ini", "[Main]\r\nUSE= 2147483646 \r\n");
    EXPECT_EQ(countThisStart(store), 2147483646);
    EXPECT_EQ(countThisStart(store), 2147483647);
    EXPECT_EQ(countThisStart(store), 2147483647);
}

namespace {

// Runs the step as a user that permission bits bind: the test's own user, or nobody when the
// test runs as root. False when no such user can be had.
bool asUnprivilegedUser(const std::function<void()>& step) {
    if (::geteuid() != 0) {
        step();
        return true;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
            ::_exit(2);
        }
        step();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

// The write updates the file itself: never through a link (a link planted in its place
// could make a program run by root rewrite any file; the link is neither read nor written),
// never over a read-only file, and in place where the folder cannot take a new file.
TEST(IniStore, WriteUpdatesTheFileItselfNotALinkNorAReadOnlyFileEvenInReadOnlyFolders) {
    test::TempFolder temp;
    const IniStore store(ProgramLocation{temp.path(), "Orvane"});
    const std::string target = temp.write("real/target.ini", "[Main]\r\nUSE=4\r\n");
    std::filesystem::create_symlink(target, temp / "Orvane.ini");
    EXPECT_EQ(store.IniRead("Main", "USE", "1", "", ""), "1");
    store.IniWrite("Main", "USE", "5", "", "");
    EXPECT_TRUE(std::filesystem::is_symlink(temp / "Orvane.ini"));
    EXPECT_EQ(readFile(target), "[Main]\r\nUSE=4\r\n");
    // A second hard link sees the change too: the file is written over, not replaced.
    const std::string hard = temp.write("hard.ini", "[Main]\r\nUSE=5\r\n");
    ASSERT_EQ(::link(hard.c_str(), (temp / "twin.ini").c_str()), 0);
    store.IniWrite("Main", "USE", "6", "hard", "");
    EXPECT_EQ(readFile(temp / "twin.ini"), "[Main]\r\nUSE=6\r\n");

    const std::string locked = temp.write("locked.ini", "[Main]\r\nUSE=7\r\n");
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    store.IniWrite("Main", "USE", "8", "locked", "");
    EXPECT_EQ(readFile(locked), "[Main]\r\nUSE=7\r\n");

    const std::string folder = temp.makeFolder("closed");
    const std::string inside = temp.write("closed/Orvane.ini", "[Main]\r\nUSE=1\r\nKeep=yes\r\n");
    ASSERT_EQ(::chmod(temp.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(inside.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    struct Reopen {
        std::string folder;
        ~Reopen() { ::chmod(folder.c_str(), 0755); }
    } reopen{folder};
    const IniStore closed(ProgramLocation{folder, "Orvane"});
    if (!asUnprivilegedUser([&] { closed.IniWrite("Main", "USE", "12345", "", ""); })) {
        GTEST_SKIP() << "no unprivileged user to run the write as";
    }
    EXPECT_EQ(readFile(inside), "[Main]\r\nUSE=12345\r\nKeep=yes\r\n");
    EXPECT_EQ(test::namesIn(folder), std::set<std::string>{"Orvane.ini"});
    // Shorter content leaves no tail of the old behind.
    ASSERT_TRUE(asUnprivilegedUser([&] { closed.IniWrite("Main", "Keep", "", "", ""); }));
    EXPECT_EQ(readFile(inside), "[Main]\r\nUSE=12345\r\n");
}
