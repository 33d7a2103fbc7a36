#include "platform/PrivateProfile.h"

#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/stat.h>

using orvane::platform::readProfileString;
using orvane::platform::writeProfileString;
using orvane::test::readFile;
using orvane::test::TempFolder;

namespace {

std::size_t entriesIn(const std::string& folder) {
    const std::filesystem::directory_iterator entries(folder);
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

TEST(ProfileFileRead, MissingFileOrUnreadablePathGivesTheDefault) {
    TempFolder temp;
    EXPECT_EQ(readProfileString("Main", "USE", "1", 2048, temp / "absent.ini"), "1");
    EXPECT_EQ(readProfileString("Main", "USE", "1", 2048, temp / "absent/deeper.ini"), "1");
    EXPECT_EQ(readProfileString("Main", "USE", "1", 2048, temp.makeFolder("folder.ini")), "1");
}

TEST(ProfileFileRead, ResultIsCutToTheBufferLessItsNul) {
    TempFolder temp;
    const std::string path =
        temp.write("a.ini", "[Main]\r\nFit=" + std::string(2047, 'f') +
                                "\r\nLong=" + std::string(2047, 'l') + "XYZ\r\n");
    EXPECT_EQ(readProfileString("Main", "Fit", "", 2048, path), std::string(2047, 'f'));
    EXPECT_EQ(readProfileString("Main", "Long", "", 2048, path), std::string(2047, 'l'));
    // The default goes through the same buffer.
    EXPECT_EQ(readProfileString("Main", "None", "abcdef", 4, path), "abc");
    EXPECT_EQ(readProfileString("Main", "Fit", "x", 0, path), "");
}

TEST(ProfileFileWrite, CreatesTheFileWithCrLfAndLeavesNoTemporaryBehind) {
    TempFolder temp;
    const std::string path = temp / "Orvane.ini";
    ASSERT_TRUE(writeProfileString("Main", "USE", "2", path));
    EXPECT_EQ(readFile(path), "[Main]\r\nUSE=2\r\n");
    ASSERT_TRUE(writeProfileString("Main", "USE", "3", path));
    EXPECT_EQ(readFile(path), "[Main]\r\nUSE=3\r\n");
    EXPECT_EQ(entriesIn(temp.path()), 1u);
}

TEST(ProfileFileWrite, DeletingFromAMissingFileCreatesNothing) {
    TempFolder temp;
    const std::string path = temp / "Orvane.ini";
    EXPECT_TRUE(writeProfileString("Main", "USE", "", path));
    EXPECT_TRUE(writeProfileString("Main", "", "", path));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(ProfileFileWrite, ReplacementKeepsThePermissionBits) {
    TempFolder temp;
    const std::string path = temp.write("a.ini", "[Main]\nUSE=1\n");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(writeProfileString("Main", "USE", "2", path));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(ProfileFileWrite, FailureIsReportedAndLosesNothing) {
    TempFolder temp;
    const std::string blocker = temp.write("plain-file", "not a folder");
    // The parent is a regular file: nothing can be created below it, even by root.
    EXPECT_FALSE(writeProfileString("Main", "USE", "2", blocker + "/Orvane.ini"));
    EXPECT_FALSE(writeProfileString("Main", "USE", "2", temp / "missing/Orvane.ini"));
    // A path that exists but cannot be read is never replaced by content made without it.
    const std::string folder = temp.makeFolder("taken.ini");
    temp.write("taken.ini/inside", "kept");
    EXPECT_FALSE(writeProfileString("Main", "USE", "2", folder));
    EXPECT_EQ(readFile(folder + "/inside"), "kept");
    EXPECT_EQ(readFile(blocker), "not a folder");
    EXPECT_EQ(entriesIn(temp.path()), 2u);
}

TEST(ProfileFileWrite, PathsAreBytesNotUtf8) {
    TempFolder temp;
    const std::string folder = temp.makeFolder("Ordner-\xE4\xF6\xFC");
    const std::string path = folder + "/Einstellungen-\xFF\xFE.ini";
    ASSERT_TRUE(writeProfileString("Main", "USE", "2", path));
    EXPECT_EQ(readProfileString("Main", "USE", "1", 2048, path), "2");
    EXPECT_EQ(readFile(path), "[Main]\r\nUSE=2\r\n");
}

} // namespace
