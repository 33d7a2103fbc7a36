#include "progressbar/pcDibSection.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace orvane;

namespace {

// Each pixel of a test picture: a hue circle through light and dark shades.
QImage Colourful(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixelColor(
                x, y, QColor::fromHsl((x * 37 + y * 11) % 360, 40 + (x * 13) % 215, 30 + y * 9));
        }
    }
    return picture;
}

QImage Modified(const QImage& picture, double hue, double luminance, double saturation) {
    pcDibSection dib;
    dib.CreateFromPicture(picture);
    dib.ModifyHLS(hue, luminance, saturation);
    return dib.ToImage();
}

// The sum of the largest and the smallest channel: twice the luminance in 0-510.
int Luminance2(const QColor& c) {
    return std::max({c.red(), c.green(), c.blue()}) + std::min({c.red(), c.green(), c.blue()});
}

// (1, 1, 1) keeps each colour, (1, 0, 1) gives black, (1, 1, 0) grey of the same luminance,
// (1, 2, 1) twice the luminance but never beyond white; a picture one pixel wide included;
// a negative luminance (outside the domain) clamps to black.
TEST(pcDibSection, ModifyHlsKeepsColoursOrMovesOnlyLuminanceAndSaturation) {
    for (const QImage& picture : {Colourful(9, 7), Colourful(1, 3)}) {
        const QImage images[] = {Modified(picture, 1, 1, 1), Modified(picture, 1, 0, 1),
                                 Modified(picture, 1, 1, 0), Modified(picture, 1, 2, 1),
                                 Modified(picture, 1, -1, 1)};
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QColor in = picture.pixelColor(x, y);
                const QColor grey = images[2].pixelColor(x, y);
                EXPECT_EQ(images[0].pixelColor(x, y), in);
                EXPECT_EQ(images[1].pixelColor(x, y), QColor(Qt::black));
                EXPECT_EQ(images[4].pixelColor(x, y), QColor(Qt::black));
                EXPECT_EQ(grey, QColor::fromRgb(grey.red(), grey.red(), grey.red()));
                EXPECT_NEAR(grey.red() * 2, Luminance2(in), 1);
                EXPECT_NEAR(Luminance2(images[3].pixelColor(x, y)),
                            std::min(2 * Luminance2(in), 510), 2);
            }
        }
    }
}

} // namespace
