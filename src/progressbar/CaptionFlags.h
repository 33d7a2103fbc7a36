#pragma once

#include <cstdint>

namespace orvane {

// The caption's format flags in the platform's text-drawing bits: TextAlignX OR the single-line
// bit (0x20) OR TextAlignY x 4. The product is taken in 64 bits and only the low 32 bits are
// kept, so no value overflows; values outside 0-2 give whatever their bits mean.
std::uint32_t CaptionFlags(std::int32_t textAlignX, std::int32_t textAlignY);

} // namespace orvane
