#include "BarFixture.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

// The 200 x 20 bar at Value 50 with segments: client (1, 1, 199, 19), the bar cut back from 100
// to 91, blocks of 8 at 1-8, 11-18, ..., 81-88; a full bar stops at the last whole step, 191.
TEST(ClassicLook, SegmentsAreBlocksOfEightWithGapsOfTwoCutBackToWholeSteps) {
    auto bar = MakeBar(200, 20);
    bar->setSegments(true);
    bar->setValue(50);
    const QImage image = Composed(*bar);
    for (int x = 1; x < 199; ++x) {
        const QColor expected = (x < 91 && (x - 1) % 10 < 8) ? kNavy : kButton;
        EXPECT_EQ(QColor(image.pixel(x, 10)), expected) << "column " << x;
    }
    bar->setValue(100);
    ExpectPixels(Composed(*bar), {{kNavy, {{188, 10}}}, {kButton, {{189, 10}, {191, 10}}}});
}

// The caption reads in ForeColor (red) over the empty part and in BarForeColor (green) over
// the bar: the columns each colour may occupy, or none.
TEST(ClassicLook, CaptionReadsInForeColorOverTheEmptyPartAndBarForeColorOverTheBar) {
    const std::pair<int, int> none{-1, -1};
    struct Case {
        bool segments;
        int alignX, value;
        std::pair<int, int> red, green;
    };
    const Case cases[] = {
        {false, 1, 50, {100, 198}, {1, 99}},
        {false, 1, 0, {1, 198}, none},
        {false, 1, 100, none, {1, 198}},
        {true, 2, 150, {191, 198}, {1, 190}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        auto bar = MakeBar(200, 20);
        bar->setSegments(c.segments);
        bar->setTextAlignX(c.alignX);
        ShowCaption(*bar, QStringLiteral("MMMMMMMM"));
        bar->setValue(c.value);
        for (const auto& [color, span] : {std::pair{kRed, c.red}, std::pair{kGreen, c.green}}) {
            const Columns got = ColumnsOf(Composed(*bar), color, QRect(1, 1, 198, 18));
            EXPECT_EQ(got.Empty(), span == none);
            if (span != none) {
                EXPECT_GE(got.first, span.first);
                EXPECT_LE(got.last, span.second);
            }
        }
    }
}

TEST(ClassicLook, LeftAlignedCaptionStartsOneSpaceIn) {
    auto bar = MakeBar(200, 20);
    bar->setTextAlignX(0);
    ShowCaption(*bar, QStringLiteral("M"));
    const int first = ColumnsOf(Composed(*bar), kRed, QRect(1, 1, 198, 18)).first;
    const int space = QFontMetrics(CaptionFont()).horizontalAdvance(u' ');
    EXPECT_TRUE(first >= 1 + space && first <= 1 + space + 3) << first;
}

// The bar's edge is the nearest pixel, a half to the even one: on the client (1, 1, 199, 19),
// 1 + 198 x 0.01 = 2.98 ends at 3, 1 + 198 x 0.75 = 149.5 at 150, 1 + 198 x 0.25 = 50.5 at 50.
TEST(ClassicLook, BarEdgeIsTheNearestPixelAHalfGoingToTheEvenOne) {
    auto bar = MakeBar(200, 20);
    for (const auto& [value, edge] : {std::pair{1, 3}, {75, 150}, {25, 50}}) {
        SCOPED_TRACE(value);
        bar->setValue(value);
        ExpectPixels(Composed(*bar), {{kNavy, {{edge - 1, 10}}}, {kButton, {{edge, 10}}}});
    }
}

// Client (1, 1, 39, 39): the top edge at 1 + 38 x 0.5 = 20. Segments count from the bottom: a
// full bar is cut back to 9, with gaps at 29-30 and 19-20.
TEST(ClassicLook, SquareControlIsAVerticalBarGrowingFromTheBottom) {
    auto bar = MakeBar(40, 40);
    bar->setValue(50);
    ExpectPixels(Composed(*bar), {{kButton, {{20, 19}}}, {kNavy, {{20, 20}, {1, 38}, {38, 38}}}});
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
         {{kDark, {{0, 0}, {199, 0}, {0, 19}}},
          {kLight, {{199, 1}, {1, 19}, {199, 19}}},
          {kNavy, {{1, 1}, {99, 18}}},
          {kButton, {{100, 10}}}}},
        // The thin raised border sits on the reduced rectangle, inside a ring of background.
        {2,
         1,
         {{kButton, {{0, 10}, {150, 0}, {199, 10}, {150, 19}}},
          {kLight, {{1, 10}, {150, 1}}},
          {kDark, {{198, 10}, {150, 18}, {1, 18}}},
          {kNavy, {{2, 10}}}}},
        {1, 0, {{black, {{0, 0}, {199, 0}, {199, 19}, {0, 19}}}, {kNavy, {{1, 1}}}}},
        {2, 0, {{black, {{0, 0}, {199, 19}}}, {kNavy, {{1, 1}}}}},
        // The client is inset by 2: 2 + 196 x 0.5 = 100.
        {1,
         2,
         {{kShadow, {{0, 0}, {198, 0}, {0, 18}}},
          {kLight, {{199, 0}, {0, 19}}},
          {kDark, {{1, 1}, {197, 1}}},
          {kMidlight, {{198, 1}, {1, 18}}},
          {kNavy, {{2, 2}, {99, 17}}},
          {kButton, {{100, 17}}}}},
        {2,
         2,
         {{kLight, {{0, 0}}},
          {kShadow, {{199, 19}}},
          {kMidlight, {{1, 1}}},
          {kDark, {{198, 18}}},
          {kNavy, {{2, 2}}}}},
        // An unknown appearance or border style draws no border but keeps the inset.
        {2, 7, {{kButton, {{0, 10}, {100, 10}}}, {kNavy, {{1, 10}}}}},
        {3, 1, {{kButton, {{0, 0}, {0, 10}, {199, 19}}}, {kNavy, {{1, 10}}}}},
        {0, 1, {{kNavy, {{0, 0}, {99, 19}}}, {kButton, {{100, 19}}}}},
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
    ExpectPixels(image, {{kDark, {{0, 5}, {5, 0}}},
                         {kButton, {{1, 5}, {5, 1}, {398, 5}, {300, 38}, {200, 20}}},
                         {kLight, {{399, 5}, {300, 39}}},
                         {kNavy, {{2, 2}, {199, 37}}}});
    EXPECT_EQ(bar->grab().toImage().convertToFormat(QImage::Format_RGB32), image);
}

} // namespace
