#pragma once

#include <Qt>

#include <cstdint>

namespace orvane {

// The caption's format flags in the platform's text-drawing bits, and what Qt makes of them.
struct TextFormat {
    // False when the bits ask only for a measurement (DT_CALCRECT) or only for the prefix
    // underline (DT_PREFIXONLY): nothing is drawn.
    bool draw = true;
    int qtFlags = 0;
    Qt::TextElideMode elide = Qt::ElideNone;
    bool rightToLeft = false;
};

// TextAlignX OR DT_SINGLELINE OR TextAlignY x 4; the product is taken in 64 bits and only the
// low 32 bits are kept, so no value overflows.
std::uint32_t CaptionFlags(std::int32_t textAlignX, std::int32_t textAlignY);

TextFormat FromDrawTextFlags(std::uint32_t flags);

} // namespace orvane
