#include "common/CopyFixtures.h"
#include "common/EngineHarness.h"
#include "common/LogLines.h"
#include "common/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <cstring>

namespace orvane {
namespace {

using test::EngineHarness;
using test::inAnyOrder;
using test::readFile;
using test::TempFolder;
using Lines = std::vector<std::string>;

constexpr std::size_t kLargeFile = 12 * 1024 * 1024; // several chunks of the platform copy

// "Move Files" deletes each source after its turn; these are the turns after which a source
// must stay, because its destination does not hold the same bytes or is the source itself.
class MoveSafetyTest : public ::testing::Test {
protected:
    void SetUp() override {
        source = temp.makeFolder("data");
        destination = temp.makeFolder("backup/data");
        harness.setFolders(source, destination);
        harness.window.mnuOptMove.setChecked(true);
    }
    std::string src(const std::string& name) const { return source + "/" + name; }
    std::string dst(const std::string& name) const { return destination + "/" + name; }
    // True in the middle of the named file's copy, after its first chunk.
    bool copying(const std::string& name) const {
        return harness.window.lblInfo[1].caption().starts_with("Copying file " + name) &&
               !harness.state.CLastTransferred.isZero();
    }

    TempFolder temp;
    EngineHarness harness;
    std::string source;
    std::string destination;
};

TEST_F(MoveSafetyTest, SkippedFileIsDeletedOnlyWhenItsDestinationHoldsTheSameBytesElsewhere) {
    temp.write("data/moved.txt", "same");
    temp.write("backup/data/moved.txt", "same");
    temp.write("data/other.txt", "wxyz");
    temp.write("backup/data/other.txt", "abcd");
    temp.write("data/linked.txt", "one file, two names");
    std::filesystem::create_hard_link(src("linked.txt"), dst("linked.txt"));
    harness.runSurveyMode();

    EXPECT_EQ(inAnyOrder(harness.lines()),
              inAnyOrder({"#. File linked.txt skipped, allready there, filesize ok",
                          "#. File moved.txt skipped, allready there, filesize ok",
                          "#. File other.txt skipped, allready there, filesize ok",
                          "Move is on, deleted the file moved.txt"}));
    EXPECT_FALSE(test::exists(src("moved.txt")));
    EXPECT_EQ(readFile(src("other.txt")), "wxyz");
    EXPECT_EQ(readFile(dst("other.txt")), "abcd");
    // Deleting either name of the one file would have lost it.
    EXPECT_EQ(readFile(src("linked.txt")), "one file, two names");
    EXPECT_EQ(readFile(dst("linked.txt")), "one file, two names");
    EXPECT_EQ(harness.state.outcome.sourcesDeleted, 1);
}

TEST_F(MoveSafetyTest, SourceThatGrowsDuringItsCopyIsKept) {
    const std::string original = test::patterned(kLargeFile);
    test::writeAll(src("big.bin"), original);
    bool appended = false;
    harness.onYield = [&](int) {
        if (!appended && copying("big.bin")) {
            std::ofstream(src("big.bin"), std::ios::binary | std::ios::app) << "late news";
            appended = true;
        }
    };
    harness.runSurveyMode();

    ASSERT_TRUE(appended);
    EXPECT_EQ(harness.lines(), Lines{"File big.bin copied in <t> [12.0 MB]"});
    EXPECT_TRUE(readFile(src("big.bin")) == original + "late news");
    EXPECT_EQ(harness.state.outcome.sourcesDeleted, 0);
    // The folder is not emptied either, so it stays.
    EXPECT_TRUE(std::filesystem::is_directory(source));
}

TEST_F(MoveSafetyTest, FailedAndPausedCopiesKeepTheirSource) {
    // A non-empty folder under the destination's name: nothing can be placed there.
    temp.write("data/blocked.txt", "blocked");
    temp.write("backup/data/blocked.txt/keep.txt", "keep");
    // A file under a folder's name: the folder cannot be made, nor anything copied into it.
    temp.write("data/sub/inner.txt", "inner");
    temp.write("backup/data/sub", "a file");
    const std::string original = test::patterned(kLargeFile);
    test::writeAll(src("big.bin"), original);
    int pausedYields = 0;
    harness.onYield = [&](int) {
        if (harness.state.RunControl == run_control::pause) {
            if (++pausedYields == 2) {
                harness.state.RunControl = run_control::none;
            }
        } else if (pausedYields == 0 && copying("big.bin")) {
            harness.state.RunControl = run_control::pause;
        }
    };
    harness.runDirectMode();

    ASSERT_EQ(pausedYields, 2);
    EXPECT_EQ(
        inAnyOrder(harness.lines()),
        inAnyOrder({"1. File big.bin reported err: 0", "1. File blocked.txt reported err: 0",
                    "Failed to create dir: " + dst("sub"), "1. File inner.txt reported err: 0"}));
    EXPECT_TRUE(readFile(src("big.bin")) == original);
    EXPECT_EQ(readFile(src("blocked.txt")), "blocked");
    EXPECT_EQ(readFile(src("sub/inner.txt")), "inner");
    EXPECT_EQ(readFile(dst("blocked.txt/keep.txt")), "keep");
    EXPECT_EQ(readFile(dst("sub")), "a file");
    EXPECT_EQ(test::namesIn(destination), (std::set<std::string>{"blocked.txt", "sub"}));
}

TEST_F(MoveSafetyTest, StopKeepsTheSourceEvenOfAFileWhoseCopyCompleted) {
    temp.write("data/small.txt", "small");
    harness.onYield = [&](int) {
        // The one chunk report of a small file is its last: the copy completes regardless.
        if (copying("small.txt")) {
            harness.state.RunControl = run_control::stop;
        }
    };
    harness.runSurveyMode();
    EXPECT_EQ(harness.lines(), Lines{"File small.txt Canceled"});
    EXPECT_EQ(readFile(src("small.txt")), "small");
    EXPECT_EQ(harness.state.outcome.sourcesDeleted, 0);
}

// Regression: a file named like a sibling's copy temporary was moved, and the sibling's next
// copy then replaced it in the destination: the file was gone from both places.
TEST_F(MoveSafetyTest, FileNamedLikeACopyTemporaryIsCopiedButKeepsItsSource) {
    const std::string longForm = ".orvane-part-0123456789abcdef";
    temp.write("data/.x.orvane-part", "precious");
    temp.write("data/" + longForm, "also precious");
    harness.runSurveyMode();
    temp.write("data/x", "x");
    EngineHarness next;
    next.setFolders(source, destination);
    next.window.mnuOptMove.setChecked(true);
    next.runSurveyMode();

    EXPECT_EQ(readFile(src(".x.orvane-part")), "precious");
    EXPECT_EQ(readFile(src(longForm)), "also precious");
    EXPECT_EQ(readFile(dst(longForm)), "also precious");
    EXPECT_EQ(readFile(dst("x")), "x");
    EXPECT_FALSE(test::exists(src("x")));
}

TEST(MoveSafetyOnAFullReadOnlyDrive, RefusedAndUnremovableDestinationsKeepTheirSource) {
    TempFolder temp;
    test::Tmpfs drive(temp / "drive", "size=1m");
    if (!drive.mounted()) {
        GTEST_SKIP() << drive.why();
    }
    const std::string source = temp.makeFolder("data");
    temp.write("data/big.bin", test::patterned(2 * 1024 * 1024));
    temp.write("data/stale.txt", "new");
    const std::string destination = temp.makeFolder("drive/data");
    temp.write("drive/data/stale.txt", "old and longer");
    // Read-only binds root too: the wrong-sized destination cannot be removed.
    if (::mount("tmpfs", (temp / "drive").c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
        GTEST_SKIP() << "cannot remount the tmpfs read-only (" << std::strerror(errno) << ")";
    }
    EngineHarness harness;
    harness.setFolders(source, destination);
    harness.window.mnuOptMove.setChecked(true);
    harness.runSurveyMode();

    const Lines lines = inAnyOrder(harness.lines());
    ASSERT_EQ(lines.size(), 2U) << testing::PrintToString(lines);
    EXPECT_TRUE(lines[0].starts_with("#. Cannot copy: " + source + "/big.bin [2.0 MB ]"))
        << lines[0];
    // The failed removal leaves the old file, which the copy step then leaves alone.
    EXPECT_EQ(lines[1], "#. File stale.txt allready there, filesize wrong, deleted and recopied");
    EXPECT_EQ(readFile(source + "/big.bin").size(), 2U * 1024 * 1024);
    EXPECT_EQ(readFile(source + "/stale.txt"), "new");
    EXPECT_EQ(readFile(destination + "/stale.txt"), "old and longer");
    EXPECT_EQ(harness.state.outcome.sourcesDeleted, 0);
}

} // namespace
} // namespace orvane
