#include "windowlogic/InfoWindowLayout.h"
#include "windowlogic/MainWindowLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane::windowlogic {
namespace {

// Each control of a frame lies inside the frame's area, so no part of it is cut off.
template <typename Control>
void expectInsideTheirFrames(std::span<const ControlPlace<Control>> layout) {
    for (const ControlPlace<Control>& child : layout) {
        const auto parent = std::find_if(layout.begin(), layout.end(),
                                         [&](const auto& p) { return p.control == child.parent; });
        if (parent == layout.end()) {
            continue; // the window's own area
        }
        SCOPED_TRACE(testing::Message() << "control " << static_cast<int>(child.control));
        EXPECT_LE(child.place.left + child.place.width, parent->place.width);
        EXPECT_LE(child.place.top + child.place.height, parent->place.height);
    }
}

TEST(Layout, EveryControlOfAFrameLiesInsideIt) {
    expectInsideTheirFrames(MainWindowLayout());
    expectInsideTheirFrames(InfoWindowLayout());
}

} // namespace
} // namespace orvane::windowlogic
