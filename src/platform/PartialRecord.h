#pragma once

#include "platform/FileIdentity.h"
#include "platform/SourceFolder.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane::platform {

// What both systems keep beside the copy of a large file that was cut short: the partial copy
// under a fixed hidden name beside its destination, and a small record of its own (not every
// file system has extended attributes) of the source it was cut from and of the part known to
// be on disk, so that a later copy of that source to that destination continues it.

// Smaller files are cheaper to copy again than to verify and continue.
inline constexpr std::int64_t kKeptFromBytes = 16 * 1024 * 1024;
// How often a long copy makes its progress durable, by both measures: what a crash can cost
// at most. Each time is a flush of what was written since, which a copy that the page cache
// takes at memory speed would otherwise wait for every 64 MiB.
inline constexpr std::int64_t kRecordEveryBytes = 64 * 1024 * 1024;
inline constexpr std::chrono::milliseconds kRecordEveryTime{2000};
// In between, the length copied is recorded without a flush at every piece this large: a
// killed run (whose written bytes the system still holds) leaves its last record. A piece is
// also what the copy asks the system to start writing at once: fewer and larger pieces cost
// fewer calls (a quarter of them at 32 MiB than at 8 MiB) and write the same.
inline constexpr std::int64_t kWriteEveryBytes = 32 * 1024 * 1024;
// The end of the part continued from is read again from both files and compared.
inline constexpr std::int64_t kVerifiedTailBytes = 4 * 1024 * 1024;

// The part of a recorded length a later copy may trust without reading it back: up to what
// was flushed, but never the last kVerifiedTailBytes.
inline std::int64_t trustedWithoutReading(std::int64_t length, std::int64_t flushed) {
    return std::max<std::int64_t>(0, std::min(flushed, length - kVerifiedTailBytes));
}

// The hidden names of a destination's partial and of its record, beside it.
std::string partialNameOf(const std::string& destinationName);
std::string recordNameOf(const std::string& destinationName);
// The destination name whose partial's record this name is, or empty for any other name.
std::string recordedName(const std::string& name);

// A record is always written whole at this size, padded with blanks: a record that never
// shrinks needs no truncation, which some file systems (FAT through FUSE) refuse. The longest
// record, every number at its widest, takes 232 bytes.
inline constexpr std::size_t kPartialRecordBytes = 256;

// A record's three lines: a title that says whose it is, the facts of the source and of the
// part kept, and a check of both, which tells a record torn by a crash from a whole one.
struct PartialRecord {
    enum class Kind { NotOurs, Torn, Whole } kind = Kind::NotOurs;
    // The folder the source was read in. A partial is a run's to continue or remove only when
    // its record names the very folder the run reads the source in: a record that came with
    // the files of a source folder (a copied or moved backup) names another.
    FolderIdentity folder;
    // The source's device, inode, size, modification and status change time (a rewrite in
    // place moves the last even when the writer sets the modification time back).
    FileIdentity source;
    std::int64_t length = 0;
    // The part made durable by a flush. The length may be more, recorded without waiting for
    // the disk, and is trusted beyond this part only where it reads back as the source's.
    std::int64_t flushed = 0;

    bool madeIn(const FolderIdentity& sourceFolder) const {
        return kind == Kind::Whole && folder == sourceFolder;
    }
    // Made of this source as it is now: the same entry, size and times.
    bool cutFrom(const FileIdentity& now) const { return kind == Kind::Whole && source == now; }
};

// The record's bytes, kPartialRecordBytes of them.
std::string partialRecordText(const FolderIdentity& folder, const FileIdentity& source,
                              std::int64_t length, std::int64_t flushed);
PartialRecord parsePartialRecord(std::string_view text);

} // namespace orvane::platform
