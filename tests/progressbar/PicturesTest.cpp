#include "BarFixture.h"

#include "progressbar/TileArea.h"

#include <QCoreApplication>

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

TEST(TileArea, RepeatsFromTheAreasOriginWithOffsetsAndPartialTiles) {
    const QImage tile = Numbered(3, 2);
    QImage target(12, 8, QImage::Format_RGB32);
    target.fill(Qt::black);
    {
        QPainter painter(&target);
        TileArea(painter, 2, 1, 7, 5, tile, 3, 2, 1, 0);
    }
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 2 && x < 9 && y >= 1 && y < 6;
            const QColor expected = inside ? tile.pixelColor((x + 1) % 3, y % 2) : Qt::black;
            EXPECT_EQ(target.pixelColor(x, y), expected) << x << "," << y;
        }
    }
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

// Stretched, the back picture covers the control and the bar picture shows in the bar only.
TEST(Pictures, StretchedPicturesCoverTheControlAndTheBarShowsOnlyInItsPart) {
    QImage halves(2, 1, QImage::Format_RGB32);
    halves.setPixelColor(0, 0, kRed);
    halves.setPixelColor(1, 0, kGreen);
    QImage blue(1, 1, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    auto bar = MakeBar(200, 20);
    bar->setBorderStyle(0);
    bar->setBackPictureMode(0);
    bar->setPicture(halves);
    bar->setBarPictureMode(3);
    bar->setBarPicture(blue);
    bar->setValue(25);
    ExpectPixels(Composed(*bar), {{QColor(Qt::blue), {{0, 0}, {49, 19}}},
                                  {kRed, {{50, 10}, {99, 19}}},
                                  {kGreen, {{100, 0}, {199, 19}}}});
}

// Re-colouring changes the holder's surface, not the picture, and shows at the next paint,
// also one the platform asks for.
TEST(Pictures, ModifyChangesTheHolderSurfaceAndShowsAtTheNextPaint) {
    auto bar = MakeBar(200, 20);
    bar->ModifyBarPicture(0.0, 1.0);
    EXPECT_TRUE(bar->BarPicture().isNull());
    ShowOnScreen(*bar);
    QImage orange(2, 2, QImage::Format_RGB32);
    orange.fill(QColor(240, 120, 0));
    bar->setBarPicture(orange);
    bar->setValue(100);
    QCoreApplication::processEvents();
    bar->ModifyBarPicture(0.0, 1.0);
    EXPECT_EQ(Pixel(*bar, 50, 10), QColor(240, 120, 0));
    PlatformPaint(*bar);
    EXPECT_EQ(Pixel(*bar, 50, 10), QColor(Qt::black));
    EXPECT_EQ(bar->BarPicture().pixelColor(0, 0), QColor(240, 120, 0));

    bar->setPicture(orange);
    bar->setValue(0);
    QCoreApplication::processEvents();
    bar->ModifyPicture(1.0, 0.0);
    PlatformPaint(*bar);
    EXPECT_EQ(Pixel(*bar, 50, 10), QColor(120, 120, 120));
}

} // namespace
