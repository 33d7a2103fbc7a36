#include "windows/ViewSync.h"

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

} // namespace
} // namespace orvane::test
