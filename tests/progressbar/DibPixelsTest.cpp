#include "progressbar/DibPixels.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace orvane;

namespace {

using Rgb8 = std::array<int, 3>;

// One line of pixels as a DIB holds them (blue, green, red, alpha), re-coloured.
std::vector<Rgb8> Modified(const std::vector<Rgb8>& line, double l, double s) {
    std::vector<std::uint8_t> bits;
    for (const Rgb8& p : line) {
        bits.insert(bits.end(), {static_cast<std::uint8_t>(p[2]), static_cast<std::uint8_t>(p[1]),
                                 static_cast<std::uint8_t>(p[0]), 0x5A});
    }
    ModifyHLS({bits.data(), static_cast<int>(line.size()), 1}, 1.0, l, s);
    std::vector<Rgb8> out;
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        EXPECT_EQ(bits[i + 3], 0x5A) << "the fourth byte is left alone";
        out.push_back({bits[i + 2], bits[i + 1], bits[i]});
    }
    return out;
}

// Factors of 1 keep every colour, luminance 0 makes black, saturation 0 the grey of the same
// luminance ((max + min) / 2), luminance 2 doubles it but never beyond white; one pixel too.
TEST(DibPixels, ModifyHlsScalesLuminanceAndSaturation) {
    const std::vector<Rgb8> line{{200, 100, 50}, {0, 0, 0},       {255, 255, 255},
                                 {12, 240, 77},  {100, 100, 100}, {230, 230, 230}};
    EXPECT_EQ(Modified(line, 1, 1), line);
    EXPECT_EQ(Modified(line, 0, 1), std::vector<Rgb8>(line.size(), Rgb8{0, 0, 0}));
    EXPECT_EQ(Modified({{200, 100, 50}}, 1, 0), (std::vector<Rgb8>{{125, 125, 125}}));
    EXPECT_EQ(Modified({{100, 100, 100}, {230, 230, 230}}, 2, 1),
              (std::vector<Rgb8>{{200, 200, 200}, {255, 255, 255}}));
}

} // namespace
