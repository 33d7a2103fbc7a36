#pragma once

#include <cstdint>

namespace orvane::platform {

// Milliseconds of a monotonic clock, truncated to 32 bits: it wraps every 2^32 ms, and the
// run works with differences modulo 2^32 or as signed 32-bit differences.
std::uint32_t tickCount();

} // namespace orvane::platform
