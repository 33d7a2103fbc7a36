#include "common/EngineHarness.h"
#include "engine/DestinationDirs.h"
#include "engine/TreeSteps.h"

#include <gtest/gtest.h>

#include <limits>

namespace orvane {

// A file of 1 PiB (a sparse file costs nothing to make) is beyond what an amount holds in
// bytes as its value. The run must not end there: the survey total stops at the largest
// amount, one line says so, and the next file is listed as usual.
TEST(AmountRange, SizeBeyondTheTotalsRangeHoldsThemAtTheLargestAmountAndTheRunGoesOn) {
    test::TempFolder temp;
    test::EngineHarness h(temp.makeFolder("data"), temp.makeFolder("backup"));
    const std::int64_t pebibyte = std::int64_t{1} << 50;
    ASSERT_NO_THROW(AddToCopyList(h.run, temp / "data/huge", pebibyte));
    ASSERT_NO_THROW(AddToCopyList(h.run, temp / "data/small", 5));
    const Amount largest = Amount::fromRaw(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(h.state.CTotalFileSize, largest);
    EXPECT_EQ(h.state.CTotalFileSizeStart, largest);
    EXPECT_EQ(h.window.lstCopy.count(), 2U);
    EXPECT_EQ(h.lines(),
              (test::Lines{"Total size beyond 838.9 TB, held there: " + temp / "data/huge"}));
}

// The folder count is 16 bits wide: 32767 plus one more folder stays 32767, and ".." never
// counts.
TEST(CounterRange, FolderCountStaysAtItsLargestValue) {
    test::TempFolder temp;
    test::EngineHarness h(temp.makeFolder("data"), temp.makeFolder("backup"));
    h.state.DirCount = 32766;
    countFolderEntry(h.run, ".");
    countFolderEntry(h.run, "..");
    EXPECT_EQ(h.state.DirCount, 32767);
    countFolderEntry(h.run, "sub");
    EXPECT_EQ(h.state.DirCount, 32767);
}

// The free-space check through the copy step's query, no mount needed: a file exactly as
// large as the free space still fits, one byte more is refused with its line.
TEST(FreeSpaceCheck, FileAsLargeAsTheFreeSpaceFitsAndOneByteMoreIsRefused) {
    test::TempFolder temp;
    const std::string source = temp.makeFolder("data");
    temp.write("data/five.bin", "12345");
    test::EngineHarness h(source, temp.makeFolder("backup"));
    std::int64_t freeBytes = 4;
    h.run.driveSpace = [&](const std::string&) {
        return platform::DriveSpace{"/drive", freeBytes, 100};
    };
    h.runDirectMode();
    EXPECT_EQ(h.lines(),
              (test::Lines{"1. Cannot copy: " + source +
                           "/five.bin [5 B ] not enough space on drive: /drive [4 B ]"}));
    freeBytes = 5;
    h.log.removeFirst();
    h.runDirectMode();
    EXPECT_EQ(h.lines(), (test::Lines{"File five.bin copied in <t> [5 B]"}));
}

// The space a file system keeps for root is not free space to a copy, though root could
// write there: an ext4 drive of 16 MB with half its blocks reserved takes no 8 MB file.
TEST(FreeSpaceCheck, SpaceReservedForRootIsNotFree) {
    test::TempFolder temp;
    const std::string image = temp / "drive.img", drive = temp.makeFolder("backup");
    const std::string make = "truncate -s 16M '" + image + "' && mkfs.ext4 -q -m 50 '" + image +
                             "' && mount -o loop '" + image + "' '" + drive + "'";
    if (std::system(("(" + make + ") >/dev/null 2>&1").c_str()) != 0) {
        GTEST_SKIP() << "cannot make and mount an ext4 image here";
    }
    const struct Unmount {
        std::string at;
        ~Unmount() { static_cast<void>(std::system(("umount '" + at + "'").c_str())); }
    } unmount{drive};
    test::writeAll(temp.write("data/big.bin", ""), test::patterned(8 << 20));
    test::EngineHarness h(temp / "data", drive);
    h.runDirectMode();
    ASSERT_EQ(h.lines().size(), 1U);
    EXPECT_TRUE(h.lines()[0].starts_with("1. Cannot copy: " + temp / "data/big.bin" +
                                         " [8.0 MB ] not enough space on drive: " + drive))
        << h.lines()[0];
    EXPECT_FALSE(test::exists(drive + "/big.bin"));
}

// Files below /proc state a size of 0 whatever they hold. Each is copied to its end; the
// survey counted 0 for it, so the totals take the difference: the to-do total ends at 0 and
// the done total holds what was copied.
TEST(AmountRange, PseudoFilesAreCopiedWholeAndTheTotalsTakeTheDifference) {
    const std::string proc = "/proc/sys/kernel/random";
    if (!test::exists(proc + "/boot_id")) {
        GTEST_SKIP() << "no " << proc << " here";
    }
    test::TempFolder temp;
    test::EngineHarness h(proc, temp.makeFolder("random"));
    h.runSurveyMode();
    std::int64_t copied = 0;
    for (const auto& name : test::namesIn(proc)) {
        const std::string bytes = test::readFile(temp / "random/" + name);
        EXPECT_FALSE(bytes.empty()) << name;
        copied += static_cast<std::int64_t>(bytes.size());
    }
    EXPECT_EQ(test::readFile(temp / "random/boot_id"), test::readFile(proc + "/boot_id"));
    EXPECT_EQ(h.state.CTotalFileSize.raw(), 0);
    EXPECT_EQ(h.state.CTotalFileSizetrans.raw(), copied);
    EXPECT_EQ(h.state.CTotalFileSizeStart.raw(), copied);
}

} // namespace orvane
