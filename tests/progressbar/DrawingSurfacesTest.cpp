#include "progressbar/pcDibSection.h"
#include "progressbar/pcMemDC.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace orvane;

namespace {

// The surface is made at the asked size, kept for a smaller request, made anew for a larger one
// and empty when it cannot be made; Draw without sizes copies all of it, larger than the
// control that asked for it or not.
TEST(pcMemDC, GrowsToExactlyTheAskedSizeNeverShrinksAndDrawsWhole) {
    pcMemDC surface;
    QPainter* first = surface.hdc(100, 20);
    ASSERT_NE(first, nullptr);
    first->fillRect(0, 0, 100, 20, Qt::red);
    EXPECT_EQ(surface.hdc(80, 20), first);
    surface.hdc(50, 10)->fillRect(0, 0, 50, 10, Qt::green);
    QImage target(150, 30, QImage::Format_RGB32);
    target.fill(Qt::black);
    QPainter painter(&target);
    surface.Draw(painter);
    surface.Draw(painter, 10, 5, 4, 3, 120, 25);
    painter.end();
    for (const auto& [x, y, color] : {std::tuple{49, 9, Qt::green},
                                      {99, 19, Qt::red},
                                      {100, 19, Qt::black},
                                      {99, 20, Qt::black},
                                      {120, 25, Qt::green},
                                      {123, 27, Qt::green},
                                      {124, 27, Qt::black}}) {
        EXPECT_EQ(target.pixelColor(x, y), QColor(color)) << x << "," << y;
    }
    ASSERT_NE(surface.hdc(120, 20), nullptr);
    EXPECT_EQ(surface.Image().size(), QSize(120, 20));
    EXPECT_EQ(surface.hdc(0, 30), nullptr);
    EXPECT_TRUE(surface.Image().isNull());
}

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

// Blue, green, red, alpha, the bottom line first: (10, 20, 30) at (0, 1) opens the buffer.
TEST(pcDibSection, BufferIsBlueGreenRedAlphaWithTheBottomLineFirst) {
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixelColor(0, 1, QColor(10, 20, 30));
    pcDibSection dib;
    dib.CreateFromHBitmap(QPixmap::fromImage(picture));
    const std::uint8_t* bits = dib.DIBSectionBitsPtr();
    EXPECT_EQ(std::vector<int>(bits, bits + 4 * 4),
              (std::vector<int>{30, 20, 10, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
                                255, 255}));
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
                const QColor same = images[0].pixelColor(x, y);
                const QColor grey = images[2].pixelColor(x, y);
                EXPECT_LE(std::abs(same.red() - in.red()) + std::abs(same.green() - in.green()) +
                              std::abs(same.blue() - in.blue()),
                          3);
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

// One smoke case for the members nothing in the program calls: a bitmap file of 58 + 4 x width
// x height bytes or error 17, the DrawDib flag kept through Create, Lighten, grey noise,
// resampling, the two blends and Clear.
} // namespace
