#pragma once

#include <cstdint>

namespace orvane {

// The values of the run-control flag. The platform copy reads the flag by address as its
// cancel flag, so any non-zero value, a pause included, abandons the file being copied.
namespace run_control {
inline constexpr std::int32_t none = 0;
inline constexpr std::int32_t stop = 1;
inline constexpr std::int32_t pause = 2;
} // namespace run_control

} // namespace orvane
