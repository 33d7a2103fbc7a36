#pragma once

#include <cstddef>
#include <string_view>

namespace orvane::platform {

// Used only inside the platform, by each system's journal file.

// A journal is named "session-PID-N.journal" in the logs folder.
inline constexpr std::string_view journalPrefix = "session-";
inline constexpr std::string_view journalSuffix = ".journal";
inline bool isJournalName(std::string_view name) {
    return name.starts_with(journalPrefix) && name.ends_with(journalSuffix);
}

// The size the journal grows to so that `wanted` bytes fit: it starts at 64 KiB and doubles,
// so that a long session grows it only a few times.
std::size_t grownJournalCapacity(std::size_t capacity, std::size_t wanted);

} // namespace orvane::platform
