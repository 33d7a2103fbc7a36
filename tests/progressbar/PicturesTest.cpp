#include "BarFixture.h"

#include "progressbar/pcDibSection.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

// A bar picture tiles the bar. Re-colouring it (luminance 0 gives black) changes the holder's
// surface, not the picture, and shows at the next paint.
TEST(Pictures, ABarPictureFillsTheBarAndItsRecolouringShowsAtTheNextPaint) {
    const QColor orange(240, 120, 0);
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(orange);
    auto bar = MakeBar(200, 20);
    bar->setBarPicture(picture);
    bar->setValue(100);
    EXPECT_EQ(Composed(*bar).pixelColor(50, 10), orange);
    bar->ModifyBarPicture(0.0, 1.0);
    EXPECT_EQ(Composed(*bar).pixelColor(50, 10), orange);
    bar->setValue(99);
    EXPECT_EQ(Composed(*bar).pixelColor(50, 10), QColor(Qt::black));
    EXPECT_EQ(bar->BarPicture().pixelColor(0, 0), orange);
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
