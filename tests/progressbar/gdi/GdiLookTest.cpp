#include "GdiBarFixture.h"

#include <uxtheme.h>

#include <gtest/gtest.h>

#include <vector>

using namespace orvane;
using namespace orvane::testing;

namespace {

// The 200 x 20 bar at Value 50 in the memory surface: the bar up to column 99 (from column 2
// inside the 3-D edge), the button face beyond, and each border in the system's colours.
TEST(GdiLook, BordersInTheSystemsColours) {
    const ColorRef face = ::GetSysColor(COLOR_BTNFACE);
    const ColorRef shadow = ::GetSysColor(COLOR_BTNSHADOW);
    const ColorRef highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    struct Case {
        const char* name;
        std::int32_t borderStyle, appearance;
        // Colours expected at points, from the top-left corner round to the bottom-left one.
        std::vector<std::pair<ColorRef, POINT>> probes;
    };
    const Case cases[] = {
        {"thin inset (the main window's bars)",
         1,
         1,
         {{shadow, {0, 0}},
          {shadow, {199, 0}},
          {highlight, {199, 1}},
          {highlight, {199, 19}},
          {shadow, {0, 19}},
          {kNavy, {1, 1}},
          {kNavy, {99, 18}},
          {face, {100, 10}}}},
        {"thin raised inside a ring of background",
         2,
         1,
         {{face, {0, 0}},
          {highlight, {1, 1}},
          {highlight, {197, 1}},
          {shadow, {198, 1}},
          {shadow, {198, 18}},
          {face, {199, 19}},
          {shadow, {1, 18}},
          {highlight, {1, 17}}}},
        {"sunken 3-D edge",
         1,
         2,
         {{::GetSysColor(COLOR_3DDKSHADOW), {198, 0}},
          {highlight, {199, 0}},
          {::GetSysColor(COLOR_3DLIGHT), {198, 1}},
          {highlight, {0, 19}},
          {shadow, {1, 17}},
          {kNavy, {2, 2}},
          {kNavy, {99, 17}},
          {face, {100, 10}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto bar = MakeBar(200, 20);
        bar->setBorderStyle(c.borderStyle);
        bar->setAppearance(c.appearance);
        bar->setValue(50);
        for (const auto& [color, at] : c.probes) {
            EXPECT_EQ(MemPixel(*bar, at.x, at.y), color) << at.x << "," << at.y;
        }
    }
}

// The caption reads in ForeColor (red) over the empty part, BarForeColor (green) over the bar.
TEST(GdiLook, CaptionReadsInForeColorOverTheEmptyPartAndBarForeColorOverTheBar) {
    struct Case {
        int value;
        bool segments;
        std::pair<int, int> red, green;
    };
    const std::pair<int, int> none{0, 0};
    const Case cases[] = {{50, false, {100, 199}, {1, 100}},
                          {0, false, {1, 199}, none},
                          {100, true, {191, 199}, {1, 191}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        auto bar = MakeBar(200, 20);
        RedGreenCaption(*bar);
        bar->setTextAlignX(c.segments ? 2 : 1);
        bar->setSegments(c.segments);
        bar->setValue(c.value);
        for (const auto& [color, span] : {std::pair{kRed, c.red}, {kGreen, c.green}}) {
            const RECT box = InkBox(*bar, color, {1, 1, 199, 19});
            EXPECT_TRUE(span == none
                            ? box.right == 0
                            : box.right > 0 && box.left >= span.first && box.right <= span.second)
                << box.left << "-" << box.right;
        }
    }
}

// With XpStyle Wine's theme draws the bar: no classic bar colour or border is left.
TEST(GdiLook, TheVisualStylesDrawTheBarWhenAThemeIsActive) {
    auto bar = MakeBar(200, 20);
    bar->setXpStyle(true);
    bar->setValue(50);
    if (!::IsThemeActive()) {
        GTEST_SKIP() << "no visual styles in this Wine prefix";
    }
    EXPECT_EQ(InkBox(*bar, kNavy, {0, 0, 200, 20}).right, 0);
    EXPECT_NE(MemPixel(*bar, 0, 0), ::GetSysColor(COLOR_BTNSHADOW));
}

} // namespace
