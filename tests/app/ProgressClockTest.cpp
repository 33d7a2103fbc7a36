#include "app/ProgressClock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace orvane {
namespace {

using Lines = std::vector<std::string>;

constexpr std::int64_t kMiB = std::int64_t{1} << 20;
constexpr std::int32_t kStartTick = 1000;

// The clock over a run state as Start leaves it: the labels hold Start's texts.
class ProgressClockTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.StartTick = kStartTick;
        window.lblTime[1].setCaption("Estimated time: 00:00:00");
        window.lblTime[2].setCaption("Data rate: 0 Bps");
        window.lblTime[3].setCaption("Total size todo: 0 B");
    }
    // The list copy as the engine leaves it after `copied` of `total` bytes (raw scale).
    void listCopyAt(std::int64_t total, std::int64_t copied) {
        state.ListCopyActive = true;
        state.CTotalFileSizeStart = Amount::fromRaw(total);
        state.CTotalFileSizetrans = Amount::fromRaw(copied);
        state.CTotalFileSize = Amount::fromRaw(total - copied);
    }
    Lines labels() const {
        return {window.lblTime[0].caption(), window.lblTime[1].caption(),
                window.lblTime[2].caption(), window.lblTime[3].caption()};
    }

    RunState state;
    MainWindowElements window;
    ProgressClock clock{state, window, '.'};
};

TEST_F(ProgressClockTest, ListCopyRateAndEstimateFollowTheBytesCopiedPerTick) {
    struct Tick {
        std::int64_t copied;
        std::uint32_t now;
        Lines labels;
    };
    const Tick ticks[] = {
        // No previous figure: the rate is the whole remaining size, the estimate one second.
        {0,
         kStartTick,
         {"Time elapsed: 0:00:00", "Estimated time: 0:00:01", "Data rate: 7.0 MBps",
          "Total size todo: 7.0 MB"}},
        // 5 MiB left at 2 MiB per tick: 2.5 seconds, a half that goes to the even neighbour.
        {2 * kMiB,
         kStartTick + 1000,
         {"Time elapsed: 0:00:01", "Estimated time: 0:00:02", "Data rate: 2.0 MBps",
          "Total size todo: 5.0 MB"}},
        // Nothing copied this tick: no rate, and the estimate stays as it was.
        {2 * kMiB,
         kStartTick + 2000,
         {"Time elapsed: 0:00:02", "Estimated time: 0:00:02", "Data rate: 0 Bps",
          "Total size todo: 5.0 MB"}},
        {7 * kMiB,
         kStartTick + 3000,
         {"Time elapsed: 0:00:03", "Estimated time: 0:00:00", "Data rate: 5.0 MBps",
          "Total size todo: 0 B"}},
    };
    for (const Tick& tick : ticks) {
        SCOPED_TRACE(tick.now);
        listCopyAt(7 * kMiB, tick.copied);
        clock.tmrClock_Timer(tick.now);
        EXPECT_EQ(labels(), tick.labels);
        EXPECT_EQ(state.CRemainingLast, Amount::fromValue(7 * kMiB - tick.copied));
    }
}

TEST_F(ProgressClockTest, ListOfSkippedFilesHasNothingLeftAtAnyTick) {
    for (std::uint32_t now : {kStartTick, kStartTick + 1000}) {
        listCopyAt(10, 10);
        clock.tmrClock_Timer(now);
        EXPECT_EQ(window.lblTime[1].caption(), "Estimated time: 00:00:00");
        EXPECT_EQ(window.lblTime[2].caption(), "Data rate: 0 Bps");
        EXPECT_EQ(window.lblTime[3].caption(), "Total size todo: 0 B");
        EXPECT_TRUE(state.CRemainingLast.isZero());
    }
}

