#include "progressbar/DibPixels.h"

#include "progressbar/HlsColor.h"

#include <algorithm>
#include <random>

namespace orvane {
namespace {

std::uint8_t ToByte(int channel) {
    return static_cast<std::uint8_t>(std::clamp(channel, 0, 255));
}

void Recolour(std::uint8_t* pixel, double fHue, double fLuminance, double fSaturation) {
    Hls hls = RGBToHLS(pixel[2], pixel[1], pixel[0]);
    hls.h = static_cast<float>(hls.h * fHue);
    hls.l = std::min(static_cast<float>(hls.l * fLuminance), 1.0F);
    hls.s = std::min(static_cast<float>(hls.s * fSaturation), 1.0F);
    const Rgb rgb = HLSToRGB(hls.h, hls.s, hls.l);
    pixel[2] = ToByte(rgb.r);
    pixel[1] = ToByte(rgb.g);
    pixel[0] = ToByte(rgb.b);
}

std::size_t ByteCount(const DibPixels& dib) {
    return dib.bits == nullptr
               ? 0
               : static_cast<std::size_t>(dib.width) * static_cast<std::size_t>(dib.height) * 4;
}

void PutLe(std::uint8_t* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

} // namespace

std::uint8_t* DibPixels::Pixel(int x, int lineFromTop) const {
    return bits + (static_cast<std::ptrdiff_t>(height - 1 - lineFromTop) * width + x) * 4;
}

void ModifyHLS(const DibPixels& dib, double fHue, double fLuminance, double fSaturation) {
    if (dib.bits == nullptr) {
        return;
    }
    // Column by column, each from the first line of the buffer to the last.
    const int stride = dib.BytesPerScanLine();
    for (int x = 0; x <= (dib.width - 1) * 4; x += 4) {
        for (int y = 0; y < dib.height; ++y) {
            Recolour(dib.bits + static_cast<std::ptrdiff_t>(y) * stride + x, fHue, fLuminance,
                     fSaturation);
        }
    }
}

void Lighten(const DibPixels& dib, int lAmount) {
    const double factor = 1.0 + lAmount / 100.0;
    for (std::size_t i = 0; i + 3 < ByteCount(dib); i += 4) {
        Recolour(dib.bits + i, 1.0, factor, 1.0);
    }
}

void Clear(const DibPixels& dib) {
    std::fill(dib.bits, dib.bits + ByteCount(dib), std::uint8_t{0});
}

void RandomiseBits(const DibPixels& dib, bool bGray) {
    std::mt19937 generator(std::random_device{}());
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::size_t i = 0; i + 3 < ByteCount(dib); i += 4) {
        if (bGray) {
            const auto grey = static_cast<std::uint8_t>(byte(generator));
            dib.bits[i] = dib.bits[i + 1] = dib.bits[i + 2] = grey;
        } else {
            for (std::size_t channel = 0; channel < 3; ++channel) {
                dib.bits[i + channel] = static_cast<std::uint8_t>(byte(generator));
            }
        }
    }
}

void CodeAlphaBlend(const DibPixels& cDst, const DibPixels& cSrc, int lDestLeft, int lDestTop,
                    int lDestWidth, int lDestHeight, int SourceConstantAlpha) {
    if (cDst.bits == nullptr || cSrc.bits == nullptr) {
        return;
    }
    const int constant = std::clamp(SourceConstantAlpha, 0, 255);
    const int width = std::min({lDestWidth, cSrc.width, cDst.width - lDestLeft});
    const int height = std::min({lDestHeight, cSrc.height, cDst.height - lDestTop});
    for (int y = std::max(0, -lDestTop); y < height; ++y) {
        for (int x = std::max(0, -lDestLeft); x < width; ++x) {
            const std::uint8_t* src = cSrc.Pixel(x, y);
            std::uint8_t* dst = cDst.Pixel(lDestLeft + x, lDestTop + y);
            // The source is premultiplied: scale it by the constant, then cover the destination
            // by the scaled source alpha.
            const int alpha = src[3] * constant / 255;
            for (int channel = 0; channel < 4; ++channel) {
                const int scaled = src[channel] * constant / 255;
                dst[channel] = ToByte(scaled + dst[channel] * (255 - alpha) / 255);
            }
        }
    }
}

std::array<std::uint8_t, kBitmapFileHeaderBytes> BitmapFileHeader(int width, int height) {
    const auto imageSize =
        static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(height) * 4;
    std::array<std::uint8_t, kBitmapFileHeaderBytes> header{};
    header[0] = 0x42;
    header[1] = 0x4D;
    PutLe(&header[2], imageSize + kBitmapFileHeaderBytes, 4);
    PutLe(&header[10], kBitmapFileHeaderBytes, 4);
    // The info header: size, width, height (positive: bottom line first), planes, bits per
    // pixel, no compression, image size; the rest and the one colour entry stay 0.
    PutLe(&header[14], 40, 4);
    PutLe(&header[18], static_cast<std::uint32_t>(width), 4);
    PutLe(&header[22], static_cast<std::uint32_t>(height), 4);
    PutLe(&header[26], 1, 2);
    PutLe(&header[28], 32, 2);
    PutLe(&header[34], imageSize, 4);
    return header;
}

} // namespace orvane
