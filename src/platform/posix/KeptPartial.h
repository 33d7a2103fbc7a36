#pragma once

// Shared by the platform's own sources only: it works on file descriptors.

#include "platform/PartialRecord.h"
#include "platform/SourceFolder.h"
#include "platform/posix/PosixFile.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace orvane::platform {

// The copy of a large file, written under a fixed hidden name beside its destination and kept
// when the copy is cut short (stopped, paused, failed, killed), with a record of the source
// it was cut from and of the part known to be on disk, so that a later copy of that source
// to that destination continues it instead of starting again. The record is a small file of
// its own (not every file system has extended attributes); holding it open holds the lock
// that gives the partial to one run at a time, and a run that dies lets go of it.
class KeptPartial {
public:
    static constexpr std::int64_t keptFromBytes = kKeptFromBytes;
    static constexpr std::int64_t recordEveryBytes = kRecordEveryBytes;
    static constexpr std::chrono::milliseconds recordEveryTime = kRecordEveryTime;
    // What is written goes to the disk in the background at every recorded piece, and the copy
    // runs at most so far ahead of the disk: the next flush finds little left to wait for, and
    // the page cache never holds much of the partial that a crash could cost.
    static constexpr std::int64_t writeEveryBytes = kWriteEveryBytes;
    static constexpr std::int64_t writeAheadBytes = 64 * 1024 * 1024;

    // The destination's partial for this source, made or taken over, truncated to its
    // verified part. Empty when none can be kept here (the names would be too long, another
    // run holds it, an entry stands in its place that cannot be proven this program's partial
    // of this source, the file system refuses): the copy then goes as for a small file.
    // `source` is the open source, `sourceFolder` the folder it was read in: a partial whose
    // record names another folder is never continued nor removed.
    static std::optional<KeptPartial> take(int folder, const std::string& name, int source,
                                           const struct stat& sourceInfo,
                                           const FolderIdentity& sourceFolder);

    KeptPartial(KeptPartial&&) = default;
    KeptPartial& operator=(KeptPartial&&) = default;

    // The bytes at the start of the partial that are the source's and need no copy.
    std::int64_t resumedBytes() const { return resumed_; }
    const std::string& partialName() const { return partialName_; }
    // The partial, open for reading and writing; the caller writes and places it.
    FileDescriptor takeFile() { return std::move(file_); }

    // Forces the first `length` bytes of the partial to disk, then records them as the part
    // a later copy continues from: a crash never leaves a record ahead of the data.
    bool keep(int partial, std::int64_t length);
    // Records `length` bytes as copied without waiting for the disk: a Stop ends without
    // delay, and a killed run leaves its last record. A later copy continues from there only
    // when every byte past the part flushed by `keep` reads back as the source's, since a
    // crash can have cost them. False when the record could not be written.
    bool record(std::int64_t length);
    // Starts writing bytes `from` to `to` of the partial to disk without waiting for them, so
    // that the next `keep` finds little left to wait for.
    static void startWriting(int partial, std::int64_t from, std::int64_t to);
    // Gives the partial its blocks for all `size` bytes before the copy, its stated size
    // unchanged. A hint: where the file system has no such call, or no room, nothing happens.
    static void reserveBlocks(int partial, std::int64_t size);
    // Gives back what reserveBlocks took past the bytes written: a copy cut short keeps only
    // the room of what it wrote, not the whole file's.
    static void releaseReserved(int partial, std::int64_t size);
    // The partial was placed under the destination's name, or is worthless: the record goes.
    void forget();
    // The partial and its record both go (a changed source, a copy that cannot be placed).
    void discard();

private:
    KeptPartial(int folder, std::string partialName, std::string recordName, FileDescriptor record);

    bool startAfresh(const struct stat& sourceInfo);
    bool continueFrom(int source, const struct stat& sourceInfo, std::int64_t length,
                      std::int64_t flushed);

    int folder_;
    std::string partialName_;
    std::string recordName_;
    FileDescriptor record_;
    FileDescriptor file_;
    struct stat source_ {};
    FolderIdentity sourceFolder_;
    std::int64_t resumed_ = 0;
    std::int64_t flushed_ = 0;
};

} // namespace orvane::platform
