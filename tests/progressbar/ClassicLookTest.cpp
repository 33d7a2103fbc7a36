#include "BarFixture.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

TEST(ClassicLook, SegmentsAreBlocksOfEightWithGapsOfTwoCutBackToWholeSteps) {
    auto bar = MakeBar(200, 20);
    bar->setSegments(true);
    bar->setValue(50);
    const QImage image = Composed(*bar);
    for (int x = 1; x < 199; ++x) {
        const int inStep = (x - 1) % 10;
        const QColor expected = (x < 91 && inStep < 8) ? kNavy : kButton;
        EXPECT_EQ(QColor(image.pixel(x, 10)), expected) << "column " << x;
    }
    bar->setValue(100);
    EXPECT_EQ(Pixel(*bar, 188, 10), kNavy);
    EXPECT_EQ(Pixel(*bar, 189, 10), kButton);
    EXPECT_EQ(Pixel(*bar, 191, 10), kButton);
    EXPECT_EQ(Pixel(*bar, 198, 10), kButton);
}

TEST(ClassicLook, CaptionReadsInForeColorOverTheEmptyPartAndBarForeColorOverTheBar) {
    auto bar = MakeBar(200, 20);
    ShowCaption(*bar, QStringLiteral("MMMMMMMM"));
    bar->setValue(50);
    const QRect client(1, 1, 198, 18);
    const Columns red = ColumnsOf(Composed(*bar), kRed, client);
    const Columns green = ColumnsOf(Composed(*bar), kGreen, client);
    ASSERT_FALSE(red.Empty());
    ASSERT_FALSE(green.Empty());
    EXPECT_LT(green.last, 100);
    EXPECT_GE(red.first, 100);

    bar->setValue(0);
    EXPECT_TRUE(ColumnsOf(Composed(*bar), kGreen, client).Empty());
    EXPECT_TRUE(ColumnsOf(Composed(*bar), kNavy, client).Empty());
    EXPECT_FALSE(ColumnsOf(Composed(*bar), kRed, client).Empty());

    bar->setValue(100);
    EXPECT_TRUE(ColumnsOf(Composed(*bar), kRed, client).Empty());
    EXPECT_FALSE(ColumnsOf(Composed(*bar), kGreen, client).Empty());
    EXPECT_EQ(Pixel(*bar, 198, 18), kNavy);
}

TEST(ClassicLook, FullSegmentedBarLeavesTheCaptionsEndInForeColor) {
    auto bar = MakeBar(200, 20);
    bar->setSegments(true);
    bar->setTextAlignX(2);
    ShowCaption(*bar, QStringLiteral("MMMMM"));
    bar->setValue(150);
    const Columns red = ColumnsOf(Composed(*bar), kRed, QRect(1, 1, 198, 18));
    const Columns green = ColumnsOf(Composed(*bar), kGreen, QRect(1, 1, 198, 18));
    ASSERT_FALSE(red.Empty());
    ASSERT_FALSE(green.Empty());
    EXPECT_GE(red.first, 191);
    EXPECT_LT(green.last, 191);
}

TEST(ClassicLook, LeftAlignedCaptionStartsOneSpaceIn) {
    auto bar = MakeBar(200, 20);
    bar->setTextAlignX(0);
    ShowCaption(*bar, QStringLiteral("M"));
    const Columns red = ColumnsOf(Composed(*bar), kRed, QRect(1, 1, 198, 18));
    const int space = QFontMetrics(CaptionFont()).horizontalAdvance(u' ');
    ASSERT_FALSE(red.Empty());
    EXPECT_GE(red.first, 1 + space);
    EXPECT_LE(red.first, 1 + space + 3);
}

TEST(ClassicLook, SquareControlIsAVerticalBarGrowingFromTheBottom) {
    auto bar = MakeBar(40, 40);
    bar->setValue(50);
    // Client (1, 1, 39, 39): the top edge is 1 + 38 x 0.5 = 20.
    EXPECT_EQ(Pixel(*bar, 20, 19), kButton);
    EXPECT_EQ(Pixel(*bar, 20, 20), kNavy);
    EXPECT_EQ(Pixel(*bar, 1, 38), kNavy);
    EXPECT_EQ(Pixel(*bar, 38, 38), kNavy);
    // Segments count from the bottom: a full bar is cut back to the top 9, gaps at 29-30
    // and 19-20, so the blocks are 31-38, 21-28 and the remainder 9-18.
    bar->setSegments(true);
    bar->setValue(100);
    const QImage image = Composed(*bar);
    for (int y = 1; y < 39; ++y) {
        const bool gap = y < 9 || y == 19 || y == 20 || y == 29 || y == 30;
        EXPECT_EQ(QColor(image.pixel(20, y)), gap ? kButton : kNavy) << "row " << y;
    }
}

