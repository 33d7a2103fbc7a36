#include "progressbar/HlsColor.h"

#include <algorithm>
#include <cmath>

namespace orvane {

Hls RGBToHLS(std::uint8_t r8, std::uint8_t g8, std::uint8_t b8) {
    const float r = static_cast<float>(r8) / 255.0F;
    const float g = static_cast<float>(g8) / 255.0F;
    const float b = static_cast<float>(b8) / 255.0F;
    const float max = std::max({r, g, b});
    const float min = std::min({r, g, b});
    Hls hls;
    hls.l = (max + min) / 2.0F;
    if (max == min) {
        return hls;
    }
    const float delta = max - min;
    hls.s = hls.l <= 0.5F ? delta / (max + min) : delta / (2.0F - max - min);
    if (r == max) {
        hls.h = (g - b) / delta;
    } else if (g == max) {
        hls.h = 2.0F + (b - r) / delta;
    } else {
        hls.h = 4.0F + (r - g) / delta;
    }
    return hls;
}

Rgb HLSToRGB(float h, float s, float l) {
    float r = l;
    float g = l;
    float b = l;
    if (s != 0.0F) {
        const float min = l <= 0.5F ? l * (1.0F - s) : l - (1.0F - l) * s;
        const float max = 2.0F * l - min;
        const float span = max - min;
        if (h < 1.0F) {
            r = max;
            if (h < 0.0F) {
                g = min;
                b = min - h * span;
            } else {
                b = min;
                g = min + h * span;
            }
        } else if (h < 3.0F) {
            g = max;
            if (h < 2.0F) {
                b = min;
                r = min - (h - 2.0F) * span;
            } else {
                r = min;
                b = min + (h - 2.0F) * span;
            }
        } else {
            b = max;
            if (h < 4.0F) {
                r = min;
                g = min - (h - 4.0F) * span;
            } else {
                g = min;
                r = min + (h - 4.0F) * span;
            }
        }
    }
    const auto whole = [](float channel) {
        return static_cast<int>(std::nearbyint(channel * 255.0F));
    };
    return {whole(r), whole(g), whole(b)};
}

} // namespace orvane
