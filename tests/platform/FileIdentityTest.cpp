#include "platform/FileIdentity.h"

#include "common/CopyFixtures.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace orvane::platform;
using namespace orvane::test;

TEST(FileIdentity, IdentityIsTheEntryItselfToTheNanosecond) {
    TempFolder dir;
    writeAll(dir / "file", "12345");
    ASSERT_EQ(::link((dir / "file").c_str(), (dir / "hard").c_str()), 0);
    ASSERT_EQ(::symlink("file", (dir / "soft").c_str()), 0);
    const timespec times[2] = {{0, UTIME_OMIT}, {1600000000, 5}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (dir / "file").c_str(), times, 0), 0);
    const auto identity = identityOf(dir / "hard");
    EXPECT_EQ(identity, (FileIdentity{identity->device, identity->inode, 5, 1600000000000000005}));
    EXPECT_TRUE(sameFile(dir / "file", dir / "hard"));
    EXPECT_NE(identityOf(dir / "soft")->inode, identity->inode);
    EXPECT_FALSE(sameFile(dir / "file", dir / "soft") || sameFile(dir / "none", dir / "none"));
}

TEST(FileIdentity, ContentsCompareAcrossBuffersAndLinksByTargetAndFlushTakesNothingElse) {
    TempFolder dir;
    std::string data = patterned(3 * 256 * 1024 + 17);
    writeAll(dir / "a", data);
    writeAll(dir / "same", data);
    data.back() ^= 1;
    writeAll(dir / "last", data);
    ASSERT_EQ(::symlink("a", (dir / "toA").c_str()) + ::symlink("same", (dir / "toSame").c_str()) +
                  ::mkfifo((dir / "fifo").c_str(), 0600),
              0);
    for (const auto& [first, second, equal] : {std::tuple{"a", "same", true},
                                               {"toA", "toA", true},
                                               {"a", "last", false},
                                               {"toA", "toSame", false},
                                               {"toA", "a", false}}) {
        EXPECT_EQ(contentsEqual(dir / first, dir / second), equal) << first << " " << second;
    }
    EXPECT_EQ(contentsEqual(dir / "fifo", dir / "fifo"), std::nullopt);
    EXPECT_TRUE(flushToDisk(dir / "a") && flushToDisk(dir / "toA"));
    EXPECT_FALSE(flushToDisk(dir / "fifo") || flushToDisk(dir / "none") || flushToDisk(dir.path()));
}
