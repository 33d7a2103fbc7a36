#include "FakeSurface.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace orvane;
using namespace orvane::testing;

namespace {

// The button face of the fake surface's system colours, and RGB(0, 0, 128), the bar's colour.
constexpr ColorRef kBack = RgbColor(15, 15, 15);
constexpr ColorRef kNavy = RgbColor(0, 0, 128);

// Row (or, not across, column) at from first to last - 1: "#" bar colour, "." back colour.
std::string Line(const FakeSurface& surface, bool across, int at, int first, int last) {
    std::string line;
    for (int i = first; i < last; ++i) {
        const ColorRef colour = across ? surface.At(i, at) : surface.At(at, i);
        line += colour == kNavy ? '#' : colour == kBack ? '.' : '?';
    }
    return line;
}

std::string Pixels(int length, char pixel) {
    return std::string(static_cast<std::size_t>(length), pixel);
}

// Where the filled part of the 200 x 20 bar ends on its client (1, 1, 199, 19): at
// 1 + 198 x the share of the range, the nearest pixel, a half going to the even one; a value
// outside the range is clamped to it, and an empty range is a step at the minimum.
TEST(PaintSteps, BarEdgeIsTheNearestPixelOfTheClampedShareOfTheRange) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    // Min, Max, Value, and the first column right of the bar.
    const std::int32_t cases[][4] = {{0, 100, 1, 3},     {0, 100, 75, 150},   {0, 100, 25, 50},
                                     {0, 100, 150, 199}, {0, 100, -5, 1},     {10, 20, 15, 100},
                                     {100, 0, 25, 150},  {0, 0, 0, 199},      {0, 0, -1, 1},
                                     {5, 5, 9, 199},     {kMin, kMax, 0, 100}};
    for (const auto& [min, max, value, edge] : cases) {
        ModelOnly bar;
        bar.setMin(min);
        bar.setMax(max);
        bar.setValue(value);
        FakeSurface surface(200, 20);
        surface.Paint(bar);
        EXPECT_EQ(Line(surface, true, 10, 1, 199), Pixels(edge - 1, '#') + Pixels(199 - edge, '.'))
            << min << " " << max << " " << value;
    }
}

// With segments the 200 x 20 bar at Value 50 is cut back from 100 to 91: blocks of 8 at 1-8,
// 11-18, ..., 81-88; a full bar stops at the last whole step, 191, and a bar shorter than one
// step shows nothing.
TEST(PaintSteps, SegmentsAreBlocksOfEightWithGapsOfTwoCutBackToWholeSteps) {
    for (const auto& [value, blocks] : {std::pair{50, 9}, {100, 19}, {4, 0}}) {
        ModelOnly bar;
        bar.setSegments(true);
        bar.setValue(value);
        FakeSurface surface(200, 20);
        surface.Paint(bar);
        std::string expected;
        for (int block = 0; block < blocks; ++block) {
            expected += "########..";
        }
        EXPECT_EQ(Line(surface, true, 10, 1, 199), expected + Pixels(198 - 10 * blocks, '.'))
            << value;
    }
}

// A square control is a vertical bar growing from the bottom, its segments counted from there:
// in the 30 x 40 bar's client (1, 1, 29, 39) a full bar is rows 9-38, gaps at 29-30 and 19-20.
TEST(PaintSteps, AVerticalBarGrowsFromTheBottomWithBlocksCountedFromThere) {
    ModelOnly square;
    square.setValue(50);
    FakeSurface squareSurface(20, 20);
    squareSurface.Paint(square);
    EXPECT_EQ(Line(squareSurface, false, 10, 1, 19), ".........#########");

    ModelOnly tall;
    tall.setSegments(true);
    tall.setValue(100);
    FakeSurface tallSurface(30, 40);
    tallSurface.Paint(tall);
    EXPECT_EQ(Line(tallSurface, false, 15, 1, 39), "........##########..########..########");
}

