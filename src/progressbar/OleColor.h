#pragma once

#include <cstdint>

namespace orvane {

// A 32-bit colour as the control stores it: with the top bit clear, red in the low byte, then
// green, then blue; with the top bit set, the low bits select a system colour.
using OleColor = std::uint32_t;
// A converted colour in the same byte order, without the top bit unless invalid.
using ColorRef = std::uint32_t;

inline constexpr OleColor kSystemColorBit = 0x80000000U;
// What a colour conversion that fails gives (all bits set).
inline constexpr ColorRef kInvalidColor = 0xFFFFFFFFU;

// The system colours the paint names itself.
inline constexpr int kColorButtonShadow = 16;
inline constexpr int kColorButtonHighlight = 20;

inline constexpr ColorRef RgbColor(int red, int green, int blue) {
    return static_cast<ColorRef>(red) | static_cast<ColorRef>(green) << 8 |
           static_cast<ColorRef>(blue) << 16;
}

} // namespace orvane
