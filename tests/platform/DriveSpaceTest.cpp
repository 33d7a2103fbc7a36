#include "platform/DriveSpace.h"

#include "common/CopyFixtures.h"

#include <gtest/gtest.h>

using namespace orvane::platform;
using namespace orvane::test;

namespace {

const std::string table = "22 27 0:21 / /proc rw,relatime - proc proc rw\n"
                          "27 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
                          "39 27 0:34 /sub /data/deep/er rw - tmpfs tmpfs rw\n"
                          "40 27 0:30 / /data rw - tmpfs tmpfs rw\n"
                          "41 27 0:31 / /data2 rw - tmpfs tmpfs rw\n"
                          "42 27 0:32 / /mnt/with\\040space rw - tmpfs tmpfs rw\n"
                          "43 27 0:33 / /mnt/back\\134slash rw - tmpfs tmpfs rw\n"
                          "broken line\n";

TEST(DriveSpaceMountTable, LongestMountPointAtAFolderBoundaryHoldsTheFolder) {
    const struct {
        const char* folder;
        const char* mountPoint;
    } cases[] = {
        {"/", "/"},
        {"/home/user", "/"},
        {"/data", "/data"},
        {"/data/photos", "/data"},
        {"/data2/data", "/data2"},
        {"/datax", "/"},
        {"/data/deep/er/x", "/data/deep/er"},
        {"/data/deep/err", "/data"},
        {"/mnt/with space/a", "/mnt/with space"},
        {"/mnt/with", "/"},
        {"/mnt/back\\slash", "/mnt/back\\slash"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mountPointOf(c.folder, table), c.mountPoint) << c.folder;
    }
    EXPECT_EQ(mountPointOf("/data", ""), "");
}

TEST(DriveSpaceQuery, MissingDestinationOnATmpfsGivesItsMountPointAndFreeBytes) {
    TempFolder dir;
    Tmpfs drive(dir / "mount point", "size=1m");
    if (!drive.mounted()) {
        GTEST_SKIP() << drive.why();
    }
    const std::string real = std::filesystem::canonical(dir / "mount point").string();
    const auto empty = queryDriveSpace(dir / "mount point/not/yet/made/file.bin");
    EXPECT_EQ(empty.drive, real);
    EXPECT_EQ(empty.totalBytes, 1024 * 1024);
    EXPECT_EQ(empty.freeBytes, 1024 * 1024);

    writeAll(dir / "mount point/used", patterned(256 * 1024));
    // The path passes through a file: the folder above it is the nearest existing one.
    const auto used = queryDriveSpace(dir / "mount point/used/below");
    EXPECT_EQ(used.drive, real);
    EXPECT_EQ(used.totalBytes, 1024 * 1024);
    EXPECT_EQ(used.freeBytes, 768 * 1024);

    // A sibling whose name merely begins with the mount point's lies outside it.
    std::filesystem::create_directories(dir / "mount pointless");
    EXPECT_NE(queryDriveSpace(dir / "mount pointless").drive, real);
}

} // namespace
