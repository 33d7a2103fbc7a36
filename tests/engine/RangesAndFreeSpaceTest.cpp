#include "common/EngineHarness.h"
#include "engine/DestinationDirs.h"
#include "engine/TreeSteps.h"

#include <limits>

namespace orvane::test {
namespace {

using AmountRange = EngineTest;
using CounterRange = EngineTest;
using FreeSpaceCheck = EngineTest;

// A file of 1 PiB (a sparse file costs nothing to make) is beyond what an amount holds in
// bytes as its value. The run must not end there: the survey total stops at the largest
// amount, one line says so, and the next file is listed as usual.
TEST_F(AmountRange, SizeBeyondTheTotalsRangeHoldsThemAtTheLargestAmountAndTheRunGoesOn) {
    ASSERT_NO_THROW(AddToCopyList(harness.run, src("huge"), std::int64_t{1} << 50));
    ASSERT_NO_THROW(AddToCopyList(harness.run, src("small"), 5));
    const Amount largest = Amount::fromRaw(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(harness.state.CTotalFileSize, largest);
    EXPECT_EQ(harness.state.CTotalFileSizeStart, largest);
    EXPECT_EQ(harness.window.lstCopy.count(), 2U);
    EXPECT_EQ(harness.lines(), Lines{"Total size beyond 838.9 TB, held there: " + src("huge")});
}

// The folder count is 16 bits wide: 32767 plus one more folder stays 32767, and ".." never
// counts.
TEST_F(CounterRange, FolderCountStaysAtItsLargestValue) {
    harness.state.DirCount = 32766;
    countFolderEntry(harness.run, ".");
    countFolderEntry(harness.run, "..");
    EXPECT_EQ(harness.state.DirCount, 32767);
    countFolderEntry(harness.run, "sub");
    EXPECT_EQ(harness.state.DirCount, 32767);
}

// The free-space check through the copy step's query, no mount needed: a file exactly as
// large as the free space still fits, one byte more is refused with its line.
TEST_F(FreeSpaceCheck, FileAsLargeAsTheFreeSpaceFitsAndOneByteMoreIsRefused) {
    temp.write("data/five.bin", "12345");
    std::int64_t freeBytes = 4;
    harness.run.driveSpace = [&](const std::string&) {
        return platform::DriveSpace{"/drive", freeBytes, 100};
    };
    harness.runDirectMode();
    EXPECT_EQ(harness.lines(),
              (Lines{"Direct Copying on", "1. Cannot copy: " + src("five.bin") +
                                              " [5 B ] not enough space on drive: /drive [4 B ]"}));
    freeBytes = 5;
    harness.runDirectMode();
    EXPECT_EQ(harness.lines(3), (Lines{"Direct Copying on", "File five.bin copied in <t> [5 B]"}));
}

// The space a file system keeps for root is not free space to a copy, though root could
// write there: an ext4 drive of 16 MB with half its blocks reserved takes no 8 MB file.
TEST_F(FreeSpaceCheck, SpaceReservedForRootIsNotFree) {
    const std::string image = temp / "drive.img", drive = temp / "backup";
    const std::string make = "truncate -s 16M '" + image + "' && mkfs.ext4 -q -m 50 '" + image +
                             "' && mount -o loop '" + image + "' '" + drive + "'";
    if (std::system(("(" + make + ") >/dev/null 2>&1").c_str()) != 0) {
        GTEST_SKIP() << "cannot make and mount an ext4 image here";
    }
    const struct Unmount {
        std::string at;
        ~Unmount() { static_cast<void>(std::system(("umount '" + at + "'").c_str())); }
    } unmount{drive};
    writeAll(src("big.bin"), patterned(8 << 20));
    EngineHarness run(source, drive);
    run.runDirectMode();
    ASSERT_EQ(run.lines().size(), 2U);
    EXPECT_TRUE(run.lines()[1].starts_with("1. Cannot copy: " + src("big.bin") +
                                           " [8.0 MB ] not enough space on drive: " + drive))
        << run.lines()[1];
    EXPECT_FALSE(exists(drive + "/big.bin"));
}

} // namespace
} // namespace orvane::test