// The classic caption is " " + Text + " " drawn twice into the reduced client, in ForeColor
// unclipped and in BarForeColor clipped to the bar, with TextAlignX OR 0x20 OR TextAlignY x 4;
// none without ShowText or without a Text.
TEST(PaintSteps, CaptionIsDrawnOverTheEmptyPartAndAgainClippedToTheBar) {
    struct Case {
        bool showText;
        std::u16string text;
        std::int32_t alignX, alignY;
        OleColor fore;
        std::uint32_t flags;
        ColorRef foreShown;
    };
    const Case cases[] = {
        {true, u"50%", 1, 1, RgbColor(1, 2, 3), 0x25, RgbColor(1, 2, 3)},
        // Left and bottom, in a system colour.
        {true, u"x", 0, 2, 0x80000012, 0x28, RgbColor(18, 18, 18)},
        // A huge TextAlignY keeps its low bits.
        {true, u"x", 2, 0x40000001, 0, 0x26, 0},
        {false, u"50%", 1, 1, 0, 0, 0},
        {true, u"", 1, 1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        ModelOnly bar;
        bar.setShowText(c.showText);
        bar.setText(c.text);
        bar.setTextAlignX(c.alignX);
        bar.setTextAlignY(c.alignY);
        bar.setForeColor(c.fore);
        bar.setBarForeColor(RgbColor(4, 5, 6));
        bar.setValue(50);
        FakeSurface surface(200, 20);
        surface.Paint(bar);
        ASSERT_EQ(surface.captions.size(), c.flags != 0 ? 2U : 0U);
        for (std::size_t i = 0; i < surface.captions.size(); ++i) {
            const FakeSurface::Call& caption = surface.captions[i];
            EXPECT_EQ(
                std::tie(caption.rect, caption.text, caption.flags, caption.color, caption.clip),
                std::tuple(Rect{1, 1, 199, 19}, u" " + c.text + u" ", c.flags,
                           i == 0 ? c.foreShown : RgbColor(4, 5, 6),
                           i == 0 ? std::nullopt : std::optional(Rect{1, 1, 100, 19})));
        }
    }
}

// A theme that answers both sizes and draws the trough gives the themed look: the bar cut to
// steps of chunk + space (6 + 2, a step of 10), its chunks once on the bar less 2 at the top-left
// and 1 at the bottom-right, the Text by the theme in its content rectangle, no fill, clip or
// border. A failed step, no theme, or a background picture gives the classic look.
TEST(PaintSteps, TheThemeDrawsTheBarUnlessAnyOfItsStepsFails) {
    struct Case {
        const char* name;
        bool theme;
        std::optional<int> chunk, space;
        bool barDraws, backPicture, themed;
    };
    const Case cases[] = {{"theme", true, 6, 2, true, false, true},
                          {"no theme", false, 6, 2, true, false, false},
                          {"no chunk size", true, std::nullopt, 2, true, false, false},
                          {"no space size", true, 6, std::nullopt, true, false, false},
                          {"no trough", true, 6, 2, false, false, false},
                          {"a back picture", true, 6, 2, true, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModelOnly bar;
        bar.setXpStyle(true);
        bar.setShowText(true);
        bar.setText(u"50%");
        bar.setValue(50);
        bar.setPicture(c.backPicture ? PictureObject{1, 1, {0x123456}} : PictureObject{});
        FakeSurface surface(200, 20);
        surface.hasTheme = c.theme;
        surface.chunk = c.chunk;
        surface.space = c.space;
        surface.barDraws = c.barDraws;
        surface.Paint(bar);
        EXPECT_EQ(surface.captions.size(), c.themed ? 0U : 2U);
        EXPECT_EQ(surface.borderCalls, c.themed ? 0 : 2);
        EXPECT_EQ(surface.At(99, 10), c.themed ? 0U : kNavy);
        const std::size_t themedCalls = c.themed ? 1 : 0;
        ASSERT_EQ(surface.chunks.size(), themedCalls);
        ASSERT_EQ(surface.themeCaptions.size(), themedCalls);
        if (c.themed) {
            EXPECT_EQ(surface.chunks[0].rect, (Rect{3, 3, 90, 18}));
            EXPECT_EQ(std::tie(surface.themeCaptions[0].rect, surface.themeCaptions[0].text),
                      std::tuple(Rect{4, 4, 196, 16}, u"50%"));
            EXPECT_EQ(surface.themeCaptions[0].clip, std::nullopt);
        }
    }
}

// The bar's picture is tiled from x = 0, each tile from the picture's origin phase-shifted by its
// place, as wide as the bar (99 of the 200 x 20 bar at 50), so the bar's last column keeps the
// background. Stretched, a picture covers the whole control: under the bar's clip in the
// classic look, unclipped in the themed one.
TEST(PaintSteps, PicturesAreTiledFromTheOriginOrStretchedOverTheControl) {
    ModelOnly bar;
    bar.setBarPicture({16, 8, std::vector<std::uint32_t>(16 * 8)});
    bar.setValue(50);
    FakeSurface tiled(200, 20);
    tiled.Paint(bar);
    for (int x = 1; x < 100; ++x) {
        EXPECT_EQ(tiled.At(x, 10), x < 99 ? FakeSurface::PictureColor(x % 16, 10 % 8) : kBack) << x;
    }

    bar.setBarPictureMode(0);
    for (const bool themed : {false, true}) {
        bar.setXpStyle(themed);
        FakeSurface stretched(200, 20);
        stretched.hasTheme = true;
        stretched.Paint(bar);
        ASSERT_EQ(stretched.stretches.size(), 1U);
        EXPECT_EQ(stretched.stretches[0].rect, (Rect{0, 0, 200, 20}));
        EXPECT_EQ(stretched.stretches[0].clip,
                  themed ? std::nullopt : std::optional(Rect{1, 1, 100, 19}));
    }
}

} // namespace
