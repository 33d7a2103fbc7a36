#pragma once

#include <array>
#include <cstdint>

namespace orvane {

// The pixel bytes of a 32-bit device-independent bitmap: blue, green, red, alpha per pixel,
// Width x 4 bytes a line, and line 0 of the buffer is the bottom line of the picture. Each
// toolkit's pcDibSection owns the bytes; what is done to them is done here, in place.
struct DibPixels {
    std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;

    int BytesPerScanLine() const { return width * 4; }
    std::uint8_t* Pixel(int x, int lineFromTop) const;
};

// Re-colours every pixel: hue x fHue, luminance and saturation multiplied and capped at 1.
// Channels that leave 0-255 (a hue factor other than 1, negative factors) are clamped into it.
void ModifyHLS(const DibPixels& dib, double fHue, double fLuminance, double fSaturation);
// Luminance x (1 + lAmount / 100), capped at 1.
void Lighten(const DibPixels& dib, int lAmount);
// Sets all four bytes of every pixel to 0.
void Clear(const DibPixels& dib);
// Blue, green and red drawn uniformly from a freshly seeded generator (one value for all three
// with bGray); the alpha bytes are left alone.
void RandomiseBits(const DibPixels& dib, bool bGray);
// cSrc, read as premultiplied alpha and scaled by the constant alpha, from its (0, 0) over cDst
// at (lDestLeft, lDestTop), per byte with integer division by 255.
void CodeAlphaBlend(const DibPixels& cDst, const DibPixels& cSrc, int lDestLeft, int lDestTop,
                    int lDestWidth, int lDestHeight, int SourceConstantAlpha);

// The bitmap file of a DIB: the 14-byte file header and the 40-byte info header with its 4-byte
// colour entry, then the pixel bytes as they are.
inline constexpr std::uint32_t kBitmapFileHeaderBytes = 14 + 40 + 4;
std::array<std::uint8_t, kBitmapFileHeaderBytes> BitmapFileHeader(int width, int height);

} // namespace orvane
