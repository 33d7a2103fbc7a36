#include "BarFixture.h"

#include "progressbar/pcDibSection.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

// Re-colouring changes the holder's surface, not the picture, and shows at the next paint.
// Luminance 0 gives black, saturation 0 the grey of the same luminance: (240 + 0) / 2 = 120.
TEST(Pictures, ModifyChangesTheHolderSurfaceAndShowsAtTheNextPaint) {
    auto bar = MakeBar(200, 20);
    ShowOnScreen(*bar);
    QImage orange(2, 2, QImage::Format_RGB32);
    orange.fill(QColor(240, 120, 0));
    bar->setBarPicture(orange);
    bar->setValue(100);
    bar->ModifyBarPicture(0.0, 1.0);
    EXPECT_EQ(Composed(*bar).pixelColor(50, 10), QColor(240, 120, 0));
    PlatformPaint(*bar);
    EXPECT_EQ(Composed(*bar).pixelColor(50, 10), QColor(Qt::black));
    EXPECT_EQ(bar->BarPicture().pixelColor(0, 0), QColor(240, 120, 0));

    bar->setPicture(orange);
    bar->setValue(0);
    bar->ModifyPicture(1.0, 0.0);
    PlatformPaint(*bar);
    EXPECT_EQ(Composed(*bar).pixelColor(50, 10), QColor(120, 120, 120));
}

// Hue, luminance and saturation factors of 1 keep every colour of a picture exactly.
TEST(pcDibSection, ModifyHlsWithFactorsOfOneKeepsEveryColour) {
    QImage picture(36, 8, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixelColor(x, y, QColor::fromHsl(x * 10, 40 + x * 6, 30 + y * 28));
        }
    }
    pcDibSection dib;
    dib.CreateFromPicture(picture);
    dib.ModifyHLS(1, 1, 1);
    EXPECT_EQ(dib.ToImage().convertToFormat(QImage::Format_RGB32), picture);
}

} // namespace
