#pragma once

#include <cstdint>
#include <vector>

namespace orvane {

// A picture as a property holds it, before any toolkit has made a drawing surface of it:
// Width x Height pixels, top line first, each a 32-bit word 0x00RRGGBB (in memory blue, green,
// red, then a byte that plays no part). An empty picture is no picture.
struct PictureObject {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool IsEmpty() const { return width <= 0 || height <= 0; }
    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
    bool operator==(const PictureObject&) const = default;
};

} // namespace orvane