// Each BorderStyle and Appearance at Value 50 of the 200 x 20 bar. The soft 3-D edge is two
// rings whose bottom and right lines own the shared corners; the platform gives its outer ring
// the extreme colours: sunken 3-D dark shadow / highlight, raised highlight / 3-D dark shadow.
TEST(ClassicLook, BorderStylesAndAppearances) {
    const QColor black(Qt::black);
    struct Case {
        int borderStyle, appearance;
        std::initializer_list<Probe> probes;
    };
    const Case cases[] = {
        {1,
         1,
         {{{0, 0}, kDark},
          {{199, 0}, kDark},
          {{0, 19}, kDark},
          {{199, 1}, kLight},
          {{1, 19}, kLight},
          {{199, 19}, kLight},
          {{1, 1}, kNavy},
          {{99, 18}, kNavy},
          {{100, 10}, kButton}}},
        // The thin raised border sits on the reduced rectangle, inside a ring of background.
        {2,
         1,
         {{{0, 10}, kButton},
          {{150, 0}, kButton},
          {{199, 10}, kButton},
          {{150, 19}, kButton},
          {{1, 10}, kLight},
          {{150, 1}, kLight},
          {{198, 10}, kDark},
          {{150, 18}, kDark},
          {{1, 18}, kDark},
          {{2, 10}, kNavy}}},
        {1,
         0,
         {{{0, 0}, black},
          {{199, 0}, black},
          {{199, 19}, black},
          {{0, 19}, black},
          {{1, 1}, kNavy}}},
        {2, 0, {{{0, 0}, black}, {{199, 19}, black}, {{1, 1}, kNavy}}},
        // The client is inset by 2: 2 + 196 x 0.5 = 100.
        {1,
         2,
         {{{0, 0}, kShadow},
          {{198, 0}, kShadow},
          {{0, 18}, kShadow},
          {{199, 0}, kLight},
          {{0, 19}, kLight},
          {{1, 1}, kDark},
          {{197, 1}, kDark},
          {{198, 1}, kMidlight},
          {{1, 18}, kMidlight},
          {{2, 2}, kNavy},
          {{99, 17}, kNavy},
          {{100, 17}, kButton}}},
        {2,
         2,
         {{{0, 0}, kLight},
          {{199, 19}, kShadow},
          {{1, 1}, kMidlight},
          {{198, 18}, kDark},
          {{2, 2}, kNavy}}},
        // An unknown appearance or border style draws no border but keeps the inset.
        {2, 7, {{{0, 10}, kButton}, {{1, 10}, kNavy}, {{100, 10}, kButton}}},
        {3, 1, {{{0, 0}, kButton}, {{0, 10}, kButton}, {{199, 19}, kButton}, {{1, 10}, kNavy}}},
        {0, 1, {{{0, 0}, kNavy}, {{99, 19}, kNavy}, {{100, 19}, kButton}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "BorderStyle " << c.borderStyle << ", Appearance " << c.appearance);
        auto bar = MakeBar(200, 20);
        bar->setBorderStyle(c.borderStyle);
        bar->setAppearance(c.appearance);
        bar->setValue(50);
        ExpectPixels(Composed(*bar), c.probes);
    }
}

// At a device pixel ratio of 2 every rule holds in logical pixels, while a line is one device
// pixel wide: the thin inset border, then background up to the bar at logical 1, the bar's
// edge at logical 100.
TEST(ClassicLook, DenseScreenKeepsLinesOneDevicePixelWide) {
    auto bar = MakeBar(200, 20);
    if (bar->devicePixelRatioF() != 2.0) {
        GTEST_SKIP() << "run with QT_SCALE_FACTOR=2 (the ProgressBarAtScaleFactorTwo test)";
    }
    bar->setValue(50);
    const QImage image = bar->ComposedImage();
    ASSERT_EQ(image.size(), QSize(400, 40));
    ExpectPixels(image, {{{0, 5}, kDark},
                         {{1, 5}, kButton},
                         {{5, 0}, kDark},
                         {{5, 1}, kButton},
                         {{399, 5}, kLight},
                         {{398, 5}, kButton},
                         {{300, 39}, kLight},
                         {{300, 38}, kButton},
                         {{2, 2}, kNavy},
                         {{199, 37}, kNavy},
                         {{200, 20}, kButton}});
    EXPECT_EQ(bar->grab().toImage().convertToFormat(QImage::Format_RGB32), image);
}

TEST(ClassicLook, SystemColoursFollowThePalette) {
    auto bar = MakeBar(200, 20);
    bar->setBarColor(0x8000000D);
    bar->setValue(100);
    EXPECT_EQ(Pixel(*bar, 50, 10), kHighlight);
    // A brush takes the index AND 31; 0x80000028 is index 8, the window text.
    bar->setBarColor(0x80000028);
    EXPECT_EQ(Pixel(*bar, 50, 10), kWindowText);
}

} // namespace
