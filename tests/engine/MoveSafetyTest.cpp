#include "common/EngineHarness.h"

#include "platform/DriveSpace.h"
#include "platform/FileCopy.h"
#include "support/FormatSize.h"

#include <signal.h>

namespace orvane::test {
namespace {

// Turns after which a moved source must stay: its destination may not hold the same bytes.
class MoveSafetyTest : public EngineTest {
protected:
    void SetUp() override { harness.window.mnuOptMove.setChecked(true); }
    // Past the first chunk of a large file: small files never get this far.
    static bool midLargeFile(const EngineHarness& run) {
        return run.state.CLastTransferred > Amount::fromRaw(1 << 20);
    }
};

TEST_F(MoveSafetyTest, EveryTurnThatMayNotHavePlacedTheSameBytesKeepsItsSource) {
    temp.write("data/moved.txt", "same");
    temp.write("backup/data/moved.txt", "same");
    temp.write("data/other.txt", "wxyz"); // the same size, other bytes
    temp.write("backup/data/other.txt", "abcd");
    temp.write("data/linked.txt", "one file, two names"); // its destination is itself
    std::filesystem::create_hard_link(src("linked.txt"), dst("linked.txt"));
    // A folder under a file's name, and a file under a folder's name, block their copies.
    temp.write("data/blocked.txt", "blocked");
    temp.write("backup/data/blocked.txt/keep.txt", "keep");
    temp.write("data/sub/inner.txt", "inner");
    temp.write("backup/data/sub", "a file");
    // Named like copy temporaries: once moved, a sibling's next copy replaced their destination.
    temp.write("data/.x.orvane-part", "precious");
    temp.write("data/.orvane-part-0123456789abcdef", "also precious");
    harness.runSurveyMode();
    EXPECT_EQ(inAnyOrder(harness.lines()),
              (Lines{"#. File blocked.txt reported err: 0", "#. File inner.txt reported err: 0",
                     "#. File linked.txt skipped, allready there, filesize ok",
                     "#. File moved.txt skipped, allready there, filesize ok",
                     "#. File other.txt skipped, allready there, filesize ok",
                     "Failed to create dir: " + dst("sub"),
                     "File .orvane-part-0123456789abcdef copied in <t> [13 B]",
                     "File .x.orvane-part copied in <t> [8 B]",
                     "Move is on, deleted the file moved.txt"}));
    EXPECT_EQ(namesIn(source),
              (std::set<std::string>{".orvane-part-0123456789abcdef", ".x.orvane-part",
                                     "blocked.txt", "linked.txt", "other.txt", "sub"}));
    EXPECT_EQ(readFile(dst("sub")) + readFile(dst("blocked.txt/keep.txt")), "a filekeep");
}

// A run killed mid-file, then a run in which that file grows during its copy.
TEST_F(MoveSafetyTest, KillLeavesOnlyATemporaryAndTheNextRunCompletesKeepingASourceThatGrew) {
    writeAll(src("big.bin"), patterned(kLargeFile));
    temp.write("data/a.txt", "a");
    temp.write("data/sub/c.txt", "c");
    ASSERT_EQ(std::system(("cp -a '" + source + "' '" + temp / "pristine" + "'").c_str()), 0);
    harness.onYield = [&](int) {
        if (midLargeFile(harness)) {
            ::raise(SIGKILL);
        }
    };
    GTEST_FLAG_SET(death_test_style, "fast"); // a forked child, working in these folders
    EXPECT_EXIT(harness.runSurveyMode(), testing::KilledBySignal(SIGKILL), "");
    EXPECT_LT(std::filesystem::file_size(platform::temporaryNameFor(dst("big.bin"))), kLargeFile);
    EXPECT_FALSE(exists(dst("big.bin")));
    EngineHarness again(source, destination, true);
    again.onYield = [&](int) {
        if (midLargeFile(again) && std::filesystem::file_size(src("big.bin")) == kLargeFile) {
            std::ofstream(src("big.bin"), std::ios::binary | std::ios::app) << "late news";
        }
    };
    again.runSurveyMode();
    EXPECT_TRUE(sameTree(temp / "pristine", destination));
    EXPECT_EQ(namesIn(source), (std::set<std::string>{"big.bin", "sub"}));
    EXPECT_TRUE(readFile(src("big.bin")) == patterned(kLargeFile) + "late news");
}

TEST_F(MoveSafetyTest, OnAFullDriveAFileAsLargeAsTheFreeSpaceMovesAndOneByteMoreStays) {
    Tmpfs drive(temp / "backup", "size=1m");
    if (!drive.mounted()) {
        GTEST_SKIP() << drive.why();
    }
    temp.write("backup/data/stale.txt", "old and longer"); // for the read-only run below
    const std::int64_t free = platform::queryDriveSpace(destination).freeBytes;
    writeAll(src("exact.bin"), patterned(static_cast<std::size_t>(free)));
    writeAll(src("more.bin"), patterned(static_cast<std::size_t>(free) + 1));
    harness.runSurveyMode();
    Lines lines = inAnyOrder(harness.lines());
    const std::string refusal = "#. Cannot copy: " + src("more.bin") + " [" +
                                FormatSize(Amount::fromValue(free + 1), ".") +
                                " ] not enough space on drive: " + temp / "backup" + " [";
    // The rest of the refusal is the free space at its turn.
    lines.at(0).resize(std::min(lines[0].size(), refusal.size()));
    EXPECT_EQ(lines, (Lines{refusal,
                            "File exact.bin copied in <t> [" +
                                FormatSize(Amount::fromValue(free), ".") + "]",
                            "Move is on, deleted the file exact.bin"}));

    // Read-only binds root too: a destination of another size that cannot be removed stays,
    // and so does its source.
    temp.write("data/stale.txt", "new");
    if (::mount("tmpfs", (temp / "backup").c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) !=
        0) {
        GTEST_SKIP() << "cannot remount the tmpfs read-only (" << std::strerror(errno) << ")";
    }
    EngineHarness again(source, destination, true);
    again.runSurveyMode();
    EXPECT_EQ(inAnyOrder(again.lines()).at(1),
              "#. File stale.txt allready there, filesize wrong, deleted and recopied");
    EXPECT_EQ(namesIn(source), (std::set<std::string>{"more.bin", "stale.txt"}));
    EXPECT_EQ(readFile(dst("stale.txt")), "old and longer");
    EXPECT_EQ(again.state.outcome.filesFailed, 1); // no line of its own, but not a success
}

} // namespace
} // namespace orvane::test
