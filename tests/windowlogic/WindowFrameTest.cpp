#include "windowlogic/WindowFrame.h"

#include <gtest/gtest.h>

namespace orvane::windowlogic {
namespace {

// The main window's 6450 × 3795 twips are 430 × 253 pixels outside at 96 dots per inch and
// 645 × 380 (379.5 to the nearest) at 144. What the window system draws around the window
// is taken off; where it draws nothing, a title bar of its usual height still is.
TEST(InnerSize, IsTheOuterSizeLessTheFrameOrLessAUsualTitleBarWhereThereIsNone) {
    const struct {
        double dpi;
        FrameMargins frame;
        PixelSize inner;
    } cases[] = {
        {96, {4, 30, 4, 4}, {422, 219}},
        {96, {0, 0, 0, 0}, {430, 230}},
        {144, {8, 45, 8, 8}, {629, 327}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << " dpi, top " << c.frame.top);
        EXPECT_EQ(InnerSize({6450, 3795}, c.dpi, c.frame, 23), c.inner);
    }
}

} // namespace
} // namespace orvane::windowlogic
