#include "common/CopyFixtures.h"
#include "common/EngineHarness.h"
#include "common/TempFolder.h"

#include "engine/FileOperations.h"
#include "platform/DriveSpace.h"
#include "support/FormatSize.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::EngineHarness;
using test::TempFolder;
using Lines = std::vector<std::string>;

constexpr std::size_t kLargeFile = 12 * 1024 * 1024; // several chunks of the platform copy

// Stop and pause clicks played at exact yield points of a run.
class RunSteeringTest : public ::testing::Test {
protected:
    void SetUp() override {
        source = temp.makeFolder("data");
        destination = temp.makeFolder("backup/data");
        harness.setFolders(source, destination);
    }
    std::string dst(const std::string& relative) const { return destination + "/" + relative; }
    bool copyingFile(const std::string& name) const {
        return harness.window.lblInfo[1].caption().starts_with("Copying file " + name) &&
               !harness.state.CLastTransferred.isZero();
    }
    void click(std::int32_t request) { harness.state.RunControl = request; }

    TempFolder temp;
    EngineHarness harness;
    std::string source;
    std::string destination;
};

TEST_F(RunSteeringTest, StopInTheMiddleOfALargeFileCancelsItAndLeavesNoPartialFile) {
    test::writeAll(temp / "data/big.bin", test::patterned(kLargeFile));
    harness.window.mnuOptMove.setChecked(true);
    harness.onYield = [&](int) {
        if (copyingFile("big.bin")) {
            click(run_control::stop);
        }
    };
    harness.runSurveyMode();
    EXPECT_EQ(harness.lines(), Lines{"File big.bin Canceled"});
    EXPECT_TRUE(test::namesIn(destination).empty()); // neither the file nor its temporary
    EXPECT_EQ(test::readFile(source + "/big.bin").size(), kLargeFile);
    EXPECT_EQ(harness.state.outcome.filesCancelled, 1);
    // The list run clears the stop on its way out, and gives the Stop button back.
    EXPECT_EQ(harness.state.RunControl, run_control::none);
    EXPECT_TRUE(harness.window.cmdCancel.enabled());
    // Only the bytes that were reported moved between the totals.
    EXPECT_EQ(harness.state.CTotalFileSizetrans, harness.state.CLastTransferred);
    EXPECT_GT(harness.state.CTotalFileSize.raw(), 0);
}

TEST_F(RunSteeringTest, PauseDuringAFileAbandonsItWithoutRetryAndUnpauseGoesOn) {
    // Two large files, so that whichever comes first has another after it.
    test::writeAll(temp / "data/one.bin", test::patterned(kLargeFile, 1));
    test::writeAll(temp / "data/two.bin", test::patterned(kLargeFile, 2));
    int pausedYields = 0;
    std::string paused;
    harness.onYield = [&](int) {
        if (harness.state.RunControl == run_control::pause && ++pausedYields == 3) {
            click(run_control::none);
        } else if (paused.empty() && !harness.state.CLastTransferred.isZero()) {
            paused = harness.state.ListCopyActive ? harness.window.lstCopy.first() : "";
            click(run_control::pause);
        }
    };
    harness.runSurveyMode();
    const std::string pausedName = LastPathPart(paused.substr(0, paused.find("::")));
    const std::string otherName = pausedName == "one.bin" ? "two.bin" : "one.bin";
    EXPECT_EQ(harness.lines(), (Lines{"1. File " + pausedName + " reported err: 0",
                                      "File " + otherName + " copied in <t> [12.0 MB]"}));
    EXPECT_FALSE(test::exists(dst(pausedName)));
    EXPECT_EQ(test::namesIn(destination), std::set<std::string>{otherName});
    EXPECT_EQ(pausedYields, 3);
    EXPECT_TRUE(harness.window.lstCopy.empty());
}

TEST_F(RunSteeringTest, StopBetweenListItemsLeavesTheRestListed) {
    temp.write("data/a.txt", "a");
    temp.write("data/b.txt", "b");
    harness.onYield = [&](int) {
        if (harness.state.ListCopyActive && harness.window.lstCopy.count() == 1 &&
            harness.state.outcome.filesCopied == 1) {
            click(run_control::stop);
        }
    };
    harness.runSurveyMode();
    EXPECT_EQ(harness.lines().size(), 1U);
    EXPECT_EQ(harness.window.lstCopy.count(), 1U);
    EXPECT_EQ(harness.window.pbTotalFiles.Value(), 1);
}

