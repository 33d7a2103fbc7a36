#include "common/EngineHarness.h"
#include "common/PosixFixtures.h"
#include "common/System.h"

#include "platform/FileCopy.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <thread>

namespace orvane::test {
namespace {

// Large enough for its copy to be kept when it is cut short; six chunks of 4 MiB.
constexpr std::int64_t kMiB = 1 << 20;
constexpr std::int64_t kLarge = 24 * kMiB;

class ResumedCopyTest : public EngineTest {
protected:
    void SetUp() override { platform::setCopyChunkForTests(4 * kMiB); }
    void TearDown() override { platform::setCopyChunkForTests(0); }
};

// Clicks Stop or Pause once a third of a file is copied, and ends a pause at the next yield.
void pauseAtAThird(EngineHarness& run, std::int32_t click) {
    if (run.state.RunControl == run_control::pause) {
        run.state.RunControl = run_control::none;
    } else if (run.state.CLastTransferred == Amount::fromRaw(kLarge / 3)) {
        run.state.RunControl = click;
    }
}

// A run cut short after the first third of a large file by Stop or by Pause (which abandons
// the file in progress); the next run, on a drive too full for a whole copy, shows the file bar at
// that third from its first report on, takes the third out of what is left to copy without counting
// it as copied now, and places the whole file.
TEST_F(ResumedCopyTest, TheNextRunContinuesWhereStopOrPauseLeftTheFile) {
    temp.write("data/big", patterned(static_cast<std::size_t>(kLarge)));
    for (const std::int32_t click : {run_control::stop, run_control::pause}) {
        SCOPED_TRACE(click == run_control::stop ? "Stop" : "Pause");
        std::filesystem::remove(dst("big"));
        EngineHarness first{source, destination};
        first.onYield = [&first, click](int) { pauseAtAThird(first, click); };
        first.runSurveyMode();
        ASSERT_FALSE(exists(dst("big")));
        // The part kept holds the room of what it wrote, not the whole file's.
        EXPECT_LE(allocatedBytes(dst(".big.orvane-resume")), kLarge / 2);

        EngineHarness next{source, destination};
        // Too little free space for the whole file, enough beside the part kept.
        next.run.driveSpace = [](const std::string&) {
            return platform::DriveSpace{"/", kLarge - kLarge / 6, kLarge};
        };
        // As if the clock had just ticked at the survey's end: what it saw left to copy.
        next.state.CRemainingLast = Amount::fromRaw(kLarge).times(Amount::kScale);
        std::vector<int> fileBar;
        Amount todoAtFirstReport, remainingAtFirstReport, counted;
        next.onYield = [&](int) {
            if (next.state.CLastTransferred == counted) {
                return;
            }
            counted = next.state.CLastTransferred;
            if (fileBar.empty()) {
                todoAtFirstReport = next.state.CTotalFileSize;
                remainingAtFirstReport =
                    (next.state.CTotalFileSizeStart - next.state.CTotalFileSizetrans)
                        .times(Amount::kScale);
            }
            fileBar.push_back(next.window.pbFileCopy.Value());
        };
        next.runSurveyMode();
        EXPECT_EQ(fileBar, (std::vector<int>{33, 50, 67, 83, 100}));
        EXPECT_EQ(todoAtFirstReport, Amount::fromRaw(kLarge - 8 * kMiB));
        EXPECT_EQ(remainingAtFirstReport, next.state.CRemainingLast);
        EXPECT_TRUE(sameTree(source, destination)); // nothing beside the copy either
    }
}

// The next run through the folder removes the partials of sources gone or changed (one now too
// small to be kept), continues the one it can, and leaves a user's file that looks like one.
TEST_F(ResumedCopyTest, PartialsOfSourcesGoneOrChangedAreRemovedByTheNextRun) {
    const std::string large = patterned(static_cast<std::size_t>(kLarge));
    plant({"data/sub/gone = " + large, "data/sub/changed = " + large, "data/sub/same = " + large});
    EngineHarness first{source, destination};
    first.onYield = [&first](int) { pauseAtAThird(first, run_control::pause); };
    first.runSurveyMode();
    std::filesystem::remove(src("sub/gone"));
    plant({"data/sub/changed = now small",
           "backup/data/sub/.mine.orvane-resume-record = a user's notes"});

    EngineHarness next{source, destination};
    next.runSurveyMode();
    EXPECT_EQ(listing(dst("sub")), (Lines{".mine.orvane-resume-record = a user's notes",
                                          "changed = now small", "same = " + large}));
}

// A move that continues a large file compares the whole copy with its source before it deletes
// the source: a kept part damaged where the continuing copy does not read it back (below the
// part an earlier run made durable) gives a copy with other bytes, and the source stays.
TEST_F(ResumedCopyTest, AMoveComparesTheWholeContinuedCopyBeforeItDeletesTheSource) {
    constexpr std::int64_t size = 80 * kMiB;
    temp.write("data/big", patterned(static_cast<std::size_t>(size)));
    EngineHarness first{source, destination};
    first.onYield = [&first](int) {
        const std::int64_t done = first.state.CLastTransferred.raw();
        if (done == 32 * kMiB) {
            // Long enough for the copy to make its first 64 MiB durable when it gets there.
            std::this_thread::sleep_for(std::chrono::milliseconds(2100));
        }
        first.state.RunControl = done >= 72 * kMiB ? run_control::stop : first.state.RunControl;
    };
    first.runSurveyMode();
    ASSERT_FALSE(exists(dst("big")));
    flipByte(dst(".big.orvane-resume"), kMiB);

    EngineHarness next{source, destination, true};
    std::vector<std::string> problems;
    next.state.problemListener = [&](const std::string& path, const std::string& reason) {
        problems.push_back(path + ": " + reason);
    };
    next.runSurveyMode();
    EXPECT_EQ(problems, Lines{src("big") + ": source kept: the destination holds other bytes"});
    EXPECT_TRUE(exists(src("big")));
}

// A folder that holds, beside an older version of a large file, the partial and the record that
// a stopped copy of a newer version left there, is moved elsewhere: the partial and the record
// are a user's files like any other there. All three arrive with their bytes, listed in the
// order that puts the partial's files first, and all three sources go.
TEST_F(ResumedCopyTest, AnotherCopysPartialMovedWithItsFolderArrivesAsItWas) {
    plant({"newer/data/big = " + patterned(static_cast<std::size_t>(kLarge + 4 * kMiB), 3),
           "data/big = " + patterned(static_cast<std::size_t>(kLarge))});
    EngineHarness stopped{temp / "newer/data", source};
    stopped.onYield = [&stopped](int) { pauseAtAThird(stopped, run_control::stop); };
    stopped.runSurveyMode();
    const Lines before = listing(source);
    ASSERT_EQ(before.size(), 3U);

    EngineHarness move{source, destination, true};
    move.onceWhen([&move] { return move.surveyed(); },
                  [&list = move.window.lstCopy] {
                      std::vector<std::string> items;
                      for (std::size_t i = 0; i < list.count(); ++i) {
                          items.push_back(list.item(i));
                      }
                      std::sort(items.begin(), items.end()); // ".big..." before "big"
                      list.clear();
                      for (auto& item : items) {
                          list.add(std::move(item));
                      }
                  });
    move.runSurveyMode();
    EXPECT_TRUE(listing(destination) == before);
    EXPECT_FALSE(exists(source));
    EXPECT_EQ(move.state.outcome.sourcesDeleted, static_cast<int>(before.size()));
}

} // namespace
} // namespace orvane::test
