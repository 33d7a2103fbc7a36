#include "GdiBarFixture.h"

#include <uxtheme.h>

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

struct Probe {
    ColorRef color;
    std::vector<POINT> at;
};

void ExpectPixels(const pcProgressBar& bar, std::initializer_list<Probe> probes) {
    for (const Probe& probe : probes) {
        for (const POINT& at : probe.at) {
            EXPECT_EQ(MemPixel(bar, at.x, at.y), probe.color) << "at " << at.x << "," << at.y;
        }
    }
}

// The 200 x 20 bar at Value 50 in the memory surface: its client (1, 1, 199, 19), or (2, 2,
// 198, 18) inside the 3-D edge, the bar up to column 99 (segments: blocks of 8 from column 1,
// cut back to 91), the button face beyond, and each border in the system's colours.
TEST(GdiLook, BordersBarAndSegmentsInTheSystemsColours) {
    const ColorRef face = ::GetSysColor(COLOR_BTNFACE);
    const ColorRef shadow = ::GetSysColor(COLOR_BTNSHADOW);
    const ColorRef highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const ColorRef darkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    const ColorRef light = ::GetSysColor(COLOR_3DLIGHT);
    struct Case {
        const char* name;
        std::int32_t borderStyle, appearance;
        bool segments;
        std::initializer_list<Probe> probes;
    };
    const Case cases[] = {
        {"thin inset (the main window's bars)",
         1,
         1,
         false,
         {{shadow, {{0, 0}, {199, 0}, {0, 19}}},
          {highlight, {{199, 1}, {1, 19}, {199, 19}}},
          {kNavy, {{1, 1}, {99, 18}}},
          {face, {{100, 10}, {198, 18}}}}},
        {"segments",
         1,
         1,
         true,
         {{kNavy, {{1, 10}, {8, 10}, {11, 10}, {88, 10}}},
          {face, {{9, 10}, {10, 10}, {89, 10}, {91, 10}, {99, 10}}}}},
        {"thin raised inside a ring of background",
         2,
         1,
         false,
         {{face, {{0, 0}, {199, 19}, {0, 10}}},
          {highlight, {{1, 1}, {1, 17}, {197, 1}}},
          {shadow, {{198, 1}, {198, 18}, {0 + 1, 18}}}}},
        {"flat", 1, 0, false, {{RgbColor(0, 0, 0), {{0, 0}, {199, 19}, {0, 19}}}}},
        {"sunken 3-D edge",
         1,
         2,
         false,
         {{darkShadow, {{0, 0}, {0, 18}, {198, 0}}},
          {highlight, {{199, 0}, {0, 19}}},
          {shadow, {{1, 1}, {1, 17}}},
          {light, {{198, 1}, {1, 18}}},
          {kNavy, {{2, 2}, {99, 17}}}}},
        {"raised 3-D edge",
         2,
         2,
         false,
         {{highlight, {{0, 0}, {0, 18}}},
          {darkShadow, {{199, 0}, {0, 19}}},
          {light, {{1, 1}}},
          {shadow, {{198, 1}, {1, 18}}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto bar = MakeBar(200, 20);
        bar->setBorderStyle(c.borderStyle);
        bar->setAppearance(c.appearance);
        bar->setSegments(c.segments);
        bar->setValue(50);
        ExpectPixels(*bar, c.probes);
    }
}

// The caption reads in ForeColor (red) over the empty part and in BarForeColor (green) over the
// bar: the columns each colour may occupy, or none.
TEST(GdiLook, CaptionReadsInForeColorOverTheEmptyPartAndBarForeColorOverTheBar) {
    const std::pair<int, int> none{-1, -1};
    struct Case {
        int value;
        bool segments;
        std::pair<int, int> red, green;
    };
    const Case cases[] = {{50, false, {100, 198}, {1, 99}},
                          {0, false, {1, 198}, none},
                          {100, false, none, {1, 198}},
                          {100, true, {191, 198}, {1, 190}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        auto bar = MakeBar(200, 20);
        RedGreenCaption(*bar);
        bar->setTextAlignX(c.segments ? 2 : 1);
        bar->setSegments(c.segments);
        bar->setValue(c.value);
        for (const auto& [color, span] : {std::pair{kRed, c.red}, {kGreen, c.green}}) {
            const auto got = ColumnsOf(*bar, color, {1, 1, 199, 19});
            EXPECT_TRUE(span == none
                            ? got == none
                            : got != none && got.first >= span.first && got.second <= span.second)
                << got.first << "-" << got.second;
        }
    }
}

// Without a border, the bar a quarter: a picture of 2 x 1 pixels stretched over the control
// shows its first pixel up to column 99 and its second beyond; the bar's picture of 3 x 1 pixels
// (blue, green, red) is tiled from column 0.
TEST(GdiLook, PicturesAreStretchedAndTiledWithBlockCopies) {
    auto bar = MakeBar(200, 20);
    bar->setBorderStyle(0);
    bar->setBackPictureMode(0);
    bar->setPicture({2, 1, {0x102030, 0x405060}});
    bar->setBarPicture({3, 1, {0x0000FF, 0x00FF00, 0xFF0000}});
    bar->setValue(25);
    ExpectPixels(*bar, {{RgbColor(0x10, 0x20, 0x30), {{50, 10}, {99, 19}}},
                        {RgbColor(0x40, 0x50, 0x60), {{100, 0}, {199, 19}}},
                        {RgbColor(0, 0, 0xFF), {{0, 5}, {48, 5}}},
                        {RgbColor(0, 0xFF, 0), {{1, 5}, {49, 19}}},
                        {RgbColor(0xFF, 0, 0), {{2, 5}, {47, 0}}}});
}

// With XpStyle, Wine's theme draws the trough and the chunks: none of the classic look's bar
// colour or border is left. Without a theme the look would be classic.
TEST(GdiLook, TheVisualStylesDrawTheBarWhenAThemeIsActive) {
    auto bar = MakeBar(200, 20);
    bar->setXpStyle(true);
    bar->setValue(50);
    const HTHEME theme = ::OpenThemeData(bar->hWnd(), L"Progress");
    if (theme == nullptr) {
        GTEST_SKIP() << "no visual styles in this Wine prefix";
    }
    ::CloseThemeData(theme);
    EXPECT_EQ(ColumnsOf(*bar, kNavy, {0, 0, 200, 20}), std::pair(-1, -1));
    EXPECT_NE(MemPixel(*bar, 0, 0), ::GetSysColor(COLOR_BTNSHADOW));
}

} // namespace
