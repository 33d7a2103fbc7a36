#include "progressbar/CaptionFlags.h"

namespace orvane {

std::uint32_t CaptionFlags(std::int32_t textAlignX, std::int32_t textAlignY) {
    constexpr std::uint32_t kSingleLine = 0x20;
    const std::int64_t vertical = std::int64_t{textAlignY} * 4;
    return static_cast<std::uint32_t>(textAlignX) | kSingleLine |
           static_cast<std::uint32_t>(vertical);
}

} // namespace orvane
