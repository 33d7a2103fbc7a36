#include "BarFixture.h"

#include "progressbar/pcDibSection.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testing;

namespace {

// The program shows no pictures; one smoke case of their recolouring: hue, luminance and
// saturation factors of 1 keep every colour of a picture exactly.
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
