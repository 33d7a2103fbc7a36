#include "common/EngineHarness.h"

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

// A run cut short after the first third of a large file by Stop or by Pause (which abandons
// the file in progress); the next run shows the file bar at that third from its first report
// on, takes the third out of what is left to copy without counting it as copied now, and
// places the whole file.
TEST_F(ResumedCopyTest, TheNextRunContinuesWhereStopOrPauseLeftTheFile) {
    temp.write("data/big", patterned(static_cast<std::size_t>(kLarge)));
    for (const std::int32_t click : {run_control::stop, run_control::pause}) {
        SCOPED_TRACE(click == run_control::stop ? "Stop" : "Pause");
        std::filesystem::remove(dst("big"));
        EngineHarness first{source, destination};
        first.onYield = [&](int) {
            const bool paused = first.state.RunControl == run_control::pause;
            first.state.RunControl = paused ? run_control::none
                                     : first.window.pbFileCopy.Value() == 33
                                         ? click
                                         : first.state.RunControl;
        };
        first.runSurveyMode();
        ASSERT_FALSE(exists(dst("big")));

        EngineHarness next{source, destination};
        next.afterSurvey = [&next] {
            // As if the clock had just ticked: what it saw left to copy.
            next.state.CRemainingLast = Amount::fromRaw(kLarge).times(Amount::kScale);
        };
        std::vector<int> fileBar;
        Amount todoAtFirstReport;
        Amount remainingAtFirstReport;
        Amount counted;
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

} // namespace
} // namespace orvane::test
