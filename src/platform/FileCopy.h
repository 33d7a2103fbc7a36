#pragma once

#include "platform/FileIdentity.h"
#include "platform/HardLinkTable.h"
#include "platform/SourceFolder.h"
#include "platform/SystemError.h"
#include "platform/TreeFolders.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::platform {

// Bytes moved between two reads of the cancel flag, and so between two progress reports.
// Measured by copying a 1 GiB file on ext4 over virtio: with a warm cache, in-kernel copy
// ran at 1.4-1.5 GB/s for chunks of 256 KiB to 64 MiB but only 0.3 GB/s with 64 KiB chunks;
// with a cold cache every size from 256 KiB to 16 MiB gave 0.6-1.0 GB/s, the differences
// smaller than the noise between runs. At 4 MiB the slowest chunk took 21 ms, and would take
// about 0.15 s on a 30 MB/s USB stick, so a stop still lands at once, while a gigabyte costs
// only 256 reports, each of which repaints the file bar and yields to the event loop.
inline constexpr std::int64_t copyChunkBytes = 4 * 1024 * 1024;

// Files below /proc/sys refuse a single read of 4 MiB (ENOMEM), and what a pseudo file holds
// beyond its stated size is small: past that size a copy reads pieces of this size.
inline constexpr std::int64_t pastSizePieceBytes = 64 * 1024;

// Tests only: copies in chunks of this many bytes (1 to copyChunkBytes; 0 restores the
// default), so that a small file can be caught between two chunks.
void setCopyChunkForTests(std::int64_t bytes);

// Tests only: false makes every copy use a named temporary, as on file systems that offer no
// unnamed files (network and FAT ones); true restores the default.
void setUnnamedTemporariesForTests(bool allowed);

// Why the progress routine is called; the values are those of the Windows copy call.
enum class CopyReason : std::int32_t {
    ChunkFinished = 0,
    StreamSwitch = 1,
    // Right after the stream switch, when the copy continues a partial that an earlier copy
    // of this source left: `transferred` is the part already there, not copied again.
    Resumed = 2,
};

struct CopyReport {
    CopyReason reason = CopyReason::StreamSwitch;
    std::int64_t totalSize = 0;
    // Bytes of this file copied so far; 0 in the stream-switch report.
    std::int64_t transferred = 0;
};

// Called on the copying thread. It may change the cancel flag (it yields to the event loop,
// where Stop and Pause run); the copy sees the change before its next chunk.
using CopyProgress = std::function<void(const CopyReport&)>;

struct CopyOptions {
    // Forces the copy and its folder entry to disk before returning, so that a source deleted
    // next cannot be lost to a power failure. Costs a disk round trip per file: moves only.
    bool durable = false;
    // The run's destination folder: below it the copy follows no link (see TreePath). Empty:
    // the destination's own folder, reached as its path says. Held by the caller.
    std::string_view root;
    // The entry the copy is meant to replace, as the caller saw it; empty when the caller saw
    // none. The copy is placed only while the destination is still that entry (or nothing),
    // so it never replaces what another run or the user put there meanwhile.
    std::optional<FileIdentity> replaces;
    // The run's copies of files with several names. A file met again under another name
    // becomes a name of its earlier copy; none given, every name is copied.
    HardLinkTable* hardLinks = nullptr;
    // Read once more after the last report, just before the copy would be placed: while it
    // points at true, the copy is abandoned even then, as a cancel. (The cancel flag lets a
    // file whose last chunk is done complete.)
    const bool* abandonBeforePlacing = nullptr;
    // The folder the run listed the source in, held open: the source is read there, as its
    // entry of the source path's last name, so a link put in place of a folder on the
    // source's path is never followed. None given, the source is reached as its path says.
    const SourceFolder* sourceFolder = nullptr;
    // What the caller has just found the source to be, when it looked: a file is then
    // opened without another look at its entry (what is opened is checked all the same).
    std::optional<EntryKind> sourceKind = std::nullopt;
    // The run's kept destination folders. The copy trusts the one that holds the destination
    // without a look: its caller has just looked at the destination through it.
    TreeFolders* keptFolders = nullptr;
};

enum class CopyOutcome {
    Copied,
    // The source's size, modification or status change time moved while it was read: the
    // copy may mix old and new content, so it was not placed. Trying again may succeed.
    SourceChanged,
    // The cancel flag was non-zero before a chunk. Nothing was placed.
    Cancelled,
    // A FIFO, socket or device node: refused without opening it, since opening alone can
    // block or act on a device.
    SpecialFile,
    // A folder stands at the destination: a copy never deletes one to take its place.
    FolderInTheWay,
    Failed,
};

struct CopyResult {
    CopyOutcome outcome = CopyOutcome::Failed;
    // The system's error behind a failure. A destination that is not the one the caller saw
    // is of the kind Exists; the outcome tells a cancel, a special file, a source that changed
    // and a folder in the destination's place.
    SystemError error;
    // The source as it was when its copy began (for a link, the link itself). The move step
    // deletes the source only while it still matches this. Empty when it could not be read.
    std::optional<FileIdentity> source;
    // The entry placed at the destination, for the move step's check that it is still there:
    // given for a durable copy and for a file with several names only.
    std::optional<FileIdentity> placed;
    // The bytes the copy holds (for a link, the length of its target). A file may hold more or
    // fewer than its stated size: see copyFileWithProgress.
    std::int64_t copied = 0;
    // The bytes at the start of the copy that an earlier copy of this source left and this one
    // continued from: checked only at their end, so a move compares the whole copy with its
    // source before it deletes the source.
    std::int64_t continuedFrom = 0;

    // True when the destination now holds the copy: the Windows call's non-zero result.
    bool succeeded() const { return outcome == CopyOutcome::Copied; }
};

// Copies one file into a temporary of its own, and gives it the destination's name only when
// it is complete and the source did not change meanwhile: the destination path never holds
// a partial or torn file, not even after a crash.
//
// A file that holds no blocks on disk is read until its end, not until the size it states:
// files below /proc state 0 (or one page below /sys) whatever they hold. Past its stated size
// such a file is read in pieces of pastSizePieceBytes, to its end. A file with blocks of its
// own holds what it states: one that grows or shrinks while read is caught by the check of
// its size and times afterwards.
//
// Reports: one stream switch (stated size, 0), then after every chunk one chunk-finished
// report with the bytes so far and the total as known by then: the stated size, or the bytes
// so far once the copy is past it; the last report gives the bytes copied for both. An empty
// file gets one stream switch and one chunk report of 0 of 0. A symbolic link is recreated
// with the same target and reported as one chunk of its own size (the length of the target),
// like a file.
//
// The cancel flag is read after the stream switch and after every chunk but the last: a
// stop set during the last report of a file still lets that file complete, unless the
// options' `abandonBeforePlacing` is set by then.
//
// The owner and group (where the process may set them), the extended attributes (ACLs
// included), the permission bits (set-ID bits only when the owner was kept), the access and
// the modification time of the source are kept, and so are the holes of a sparse file.
CopyResult copyFileWithProgress(const std::string& source, const std::string& destination,
                                const CopyProgress& progress, const std::int32_t& cancelFlag,
                                const CopyOptions& options = {});

} // namespace orvane::platform
