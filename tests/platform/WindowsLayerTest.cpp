// Built into the Windows test program only: what the Windows layer must tell that a POSIX
// emulation of the same calls would get wrong.

#include "common/WindowsFiles.h"
#include "platform/DriveSpace.h"
#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

namespace orvane {

// Each folder is itself and no other (MinGW's stat gives every one inode 0), also through
// another spelling of its path; and a file's identity changes when it is rewritten.
TEST(WindowsLayerTest, FoldersAndFilesAreToldApartByVolumeAndFileIndex) {
    const test::WindowsTempFolder temp;
    ASSERT_TRUE(test::makeFolder(temp / "one"));
    ASSERT_TRUE(test::makeFolder(temp / "two"));
    EXPECT_FALSE(platform::sameFolder(temp / "one", temp / "two"));
    EXPECT_TRUE(platform::sameFolder(temp / "one", temp / "two\\..\\one"));
    ASSERT_TRUE(test::writeFile(temp / "one\\a.txt", "first"));
    ASSERT_TRUE(test::writeFile(temp / "two\\b.txt", "first"));
    const auto a = platform::identityOf(temp / "one\\a.txt");
    const auto b = platform::identityOf(temp / "two\\b.txt");
    ASSERT_TRUE(a && b);
    EXPECT_NE(a->inode, b->inode);
    EXPECT_TRUE(platform::sameFile(temp / "one\\a.txt", temp / "two\\..\\one\\a.txt"));
    ASSERT_TRUE(test::writeFile(temp / "one\\a.txt", "other"));
    const auto rewritten = platform::identityOf(temp / "one\\a.txt");
    ASSERT_TRUE(rewritten);
    EXPECT_FALSE(*rewritten == *a);
}

// The drive of a destination not made yet is its volume's root in the drive-root form of
// the log ("C:\"), with the space on it.
TEST(WindowsLayerTest, DriveTextIsTheVolumeRoot) {
    const test::WindowsTempFolder temp;
    const auto space = platform::queryDriveSpace(temp / "not\\made\\yet");
    EXPECT_EQ(space.drive, temp.path().substr(0, 3));
    ASSERT_EQ(space.drive.size(), 3U);
    EXPECT_EQ(space.drive.substr(1), ":\\");
    EXPECT_GT(space.totalBytes, 0);
    EXPECT_GT(space.freeBytes, 0);
}

} // namespace orvane
