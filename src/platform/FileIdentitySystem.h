#pragma once

#include <cstddef>
#include <functional>
#include <optional>

namespace orvane::platform {

// Used only inside the platform, by each system's comparison of two files.

// Reads into the buffer until it is full or the file ends: the count read, or -1.
using FullRead = std::function<long long(char* buffer, std::size_t size)>;

// Compares what is left of two open files, read to the end through the system's reads; empty
// when either read fails.
std::optional<bool> sameBytesToEnd(const FullRead& readA, const FullRead& readB);

} // namespace orvane::platform
