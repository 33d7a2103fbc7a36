#include "FakeSurface.h"

#include <gtest/gtest.h>

#include <limits>

using namespace orvane;
using namespace orvane::testing;

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
// The button face of the fake surface's system colours, and RGB(0, 0, 128), the bar's colour.
constexpr ColorRef kBack = RgbColor(15, 15, 15);
constexpr ColorRef kNavy = RgbColor(0, 0, 128);

// The colours of one row (or, vertical, one column) of the surface from first to last - 1.
std::vector<ColorRef> Line(const FakeSurface& surface, bool row, int at, int first, int last) {
    std::vector<ColorRef> colours;
    for (int i = first; i < last; ++i) {
        colours.push_back(row ? surface.At(i, at) : surface.At(at, i));
    }
    return colours;
}

// first - 1 pixels of back, then the given runs of bar colour (true) or back colour (false).
std::vector<ColorRef> Runs(std::initializer_list<std::pair<int, bool>> runs) {
    std::vector<ColorRef> colours;
    for (const auto& [length, bar] : runs) {
        colours.insert(colours.end(), static_cast<std::size_t>(length), bar ? kNavy : kBack);
    }
    return colours;
}

// Where the filled part of the 200 x 20 bar ends on its client (1, 1, 199, 19): at
// 1 + 198 x the share of the range, the nearest pixel, a half going to the even one; a value
// outside the range is clamped to it, and an empty range is a step at the minimum.
TEST(PaintSteps, BarEdgeIsTheNearestPixelOfTheClampedShareOfTheRange) {
    // Min, Max, Value, and the first column right of the bar.
    const std::int32_t cases[][4] = {{0, 100, 1, 3},     {0, 100, 75, 150},   {0, 100, 25, 50},
                                     {0, 100, 150, 199}, {0, 100, -5, 1},     {10, 20, 15, 100},
                                     {100, 0, 25, 150},  {0, 0, 0, 199},      {0, 0, -1, 1},
                                     {5, 5, 9, 199},     {kMin, kMax, 0, 100}};
    for (const auto& [min, max, value, edge] : cases) {
        SCOPED_TRACE(::testing::Message() << min << " " << max << " " << value);
        ModelOnly bar;
        bar.setMin(min);
        bar.setMax(max);
        bar.setValue(value);
        FakeSurface surface(200, 20);
        surface.Paint(bar);
        EXPECT_EQ(Line(surface, true, 10, 1, 199), Runs({{edge - 1, true}, {199 - edge, false}}));
    }
}

// The 200 x 20 bar at Value 50 with segments: the bar cut back from 100 to 91, blocks of 8 at
// 1-8, 11-18, ..., 81-88; a full bar stops at the last whole step, 191 (block 181-188).
TEST(PaintSteps, SegmentsAreBlocksOfEightWithGapsOfTwoCutBackToWholeSteps) {
    for (const auto& [value, blocks] : {std::pair{50, 9}, {100, 19}, {4, 0}}) {
        SCOPED_TRACE(value);
        ModelOnly bar;
        bar.setSegments(true);
        bar.setValue(value);
        FakeSurface surface(200, 20);
        surface.Paint(bar);
        std::vector<ColorRef> expected;
        for (int x = 1; x < 199; ++x) {
            expected.push_back(x < 1 + 10 * blocks && (x - 1) % 10 < 8 ? kNavy : kBack);
        }
        EXPECT_EQ(Line(surface, true, 10, 1, 199), expected);
    }
}

