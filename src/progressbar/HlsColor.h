#pragma once

#include <cstdint>

namespace orvane {

// Hue in sixths of the colour circle (about -1 to 5), saturation and luminance in 0-1, all in
// single precision as the re-colouring works.
struct Hls {
    float h = 0;
    float l = 0;
    float s = 0;
};

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

Hls RGBToHLS(std::uint8_t r, std::uint8_t g, std::uint8_t b);
// Channels are rounded halves to even; they may lie outside 0-255 for factors outside the
// usual domain, the caller decides what to do with them.
Rgb HLSToRGB(float h, float s, float l);

} // namespace orvane
