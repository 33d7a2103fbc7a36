#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvane::platform {

// What kind of entry stands at a path: the per-file step takes an entry as its copy only when
// it is of the source's kind.
enum class EntryKind { File, Link, Other };

// What the move step compares before it deletes a source: the entry itself (a link is
// never followed) and the facts that change when its content is rewritten.
struct FileIdentity {
    // The volume and the entry on it: the device and inode numbers on POSIX, the volume serial
    // number and the file id on Windows.
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    // Modification time in nanoseconds since the epoch; whole seconds would miss a rewrite
    // within the same second.
    std::int64_t modifiedNs = 0;
    // Status change time in nanoseconds. A program can set the modification time back after
    // rewriting a file (as rsync and touch do), but not this one: every write moves it.
    std::int64_t changedNs = 0;
    // The bytes its copy takes on disk: the size, or for a file with holes its allocated
    // size, as the copy keeps the holes. Not part of the identity: a file system may move
    // blocks around without the file changing.
    std::int64_t spaceNeeded = 0;
    // Not part of the identity either: an entry's kind never changes.
    EntryKind kind = EntryKind::File;

    bool operator==(const FileIdentity& other) const {
        return device == other.device && inode == other.inode && size == other.size &&
               modifiedNs == other.modifiedNs && changedNs == other.changedNs;
    }
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