// A square control is a vertical bar growing from the bottom; segments are counted from the
// bottom edge, the first gap just below the bar (clipped away): in the 30 x 40 bar's client
// (1, 1, 29, 39) a full bar is cut back to rows 9-38, with gaps at 29-30 and 19-20.
TEST(PaintSteps, AVerticalBarGrowsFromTheBottomWithBlocksCountedFromThere) {
    ModelOnly square;
    square.setValue(50);
    FakeSurface squareSurface(20, 20);
    squareSurface.Paint(square);
    EXPECT_EQ(Line(squareSurface, false, 10, 1, 19), Runs({{9, false}, {9, true}}));

    ModelOnly tall;
    tall.setSegments(true);
    tall.setValue(100);
    FakeSurface tallSurface(30, 40);
    tallSurface.Paint(tall);
    EXPECT_EQ(Line(tallSurface, false, 15, 1, 39),
              Runs({{8, false}, {10, true}, {2, false}, {8, true}, {2, false}, {8, true}}));
}

// The classic caption is " " + Text + " " drawn twice into the reduced client, in ForeColor
// unclipped and in BarForeColor clipped to the bar, with TextAlignX OR 0x20 OR TextAlignY x 4;
// none without ShowText or without a Text. The themed look draws the Text itself once.
TEST(PaintSteps, CaptionIsDrawnOverTheEmptyPartAndAgainClippedToTheBar) {
    struct Case {
        const char* name;
        bool showText;
        std::u16string text;
        std::int32_t alignX, alignY;
        OleColor fore;
        std::uint32_t flags;
        ColorRef foreShown;
    };
    const Case cases[] = {
        {"centred", true, u"50%", 1, 1, RgbColor(1, 2, 3), 0x25, RgbColor(1, 2, 3)},
        {"left bottom, system colour", true, u"x", 0, 2, 0x80000012, 0x28, RgbColor(18, 18, 18)},
        {"huge TextAlignY keeps its low bits", true, u"x", 2, 0x40000001, 0, 0x26, 0},
        {"no ShowText", false, u"50%", 1, 1, 0, 0, 0},
        {"no Text", true, u"", 1, 1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
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
        if (!c.showText || c.text.empty()) {
            EXPECT_TRUE(surface.captions.empty());
            continue;
        }
        ASSERT_EQ(surface.captions.size(), 2U);
        const Rect client{1, 1, 199, 19};
        for (const FakeSurface::Caption& caption : surface.captions) {
            EXPECT_EQ(caption.rect, client);
            EXPECT_EQ(caption.text, u" " + c.text + u" ");
            EXPECT_EQ(caption.flags, c.flags);
        }
        EXPECT_EQ(surface.captions[0].color, c.foreShown);
        EXPECT_FALSE(surface.captions[0].clipped);
        EXPECT_EQ(surface.captions[1].color, RgbColor(4, 5, 6));
        EXPECT_TRUE(surface.captions[1].clipped);
        EXPECT_EQ(surface.captions[1].clip, (Rect{1, 1, 100, 19}));
    }
}

// With a theme that answers both sizes and draws the trough, the bar is cut to whole steps of
// chunk + space (6 + 2 here, a step of 10), its chunks drawn once on the bar less 2 at the
// top-left and 1 at the bottom-right, the caption by the theme in its content rectangle: no
// fill, no clip, no border, and the inset is 1 even for the 3-D edge.
TEST(PaintSteps, TheThemeDrawsTroughChunksAndCaption) {
    ModelOnly bar;
    bar.setXpStyle(true);
    bar.setAppearance(2);
    bar.setShowText(true);
    bar.setText(u"50%");
    bar.setValue(50);
    FakeSurface surface(200, 20);
    surface.hasTheme = true;
    surface.chunk = 6;
    surface.space = 2;
    surface.Paint(bar);
    EXPECT_EQ(surface.chunkRects, (std::vector<Rect>{{3, 3, 90, 18}}));
    ASSERT_EQ(surface.themeCaptions.size(), 1U);
    EXPECT_EQ(surface.themeCaptions[0].rect, (Rect{4, 4, 196, 16}));
    EXPECT_EQ(surface.themeCaptions[0].text, u"50%");
    EXPECT_FALSE(surface.themeCaptions[0].clipped);
    EXPECT_TRUE(surface.captions.empty());
    EXPECT_EQ(surface.borderCalls, 0);
    EXPECT_EQ(surface.At(50, 10), 0U);
}

// Any step of the theme that fails, no theme at all, or a background picture gives the classic
// look for that paint: the background filled (or pictured), the bar in its colour, the border.
TEST(PaintSteps, AnyThemeFailureGivesTheClassicLook) {
    struct Case {
        const char* name;
        bool theme;
        std::optional<int> chunk, space;
        bool barDraws, backPicture;
    };
    const Case cases[] = {{"no theme", false, 6, 2, true, false},
                          {"no chunk size", true, std::nullopt, 2, true, false},
                          {"no space size", true, 6, std::nullopt, true, false},
                          {"no trough", true, 6, 2, false, false},
                          {"a back picture", true, 6, 2, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModelOnly bar;
        bar.setXpStyle(true);
        bar.setValue(50);
        if (c.backPicture) {
            bar.setPicture({1, 1, {0x123456}});
        }
        FakeSurface surface(200, 20);
        surface.hasTheme = c.theme;
        surface.chunk = c.chunk;
        surface.space = c.space;
        surface.barDraws = c.barDraws;
        surface.Paint(bar);
        EXPECT_TRUE(surface.chunkRects.empty());
        EXPECT_EQ(surface.borderCalls, 2);
        EXPECT_EQ(surface.At(99, 10), kNavy);
        EXPECT_EQ(surface.At(100, 10), c.backPicture ? 0U : kBack);
    }
}

// Copies of a 16 x 8 picture tile the whole 200 x 20 background from its origin, each pixel
// once; the bar's tiles start at x = 0 and are as wide as the bar (99), so its last column is
// left uncovered, all under the bar's clip. Stretching covers the whole control, the bar's
// picture under the clip in the classic look and unclipped in the themed one.
TEST(PaintSteps, PicturesAreTiledFromTheOriginOrStretchedOverTheControl) {
    ModelOnly bar;
    const PictureObject picture{16, 8, std::vector<std::uint32_t>(16 * 8)};
    bar.setPicture(picture);
    bar.setBarPicture(picture);
    bar.setValue(50);
    FakeSurface surface(200, 20);
    surface.Paint(bar);
    std::vector<int> backCover(200 * 20);
    Rect barArea{99, 99, 0, 0};
    for (const FakeSurface::Copy& copy : surface.blits) {
        EXPECT_EQ(copy.srcX, copy.area.left % 16);
        EXPECT_EQ(copy.srcY, copy.area.top % 8);
        if (copy.source == PictureSlot::Bar) {
            EXPECT_TRUE(copy.clipped);
            barArea = {std::min(barArea.left, copy.area.left), std::min(barArea.top, copy.area.top),
                       std::max(barArea.right, copy.area.right),
                       std::max(barArea.bottom, copy.area.bottom)};
            continue;
        }
        for (int y = copy.area.top; y < copy.area.bottom; ++y) {
            for (int x = copy.area.left; x < copy.area.right; ++x) {
                ++backCover[static_cast<std::size_t>(y * 200 + x)];
            }
        }
    }
    EXPECT_EQ(backCover, std::vector<int>(200 * 20, 1));
    EXPECT_EQ(barArea, (Rect{0, 1, 99, 19}));

    for (const bool themed : {false, true}) {
        SCOPED_TRACE(themed);
        bar.setBackPictureMode(0);
        bar.setPicture({});
        bar.setBarPictureMode(0);
        bar.setXpStyle(themed);
        FakeSurface stretched(200, 20);
        stretched.hasTheme = true;
        stretched.chunk = 6;
        stretched.space = 2;
        stretched.Paint(bar);
        ASSERT_EQ(stretched.stretches.size(), 1U);
        EXPECT_EQ(stretched.stretches[0].area, (Rect{0, 0, 200, 20}));
        EXPECT_EQ(stretched.stretches[0].clipped, !themed);
    }
}

} // namespace
