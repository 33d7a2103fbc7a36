#include "BarFixture.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

// The 200 x 20 bar at Value 50: thin inset border, client (1, 1, 199, 19), bar up to x = 100.
TEST(ClassicLook, HalfBarInsideTheThinInsetBorder) {
    auto bar = MakeBar(200, 20);
    bar->setValue(50);
    EXPECT_EQ(Pixel(*bar, 1, 1), kNavy);
    EXPECT_EQ(Pixel(*bar, 99, 18), kNavy);
    EXPECT_EQ(Pixel(*bar, 100, 10), kButton);
    EXPECT_EQ(Pixel(*bar, 198, 18), kButton);
    // Dark lines on the top and left, light lines on the right and bottom of (0, 0, 200, 20).
    EXPECT_EQ(Pixel(*bar, 0, 0), kDark);
    EXPECT_EQ(Pixel(*bar, 199, 0), kDark);
    EXPECT_EQ(Pixel(*bar, 0, 19), kDark);
    EXPECT_EQ(Pixel(*bar, 199, 1), kLight);
    EXPECT_EQ(Pixel(*bar, 1, 19), kLight);
    EXPECT_EQ(Pixel(*bar, 199, 19), kLight);
}

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

TEST(ClassicLook, BorderStylesAndAppearances) {
    auto bar = MakeBar(200, 20);
    bar->setValue(50);
    // Raised thin border on the reduced rectangle, inside a ring of background.
    bar->setBorderStyle(2);
    EXPECT_EQ(Pixel(*bar, 0, 10), kButton);
    EXPECT_EQ(Pixel(*bar, 150, 0), kButton);
    EXPECT_EQ(Pixel(*bar, 199, 10), kButton);
    EXPECT_EQ(Pixel(*bar, 150, 19), kButton);
    EXPECT_EQ(Pixel(*bar, 1, 10), kLight);
    EXPECT_EQ(Pixel(*bar, 150, 1), kLight);
    EXPECT_EQ(Pixel(*bar, 198, 10), kDark);
    EXPECT_EQ(Pixel(*bar, 150, 18), kDark);
    EXPECT_EQ(Pixel(*bar, 1, 18), kDark);
    EXPECT_EQ(Pixel(*bar, 2, 10), kNavy);

    // Flat: one black ring, whichever the border style.
    bar->setAppearance(0);
    for (const QPoint p : {QPoint(0, 0), QPoint(199, 0), QPoint(199, 19), QPoint(0, 19)}) {
        EXPECT_EQ(Pixel(*bar, p.x(), p.y()), QColor(Qt::black));
    }
    EXPECT_EQ(Pixel(*bar, 1, 1), kNavy);

    // An unknown appearance draws no border but keeps the inset.
    bar->setAppearance(7);
    EXPECT_EQ(Pixel(*bar, 0, 10), kButton);
    EXPECT_EQ(Pixel(*bar, 1, 10), kNavy);
    EXPECT_EQ(Pixel(*bar, 100, 10), kButton);

    // No border: the bar starts at the edge.
    bar->setBorderStyle(0);
    EXPECT_EQ(Pixel(*bar, 0, 0), kNavy);
    EXPECT_EQ(Pixel(*bar, 99, 19), kNavy);
    EXPECT_EQ(Pixel(*bar, 100, 19), kButton);
}

// The two-pixel soft edge: outer and inner rings, the bottom and right lines owning the
// corners they share with the top and left ones.
TEST(ClassicLook, SoftThreeDimensionalEdgePattern) {
    auto bar = MakeBar(200, 20);
    bar->setAppearance(2);
    bar->setValue(50);
    EXPECT_EQ(Pixel(*bar, 0, 0), kDark);
    EXPECT_EQ(Pixel(*bar, 198, 0), kDark);
    EXPECT_EQ(Pixel(*bar, 199, 0), kLight);
    EXPECT_EQ(Pixel(*bar, 0, 19), kLight);
    EXPECT_EQ(Pixel(*bar, 1, 1), kShadow);
    EXPECT_EQ(Pixel(*bar, 198, 1), kMidlight);
    EXPECT_EQ(Pixel(*bar, 1, 18), kMidlight);
    // The client is inset by 2: 2 + 196 x 0.5 = 100.
    EXPECT_EQ(Pixel(*bar, 2, 2), kNavy);
    EXPECT_EQ(Pixel(*bar, 99, 17), kNavy);
    EXPECT_EQ(Pixel(*bar, 100, 17), kButton);

    bar->setBorderStyle(2);
    EXPECT_EQ(Pixel(*bar, 0, 0), kLight);
    EXPECT_EQ(Pixel(*bar, 199, 19), kShadow);
    EXPECT_EQ(Pixel(*bar, 1, 1), kMidlight);
    EXPECT_EQ(Pixel(*bar, 198, 18), kDark);
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