TEST_F(RunSteeringTest, StopDuringTheSurveyKeepsWhatWasListedAndCopiesNothing) {
    temp.write("data/a.txt", "a");
    temp.write("data/sub/b.txt", "b");
    harness.onYield = [&](int yield) {
        if (yield == 1) {
            click(run_control::stop);
        }
    };
    harness.runSurveyMode();
    EXPECT_LE(harness.window.lstCopy.count(), 1U);
    EXPECT_EQ(harness.state.outcome.filesCopied, 0);
    EXPECT_EQ(harness.state.RunControl, run_control::none);
}

TEST_F(RunSteeringTest, PauseThenStopDuringTheSurveyEndsTheRun) {
    temp.write("data/a.txt", "a");
    temp.write("data/sub/b.txt", "b");
    harness.onYield = [&](int yield) {
        if (yield == 1) {
            click(run_control::pause);
        } else if (yield == 5) {
            click(run_control::stop);
        }
    };
    harness.runSurveyMode();
    EXPECT_EQ(harness.yields, 5);
    EXPECT_EQ(harness.state.outcome.filesCopied, 0);
}

TEST_F(RunSteeringTest, PauseThenUnpauseInTheDirectWalkCopiesEverything) {
    temp.write("data/a.txt", "a");
    temp.write("data/sub/b.txt", "b");
    harness.onYield = [&](int yield) {
        if (yield == 1) {
            click(run_control::pause);
        } else if (yield == 4) {
            click(run_control::none);
        }
    };
    harness.runDirectMode();
    EXPECT_EQ(harness.state.outcome.filesCopied, 2);
    EXPECT_EQ(test::readFile(dst("sub/b.txt")), "b");
}

TEST_F(RunSteeringTest, StopInTheDirectWalkUnwindsEveryLevelAndKeepsTheFlag) {
    temp.write("data/sub/deeper/a.txt", "a");
    temp.write("data/sub/deeper/b.txt", "b");
    harness.onYield = [&](int) {
        if (harness.state.outcome.filesCopied == 1) {
            click(run_control::stop);
        }
    };
    harness.runDirectMode();
    EXPECT_EQ(harness.state.outcome.filesCopied, 1);
    // Unlike the list run, the walk leaves the stop standing for the controller to report.
    EXPECT_EQ(harness.state.RunControl, run_control::stop);
}

TEST(RunSpace, FileAsLargeAsTheFreeSpaceIsCopiedAndOneByteMoreIsRefused) {
    TempFolder temp;
    test::Tmpfs small(temp / "small", "size=1m");
    if (!small.mounted()) {
        GTEST_SKIP() << small.why();
    }
    const std::string destination = temp.makeFolder("small/data");
    const std::int64_t free = platform::queryDriveSpace(destination).freeBytes;
    ASSERT_GT(free, 0);
    const std::string source = temp.makeFolder("data");
    test::writeAll(source + "/exact.bin", test::patterned(static_cast<std::size_t>(free)));
    test::writeAll(source + "/more.bin", test::patterned(static_cast<std::size_t>(free) + 1));
    EngineHarness harness;
    harness.setFolders(source, destination);
    harness.runSurveyMode();

    EXPECT_EQ(test::readFile(destination + "/exact.bin").size(), static_cast<std::size_t>(free));
    EXPECT_FALSE(test::exists(destination + "/more.bin"));
    EXPECT_EQ(harness.state.outcome.filesRefusedForSpace, 1);
    const Lines lines = harness.lines();
    const auto refusal = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("Cannot copy") != std::string::npos;
    });
    ASSERT_NE(refusal, lines.end());
    const std::string expectedStart = ". Cannot copy: " + source + "/more.bin [" +
                                      FormatSize(Amount::fromValue(free + 1), '.') +
                                      " ] not enough space on drive: " + temp / "small" + " [";
    EXPECT_EQ(refusal->substr(1, expectedStart.size()), expectedStart) << *refusal;
    EXPECT_TRUE(refusal->ends_with(" ]"));
}

} // namespace
} // namespace orvane
