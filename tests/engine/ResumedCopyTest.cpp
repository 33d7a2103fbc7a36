#include "common/EngineHarness.h"
#include "common/System.h"

#include "platform/FileCopy.h"

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
    SKIP_ON_WINDOWS("a copy that continues the part an earlier run kept, which the Windows "
                    "layer does not do yet");
    temp.write("data/big", patterned(static_cast<std::size_t>(kLarge)));
    for (const std::int32_t click : {run_control::stop, run_control::pause}) {
        SCOPED_TRACE(click == run_control::stop ? "Stop" : "Pause");
        std::filesystem::remove(dst("big"));
        EngineHarness first{source, destination};
        first.onYield = [&first, click](int) { pauseAtAThird(first, click); };
        first.runSurveyMode();
        ASSERT_FALSE(exists(dst("big")));

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

} // namespace
} // namespace orvane::test
