#include "windowlogic/ViewSync.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane::windowlogic {
namespace {

// Paced, as during the log save at exit: the first change is shown at once, later ones within
// the interval wait, and ending the pace shows the last state of each element, once. The
// interval is longer than any machine has been up, whose steady clock starts at its boot.
TEST(ViewSync, APacedChangeIsShownAtOnceThenOnlyTheLastStateWhenThePaceEnds) {
    ViewSync sync;
    int value = 0;
    std::string shown;
    ViewSync::Slot& bar = sync.add([&] { shown += std::to_string(value) + " "; });
    sync.setPace(std::chrono::years(100));
    for (const int step : {1, 2, 3}) {
        value = step;
        sync.changed(bar);
    }
    EXPECT_EQ(shown, "0 1 ");
    sync.setPace({});
    EXPECT_EQ(shown, "0 1 3 ");
    sync.changed(bar); // unpaced again: at once
    EXPECT_EQ(shown, "0 1 3 3 ");
}

} // namespace
} // namespace orvane::windowlogic
