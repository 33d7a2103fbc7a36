#include "platform/DriveSpace.h"

#include "common/CopyFixtures.h"

#include <gtest/gtest.h>

using namespace orvane::platform;
using namespace orvane::test;

TEST(DriveSpace, LongestMountPointAtAFolderBoundaryHoldsTheFolder) {
    const std::string table = "27 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
                              "39 27 0:34 /sub /data/deep/er rw - tmpfs tmpfs rw\n"
                              "40 27 0:30 / /data rw - tmpfs tmpfs rw\n"
                              "42 27 0:32 / /mnt/with\\040space\\134 rw - tmpfs tmpfs rw\n"
                              "broken line\n";
    for (const auto& [folder, mountPoint] : {std::pair{"/", "/"},
                                             {"/datax", "/"},
                                             {"/data/deep/er/x", "/data/deep/er"},
                                             {"/data/deep/err", "/data"},
                                             {"/mnt/with space\\/a", "/mnt/with space\\"}}) {
        EXPECT_EQ(mountPointOf(folder, table), mountPoint) << folder;
    }
}

TEST(DriveSpace, MissingDestinationOnATmpfsGivesItsMountPointAndFreeBytes) {
    TempFolder dir;
    Tmpfs drive(dir / "mount point", "size=1m");
    if (!drive.mounted()) {
        GTEST_SKIP() << drive.why();
    }
    const std::string real = std::filesystem::canonical(dir / "mount point").string();
    const auto empty = queryDriveSpace(dir / "mount point/not/yet/made/file.bin");
    EXPECT_EQ(std::tuple(empty.drive, empty.freeBytes, empty.totalBytes),
              std::tuple(real, 1L << 20, 1L << 20));
    writeAll(dir / "mount point/used", patterned(256 * 1024));
    // The path passes through a file: the folder above it is the nearest existing one.
    const auto used = queryDriveSpace(dir / "mount point/used/below");
    EXPECT_EQ(std::pair(used.drive, used.freeBytes), std::pair(real, 768L * 1024));
}
