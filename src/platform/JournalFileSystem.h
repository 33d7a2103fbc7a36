#pragma once

#include <cstddef>

namespace orvane::platform {

// Used only inside the platform, by each system's journal file.

// The size the journal grows to so that `wanted` bytes fit: it starts at 64 KiB and doubles,
// so that a long session grows it only a few times.
std::size_t grownJournalCapacity(std::size_t capacity, std::size_t wanted);

} // namespace orvane::platform
