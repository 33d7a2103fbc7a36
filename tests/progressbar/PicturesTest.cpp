#include "BarFixture.h"

#include "progressbar/pcDibSection.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

// A picture whose every pixel is told apart by its position.
QImage Numbered(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixelColor(x, y, QColor(40 * x + 20, 40 * y + 20, 200));
        }
    }
    return picture;
}

// A back picture tiles the whole control under the border; a bar picture's tiles start at
// x = 0 and cover the bar's width (1 to 100, so columns 0 to 98), its last column uncovered.
TEST(Pictures, TiledPictures) {
    auto bar = MakeBar(200, 20);
    const QImage back = Numbered(3, 2);
    const QImage tile = Numbered(4, 4);
    bar->setPicture(back);
    bar->setBarPicture(tile);
    bar->setValue(50);
    ExpectPixels(Composed(*bar), {{kDark, {{0, 0}}},
                                  {back.pixelColor(2, 1), {{113, 7}}},
                                  {tile.pixelColor(1, 2), {{1, 6}}},
                                  {tile.pixelColor(2, 2), {{98, 6}}},
                                  {back.pixelColor(0, 0), {{99, 6}}}});
}

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