TEST_F(ProgressClockTest, OutsideTheListCopyOnlyTheSizeLabelChanges) {
    // Direct mode: the to-do total falls below 0 by the bytes copied, raw scale.
    window.mnuOptDcopy.setChecked(true);
    state.CTotalFileSize = Amount::fromRaw(-3 * kMiB / 2);
    ProgressClock commaClock{state, window, ','};
    commaClock.tmrClock_Timer(kStartTick);
    EXPECT_EQ(labels(), (Lines{"Time elapsed: 0:00:00", "Estimated time: 00:00:00",
                               "Data rate: 0 Bps", "Total size done: 1,5 MB"}));
    EXPECT_EQ(state.CTotalFileSize, Amount::fromRaw(-3 * kMiB / 2));

    // The survey counts sizes as values, so its growing total shows unscaled.
    window.mnuOptDcopy.setChecked(false);
    for (const auto& [bytes, text] : {std::pair{std::int64_t{512}, "Total size todo: 512 B"},
                                      std::pair{3 * kMiB / 2, "Total size todo: 1.5 MB"}}) {
        state.CTotalFileSize = Amount::fromValue(bytes);
        clock.tmrClock_Timer(kStartTick + 1000);
        EXPECT_EQ(labels(), (Lines{"Time elapsed: 0:00:01", "Estimated time: 00:00:00",
                                   "Data rate: 0 Bps", text}));
    }
    EXPECT_TRUE(state.CRemainingLast.isZero());
}

TEST_F(ProgressClockTest, ElapsedTimeIsSkippedWhenTheTickDifferenceDoesNotFit32Bits) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    struct Case {
        std::int32_t startTick;
        std::uint32_t now;
        std::string label;
    };
    const Case cases[] = {
        {1000, 1000 + 3'723'000, "Time elapsed: 1:02:03"},
        // The unsigned tick count wrapped past 2^32 to a small number: still 2 seconds.
        {-500, 1500, "Time elapsed: 0:00:02"},
        {kMin + 10, 0x7FFFFFF0U, "before"},
        {kMax - 10, 0x80000010U, "before"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        RunState run;
        MainWindowElements labels;
        labels.lblTime[0].setCaption("before");
        run.StartTick = c.startTick;
        run.CTotalFileSize = Amount::fromValue(512);
        ProgressClock(run, labels, '.').tmrClock_Timer(c.now);
        EXPECT_EQ(labels.lblTime[0].caption(), c.label);
        // The other updates of the tick went on.
        EXPECT_EQ(labels.lblTime[3].caption(), "Total size todo: 512 B");
    }
}

TEST_F(ProgressClockTest, EstimateBeyond32BitsKeepsItsText) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    for (const auto& [remaining, estimate] : {std::pair{kMax, "Estimated time: 596523:14:07"},
                                              std::pair{kMax + 1, "Estimated time: 0:00:09"}}) {
        window.lblTime[1].setCaption("Estimated time: 0:00:09");
        // One byte went since the previous tick.
        state.CRemainingLast = Amount::fromValue(remaining + 1);
        listCopyAt(remaining, 0);
        clock.tmrClock_Timer(kStartTick);
        EXPECT_EQ(window.lblTime[1].caption(), estimate);
        EXPECT_EQ(window.lblTime[2].caption(), "Data rate: 1 Bps");
        EXPECT_EQ(window.lblTime[3].caption(), "Total size todo: 2.0 GB");
    }
}

TEST_F(ProgressClockTest, RemainingSizeBeyondTheValueScaleLeavesTheListLabelsAlone) {
    const std::int64_t huge = std::numeric_limits<std::int64_t>::max() / Amount::kScale + 1;
    listCopyAt(huge, 0);
    state.CRemainingLast = Amount::fromValue(kMiB);
    window.lblTime[1].setCaption("Estimated time: 0:00:09");
    window.lblTime[2].setCaption("Data rate: 1.0 MBps");
    window.lblTime[3].setCaption("Total size todo: 1.0 MB");
    clock.tmrClock_Timer(kStartTick + 5000);
    EXPECT_EQ(labels(), (Lines{"Time elapsed: 0:00:05", "Estimated time: 0:00:09",
                               "Data rate: 1.0 MBps", "Total size todo: 1.0 MB"}));
    EXPECT_EQ(state.CRemainingLast, Amount::fromValue(kMiB));
}

} // namespace
} // namespace orvane
