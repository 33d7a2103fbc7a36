#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace orvane {

// A 32-bit colour as the control stores it: with the top bit clear, red in the low byte, then
// green, then blue; with the top bit set, the low bits select a system colour.
using OleColor = std::uint32_t;
// A converted colour in the same byte order, always without the top bit unless invalid.
using ColorRef = std::uint32_t;

inline constexpr OleColor kSystemColorBit = 0x80000000U;
inline constexpr ColorRef CLR_INVALID = 0xFFFFFFFFU;

// The application palette's colour for a system colour index 0-30 (invalid index: black).
QColor SystemColor(int index, const QPalette& palette);

// The text colour conversion: a system colour beyond index 30 or a value whose top byte is
// neither 0x00 nor 0x80 cannot be converted and gives CLR_INVALID.
ColorRef TranslateColor(OleColor color, const QPalette& palette);

// The colour a brush of this value paints: system colours use (value AND 31), every other value
// its low three bytes.
QColor BrushColor(OleColor color, const QPalette& palette);

// A converted colour as Qt paints it. Only the low three bytes count, so CLR_INVALID is white.
QColor FromColorRef(ColorRef color);

OleColor ToOleColor(QColor color);

} // namespace orvane
