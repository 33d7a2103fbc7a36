#include "windows/ViewSync.h"
#include "windows/EventPump.h"

#include <QObject>

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

TEST(ViewSync, ShowsAtOnceOutsideARunAndOnceAtTheFlushDuringOne) {
    windows::ViewSync sync;
    int firstShown = 0;
    int secondShown = 0;
    windows::ViewSync::Slot& first = sync.add([&firstShown] { ++firstShown; });
    windows::ViewSync::Slot& second = sync.add([&secondShown] { ++secondShown; });
    EXPECT_EQ(firstShown, 1) << "a binding shows its element when it is made";

    sync.changed(first);
    EXPECT_EQ(firstShown, 2);

    sync.setDeferring(true);
    sync.changed(first);
    sync.changed(first);
    sync.changed(first);
    EXPECT_EQ(firstShown, 2);
    EXPECT_EQ(secondShown, 1);
    sync.flush();
    EXPECT_EQ(firstShown, 3) << "three changes, one showing of the last state";
    EXPECT_EQ(secondShown, 1) << "an unchanged element is not shown again";

    sync.changed(second);
    sync.setDeferring(false);
    EXPECT_EQ(secondShown, 2) << "the end of a run shows what is still waiting";
    sync.flush();
    EXPECT_EQ(secondShown, 2);
}

// The user is answered every interval; the run's changes reach the widgets less often, since
// a person reads only a few updates a second and each showing repaints the panel.
TEST(EventPump, AnswersTheUserEveryIntervalAndShowsTheRunsChangesEveryShowInterval) {
    using namespace std::chrono_literals;
    windows::ViewSync sync;
    int shown = 0;
    windows::ViewSync::Slot& slot = sync.add([&shown] { ++shown; });
    const windows::EventPump::Clock::time_point start{1h};
    windows::EventPump::Clock::time_point now = start;
    RunState state;
    windows::EventPump pump(state, 25ms, 200ms, sync, [&now] { return now; });
    QObject receiver;
    int clicks = 0;
    sync.setDeferring(true);
    const struct {
        std::chrono::milliseconds at;
        int clicksHandled, timesShown;
    } yields[] = {{0ms, 1, 2}, {10ms, 1, 2}, {30ms, 3, 2}, {190ms, 4, 2}, {220ms, 5, 3}};
    for (const auto& yield : yields) {
        SCOPED_TRACE(yield.at.count());
        sync.changed(slot);
        QMetaObject::invokeMethod(
            &receiver, [&clicks] { ++clicks; }, Qt::QueuedConnection);
        now = start + yield.at;
        pump();
        EXPECT_EQ(clicks, yield.clicksHandled);
        EXPECT_EQ(shown, yield.timesShown);
    }
}

} // namespace
} // namespace orvane::test
