#include "progressbar/HlsColor.h"
#include "progressbar/pcDibSection.h"
#include "progressbar/pcMemDC.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvane;

namespace {

TEST(pcMemDC, GrowsToExactlyTheAskedSizeAndNeverShrinks) {
    pcMemDC surface;
    QPainter* first = surface.hdc(100, 20);
    ASSERT_NE(first, nullptr);
    const qint64 firstImage = surface.Image().cacheKey();
    EXPECT_EQ(surface.hdc(80, 20), first);
    EXPECT_EQ(surface.Image().cacheKey(), firstImage);
    EXPECT_EQ(surface.Width(), 100);
    ASSERT_NE(surface.hdc(120, 20), nullptr);
    EXPECT_NE(surface.Image().cacheKey(), firstImage);
    EXPECT_EQ(surface.Width(), 120);
    EXPECT_EQ(surface.Height(), 20);
    EXPECT_EQ(surface.Image().size(), QSize(120, 20));
    // A surface that cannot be made gives no target and leaves the object empty.
    EXPECT_EQ(surface.hdc(0, 30), nullptr);
    EXPECT_EQ(surface.Width(), 0);
    EXPECT_TRUE(surface.Image().isNull());
}

TEST(pcMemDC, DrawWithoutSizesCopiesTheWholeSurface) {
    pcMemDC surface;
    surface.hdc(100, 20)->fillRect(0, 0, 100, 20, Qt::red);
    surface.hdc(50, 10)->fillRect(0, 0, 50, 10, Qt::green);
    QImage target(150, 30, QImage::Format_RGB32);
    target.fill(Qt::black);
    QPainter painter(&target);
    surface.Draw(painter);
    surface.Draw(painter, 10, 5, 4, 3, 120, 25);
    painter.end();
    EXPECT_EQ(target.pixelColor(49, 9), QColor(Qt::green));
    EXPECT_EQ(target.pixelColor(99, 19), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(100, 19), QColor(Qt::black));
    EXPECT_EQ(target.pixelColor(99, 20), QColor(Qt::black));
    EXPECT_EQ(target.pixelColor(120, 25), QColor(Qt::green));
    EXPECT_EQ(target.pixelColor(123, 27), QColor(Qt::green));
    EXPECT_EQ(target.pixelColor(124, 27), QColor(Qt::black));
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

TEST(pcDibSection, BufferIsBlueGreenRedAlphaWithTheBottomLineFirst) {
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixelColor(0, 1, QColor(10, 20, 30));
    picture.setPixelColor(2, 0, QColor(40, 50, 60));
    pcDibSection dib;
    dib.CreateFromHBitmap(QPixmap::fromImage(picture));
    ASSERT_EQ(dib.Width(), 3);
    EXPECT_EQ(dib.BytesPerScanLine(), 12);
    const std::uint8_t* bits = dib.DIBSectionBitsPtr();
    EXPECT_EQ(bits[0], 30);
    EXPECT_EQ(bits[1], 20);
    EXPECT_EQ(bits[2], 10);
    EXPECT_EQ(bits[12 + 8], 60);
    EXPECT_EQ(bits[12 + 8 + 2], 40);
    EXPECT_EQ(dib.ToImage(), picture);
}

// (1, 1, 1) keeps each colour, (1, 0, 1) gives black, (1, 1, 0) grey of the same luminance,
// (1, 2, 1) twice the luminance but never beyond white; a picture one pixel wide included.
TEST(pcDibSection, ModifyHlsKeepsColoursOrMovesOnlyLuminanceAndSaturation) {
    for (const QImage& picture : {Colourful(9, 7), Colourful(1, 3)}) {
        const QImage same = Modified(picture, 1, 1, 1);
        const QImage black = Modified(picture, 1, 0, 1);
        const QImage grey = Modified(picture, 1, 1, 0);
        const QImage bright = Modified(picture, 1, 2, 1);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QColor in = picture.pixelColor(x, y);
                const QColor unchanged = same.pixelColor(x, y);
                EXPECT_NEAR(unchanged.red(), in.red(), 1);
                EXPECT_NEAR(unchanged.green(), in.green(), 1);
                EXPECT_NEAR(unchanged.blue(), in.blue(), 1);
                EXPECT_EQ(black.pixelColor(x, y), QColor(Qt::black));
                const int max = std::max({in.red(), in.green(), in.blue()});
                const int min = std::min({in.red(), in.green(), in.blue()});
                const QColor g = grey.pixelColor(x, y);
                EXPECT_TRUE(g.red() == g.green() && g.green() == g.blue());
                EXPECT_NEAR(g.red(), (max + min) / 2.0, 0.51);
                const QColor b = bright.pixelColor(x, y);
                const int brightMax = std::max({b.red(), b.green(), b.blue()});
                const int brightMin = std::min({b.red(), b.green(), b.blue()});
                EXPECT_NEAR((brightMax + brightMin) / 2.0, std::min(max + min, 255), 1.0);
            }
        }
    }
    QImage white(1, 1, QImage::Format_RGB32);
    white.fill(QColor(250, 250, 250));
    EXPECT_EQ(Modified(white, 1, 2, 1).pixelColor(0, 0), QColor(Qt::white));
    // Factors outside the domain clamp the channels: a negative luminance gives black.
    EXPECT_EQ(Modified(Colourful(3, 3), 1, -1, 1).pixelColor(2, 2), QColor(Qt::black));
}

