#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::platform {

// The two system calls behind the private-profile functions; used only inside the platform.

// A profile file as it was read, with what a write needs to put it back as it was.
struct ProfileFileContents {
    std::string bytes;
    // The permission bits (POSIX) or the file attributes (Windows); empty when the file does
    // not exist yet.
    std::optional<std::uint32_t> attributes;
    std::uint64_t links = 0;
};

// A file that does not exist reads as empty. A file that exists but cannot be read gives
// nothing, so that a write never replaces content it has not seen; so does anything that is
// not a plain file: a link is not followed.
std::optional<ProfileFileContents> readProfileFile(const std::string& path);

// Puts the new bytes in the file read as old; false when it was left unchanged.
bool storeProfileFile(const std::string& path, std::string_view bytes,
                      const ProfileFileContents& old);

} // namespace orvane::platform
