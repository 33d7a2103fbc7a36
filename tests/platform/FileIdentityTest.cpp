#include "platform/FileIdentity.h"

#include "common/CopyFixtures.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace orvane::platform;
using namespace orvane::test;

namespace {

TEST(FileIdentity, IdentityIsTheEntryItselfAndChangesWithItsContent) {
    TempFolder dir;
    writeAll(dir / "file", "12345");
    ASSERT_EQ(::link((dir / "file").c_str(), (dir / "hard").c_str()), 0);
    ASSERT_EQ(::symlink("file", (dir / "soft").c_str()), 0);
    writeAll(dir / "twin", "12345");

    const auto before = identityOf(dir / "file");
    ASSERT_TRUE(before.has_value());
    EXPECT_EQ(before->size, 5);
    EXPECT_EQ(identityOf(dir / "hard"), before);
    EXPECT_NE(identityOf(dir / "soft")->inode, before->inode);
    EXPECT_FALSE(identityOf(dir / "missing").has_value());

    EXPECT_TRUE(sameFile(dir / "file", dir / "hard"));
    EXPECT_TRUE(sameFile(dir / "file", dir.path() + "/./file"));
    EXPECT_FALSE(sameFile(dir / "file", dir / "twin"));
    EXPECT_FALSE(sameFile(dir / "file", dir / "soft"));
    EXPECT_FALSE(sameFile(dir / "missing", dir / "missing"));

    writeAll(dir / "file", "54321");
    const timespec later[2] = {{0, UTIME_OMIT}, {before->modifiedNs / 1000000000 + 1, 5}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (dir / "file").c_str(), later, 0), 0);
    EXPECT_NE(identityOf(dir / "file"), before);
    EXPECT_EQ(identityOf(dir / "file")->modifiedNs % 1000000000, 5);
}

TEST(FileIdentity, ContentsCompareByteForByteAcrossBufferBoundaries) {
    TempFolder dir;
    const std::string data = patterned(3 * 256 * 1024 + 17);
    std::string lastByte = data;
    lastByte.back() ^= 1;
    std::string firstByte = data;
    firstByte.front() ^= 1;
    writeAll(dir / "a", data);
    writeAll(dir / "same", data);
    writeAll(dir / "last", lastByte);
    writeAll(dir / "first", firstByte);
    writeAll(dir / "short", data.substr(1));
    ASSERT_EQ(::symlink("a", (dir / "toA").c_str()), 0);
    ASSERT_EQ(::symlink("a", (dir / "toA2").c_str()), 0);
    ASSERT_EQ(::symlink("same", (dir / "toSame").c_str()), 0);
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);

    EXPECT_EQ(contentsEqual(dir / "a", dir / "same"), true);
    EXPECT_EQ(contentsEqual(dir / "a", dir / "last"), false);
    EXPECT_EQ(contentsEqual(dir / "a", dir / "first"), false);
    EXPECT_EQ(contentsEqual(dir / "a", dir / "short"), false);
    EXPECT_EQ(contentsEqual(dir / "toA", dir / "toA2"), true);
    EXPECT_EQ(contentsEqual(dir / "toA", dir / "toSame"), false);
    EXPECT_EQ(contentsEqual(dir / "toA", dir / "a"), false);
    EXPECT_EQ(contentsEqual(dir / "fifo", dir / "fifo"), std::nullopt);
    EXPECT_EQ(contentsEqual(dir / "a", dir / "missing"), std::nullopt);
}

TEST(FileIdentity, FlushAcceptsFilesAndLinksOnly) {
    TempFolder dir;
    writeAll(dir / "file", "x");
    ASSERT_EQ(::symlink("nowhere", (dir / "link").c_str()), 0);
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    EXPECT_TRUE(flushToDisk(dir / "file"));
    EXPECT_TRUE(flushToDisk(dir / "link"));
    EXPECT_FALSE(flushToDisk(dir / "fifo"));
    EXPECT_FALSE(flushToDisk(dir / "missing"));
    EXPECT_FALSE(flushToDisk(dir.path()));
}

} // namespace