TEST(HlsColor, PrimariesAndRoundTrip) {
    const Hls red = RGBToHLS(255, 0, 0);
    EXPECT_FLOAT_EQ(red.h, 0);
    EXPECT_FLOAT_EQ(red.s, 1);
    EXPECT_FLOAT_EQ(red.l, 0.5);
    EXPECT_FLOAT_EQ(RGBToHLS(0, 255, 0).h, 2);
    EXPECT_FLOAT_EQ(RGBToHLS(0, 0, 255).h, 4);
    EXPECT_FLOAT_EQ(RGBToHLS(255, 0, 255).h, -1);
    const Hls grey = RGBToHLS(128, 128, 128);
    EXPECT_FLOAT_EQ(grey.s, 0);
    EXPECT_FLOAT_EQ(grey.h, 0);
    for (int r = 0; r < 256; r += 15) {
        for (int g = 0; g < 256; g += 17) {
            for (int b = 0; b < 256; b += 51) {
                const Hls hls = RGBToHLS(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                         static_cast<std::uint8_t>(b));
                const Rgb back = HLSToRGB(hls.h, hls.s, hls.l);
                EXPECT_NEAR(back.r, r, 1);
                EXPECT_NEAR(back.g, g, 1);
                EXPECT_NEAR(back.b, b, 1);
            }
        }
    }
}

// One smoke case for the members nothing in the program calls: a bitmap file of 58 + 4 x width
// x height bytes or error 17, the DrawDib flag kept through Create, Lighten, grey noise,
// resampling, the two blends and Clear.
TEST(pcDibSection, MembersTheProgramNeverCalls) {
    QTemporaryDir folder;
    pcDibSection dib;
    ASSERT_TRUE(dib.Create(4, 2));
    const QString path = folder.filePath(QStringLiteral("picture.bmp"));
    ASSERT_TRUE(dib.SavePicture(path));
    EXPECT_EQ(QFileInfo(path).size(), 58 + 4 * 4 * 2);
    try {
        dib.SavePicture(QStringLiteral("/nonexistent-orvane-folder/picture.bmp"));
        ADD_FAILURE() << "no error raised";
    } catch (const pcError& error) {
        EXPECT_EQ(error.Number(), 17);
    }
    dib.setUseDrawDib(true);
    ASSERT_TRUE(dib.Create(4, 2));
    EXPECT_TRUE(dib.UseDrawDib());
    dib.hdc()->fillRect(0, 0, 4, 2, QColor(100, 50, 0));
    dib.Lighten(100);
    EXPECT_EQ(dib.ToImage().pixelColor(0, 0), QColor(200, 100, 0));
    EXPECT_EQ(dib.Resample(5, 7)->ToImage().pixelColor(6, 4), QColor(200, 100, 0));
    QImage screen(4, 2, QImage::Format_RGB32);
    screen.fill(Qt::white);
    QPainter painter(&screen);
    dib.AlphaPaintPicture(painter, 0, 0, -1, -1, 0, 0, 255);
    painter.end();
    EXPECT_EQ(screen.pixelColor(0, 0), QColor(200, 100, 0));
    pcDibSection target;
    ASSERT_TRUE(target.Create(4, 2));
    pcDibSection::CodeAlphaBlend(target, dib, 1, 0, 2, 2, 255);
    EXPECT_EQ(target.ToImage().pixelColor(2, 1), QColor(200, 100, 0));
    dib.RandomiseBits(true);
    const QColor random = dib.ToImage().pixelColor(3, 1);
    EXPECT_TRUE(random.red() == random.green() && random.green() == random.blue());
    dib.Clear();
    EXPECT_EQ(dib.DIBSectionBitsPtr()[5], 0);
    dib.ClearUp();
    EXPECT_FALSE(dib.UseDrawDib());
}

} // namespace
