#include "BarFixture.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

// The caption reads in ForeColor (red) over the empty part and in BarForeColor (green) over
// the bar: the columns each colour may occupy, or none; no caption without ShowText and a Text.
TEST(ClassicLook, CaptionReadsInForeColorOverTheEmptyPartAndBarForeColorOverTheBar) {
    const std::pair<int, int> none{-1, -1};
    struct Case {
        bool segments;
        int alignX, value;
        QString text;
        bool showText;
        std::pair<int, int> red, green;
    };
    const QString m8 = QStringLiteral("MMMMMMMM");
    const Case cases[] = {
        {false, 1, 50, m8, true, {100, 198}, {1, 99}},
        {false, 1, 0, m8, true, {1, 198}, none},
        {false, 1, 100, m8, true, none, {1, 198}},
        {true, 2, 150, m8, true, {191, 198}, {1, 190}},
        {false, 1, 50, m8, false, none, none},
        {false, 1, 50, QString(), true, none, none},
    };
    // Red over the empty part and green over the bar, in a bold font large enough for
    // whole-coverage pixels in its strokes.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    font.setBold(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.value << " " << c.text.size() << " " << c.showText);
        auto bar = MakeBar(200, 20);
        bar->setFont(font);
        bar->setForeColor(0x0000FF);
        bar->setBarForeColor(0x00FF00);
        bar->setSegments(c.segments);
        bar->setTextAlignX(c.alignX);
        bar->setText(c.text);
        bar->setShowText(c.showText);
        bar->setValue(c.value);
        for (const auto& [color, span] :
             {std::pair{QColor(Qt::red), c.red}, {Qt::green, c.green}}) {
            const auto got = ColumnsOf(Composed(*bar), color, QRect(1, 1, 198, 18));
            EXPECT_TRUE(span == none ? got == none
                                     : got.first >= span.first && got.second <= span.second)
                << got.first << "-" << got.second;
        }
    }
}

// The border of the main window's bars (BorderStyle 1, Appearance 1), at Value 50 of the
// 200 x 20 bar: a thin sunken line around the client.
TEST(ClassicLook, BorderOfTheMainWindowsBars) {
    auto bar = MakeBar(200, 20);
    bar->setBorderStyle(1);
    bar->setAppearance(1);
    bar->setValue(50);
    ExpectPixels(Composed(*bar), {{kDark, {{0, 0}, {199, 0}, {0, 19}}},
                                  {kLight, {{199, 1}, {1, 19}, {199, 19}}},
                                  {kNavy, {{1, 1}, {99, 18}}},
                                  {kButton, {{100, 10}}}});
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
