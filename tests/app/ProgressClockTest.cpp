#include "app/ProgressClock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace orvane {

using Lines = std::vector<std::string>;

constexpr std::int64_t kMiB = std::int64_t{1} << 20;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// The clock over a run started at tick 0; a tick returns the time, estimate, rate and size labels.
class ProgressClockTest : public ::testing::Test {
protected:
    Lines tick(std::uint32_t now, const std::string& decimalSeparator = ".") {
        ProgressClock(state, window, decimalSeparator).tmrClock_Timer(now);
        return {window.lblTime[0].caption(), window.lblTime[1].caption(),
                window.lblTime[2].caption(), window.lblTime[3].caption()};
    }
    // A list copy tick with `copied` of `total` bytes done (raw scale); the last three labels.
    Lines listTick(std::int64_t total, std::int64_t copied) {
        state.ListCopyActive = true;
        state.CTotalFileSizeStart = Amount::fromRaw(total);
        state.CTotalFileSizetrans = Amount::fromRaw(copied);
        state.CTotalFileSize = Amount::fromRaw(total - copied);
        const Lines labels = tick(0);
        return {labels.begin() + 1, labels.end()};
    }

    RunState state;
    MainWindowElements window;
};

TEST_F(ProgressClockTest, ListCopyRateAndEstimateFollowTheBytesCopiedPerTick) {
    // A list of skipped files has nothing left: no rate, and no estimate.
    EXPECT_EQ(listTick(10, 10),
              (Lines{"Estimated time: 00:00:00", "Data rate: 0 Bps", "Total size todo: 0 B"}));
    // No previous figure: the rate is the whole remaining size, the estimate one second.
    EXPECT_EQ(listTick(7 * kMiB, 0),
              (Lines{"Estimated time: 0:00:01", "Data rate: 7.0 MBps", "Total size todo: 7.0 MB"}));
    // 5 MiB left at 2 MiB per tick: 2.5 seconds, a half that goes to the even neighbour.
    EXPECT_EQ(listTick(7 * kMiB, 2 * kMiB),
              (Lines{"Estimated time: 0:00:02", "Data rate: 2.0 MBps", "Total size todo: 5.0 MB"}));
    // Nothing copied this tick: no rate, and the estimate stays as it was.
    EXPECT_EQ(listTick(7 * kMiB, 2 * kMiB),
              (Lines{"Estimated time: 0:00:02", "Data rate: 0 Bps", "Total size todo: 5.0 MB"}));
    EXPECT_EQ(state.CRemainingLast, Amount::fromValue(5 * kMiB));
}

TEST_F(ProgressClockTest, OutsideTheListCopyOnlyTheSizeLabelChanges) {
    // Direct mode: the to-do total falls below 0 by the bytes copied, raw scale.
    window.mnuOptDcopy.setChecked(true);
    state.CTotalFileSize = Amount::fromRaw(-3 * kMiB / 2);
    EXPECT_EQ(tick(1000, ","), (Lines{"Time elapsed: 0:00:01", "Estimated time: 00:00:00",
                                      "Data rate: 0 kBps", "Total size done: 1,5 MB"}));
    // The survey counts sizes as values, so its growing total shows unscaled.
    window.mnuOptDcopy.setChecked(false);
    state.CTotalFileSize = Amount::fromValue(3 * kMiB / 2);
    EXPECT_EQ(tick(0)[3], "Total size todo: 1.5 MB");
}

TEST_F(ProgressClockTest, UpdateThatOverflowsIsSkippedAndTheOthersGoOn) {
    // One byte went since the previous tick: 2^31 - 1 seconds to go still shows, one more not.
    state.CRemainingLast = Amount::fromValue(kMax + 2LL);
    EXPECT_EQ(listTick(kMax + 1LL, 0),
              (Lines{"Estimated time: 00:00:00", "Data rate: 1 Bps", "Total size todo: 2.0 GB"}));
    state.CRemainingLast = Amount::fromValue(kMax + 1LL);
    const Lines longest{"Estimated time: 596523:14:07", "Data rate: 1 Bps",
                        "Total size todo: 2.0 GB"};
    EXPECT_EQ(listTick(kMax, 0), longest);
    // A remaining size beyond the value scale leaves the list labels alone.
    state.CRemainingLast = Amount::fromValue(kMiB);
    EXPECT_EQ(listTick(std::numeric_limits<std::int64_t>::max() / Amount::kScale + 1, 0), longest);
    EXPECT_EQ(state.CRemainingLast, Amount::fromValue(kMiB));

    // Elapsed time: a tick count that wrapped past 2^32 still counts; one that changed sign
    // since Start gives a difference beyond 32 bits and leaves the label as it was.
    state.StartTick = -500;
    EXPECT_EQ(tick(1500)[0], "Time elapsed: 0:00:02");
    state.StartTick = -kMax + 10;
    EXPECT_EQ(tick(0x7FFFFFF0U)[0], "Time elapsed: 0:00:02");
    state.StartTick = kMax - 10;
    EXPECT_EQ(tick(0x80000010U)[0], "Time elapsed: 0:00:02");
}

} // namespace orvane
