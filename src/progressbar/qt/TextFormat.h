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

TextFormat FromDrawTextFlags(std::uint32_t flags);

} // namespace orvane
