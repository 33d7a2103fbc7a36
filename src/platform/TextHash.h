#pragma once

// Shared by the platform's own sources only.

#include <cstdint>
#include <string_view>

namespace orvane::platform {

// FNV-1a: the same text gives the same number in every build and on every machine, as a name
// or a record written by one run and read by another needs.
inline std::uint64_t textHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char c : text) {
        hash = (hash ^ c) * 1099511628211ULL;
    }
    return hash;
}

} // namespace orvane::platform
