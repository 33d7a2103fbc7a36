#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvane::platform {

// What the move step compares before it deletes a source: the entry itself (a link is
// never followed) and the facts that change when its content is rewritten.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    // Modification time in nanoseconds since the epoch; whole seconds would miss a rewrite
    // within the same second.
    std::int64_t modifiedNs = 0;
    // Status change time in nanoseconds. A program can set the modification time back after
    // rewriting a file (as rsync and touch do), but not this one: every write moves it.
    std::int64_t changedNs = 0;

    bool operator==(const FileIdentity&) const = default;
};

// Empty when the entry cannot be examined.
std::optional<FileIdentity> identityOf(const std::string& path);

// True when both paths name the same entry (same device and inode), as through a hard link,
// a bind mount or a linked folder. False when either cannot be examined.
bool sameFile(const std::string& first, const std::string& second);

// Byte-for-byte comparison of two regular files, or of the targets of two symbolic links.
// Empty when either cannot be read or is of another kind.
std::optional<bool> contentsEqual(const std::string& first, const std::string& second);

// Forces a file's data and its folder entry to disk. A symbolic link has no data of its
// own: only its folder is flushed. False for anything else, or when the system refuses.
bool flushToDisk(const std::string& path);

} // namespace orvane::platform
