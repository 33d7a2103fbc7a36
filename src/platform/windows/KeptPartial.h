#pragma once

// Shared by the Windows platform sources only: it works on handles.

#include "platform/PartialRecord.h"
#include "platform/windows/SystemPath.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orvane::platform {

// The copy of a large file, written under a fixed hidden name beside its destination and kept
// when the copy is cut short (stopped, paused away, failed, or its process ended), with its
// record, so that a later copy of that source to that destination continues it. The record is
// held open without sharing for as long as the copy runs: that gives the partial to one run at
// a time, and the system lets go of it however the process ends.
class KeptPartial {
public:
    // The destination's partial for this source, made or taken over, cut back to its verified
    // part. Empty when none can be kept here (another run holds it, an entry stands there that
    // cannot be proven this program's partial of this source, the file system refuses): the
    // copy then goes as for a small file. `source` is the open source, `sourceFolder` the
    // folder it was read in.
    static std::optional<KeptPartial> take(const std::string& destination, HANDLE source,
                                           const FileIdentity& sourceInfo,
                                           const FolderIdentity& sourceFolder);

    KeptPartial(KeptPartial&&) = default;
    KeptPartial& operator=(KeptPartial&&) = default;

    // The bytes at the start of the partial that are the source's and need no copy.
    std::int64_t resumedBytes() const { return resumed_; }
    const std::string& partialPath() const { return partialPath_; }
    // The partial, open for reading, writing and renaming, its file pointer at the end of the
    // part kept; the caller writes and places it.
    Handle takeFile() { return std::move(file_); }

    // Records `length` bytes as copied without waiting for the disk: a Stop ends without
    // delay, and a run whose process ended leaves its last record. A later copy trusts the
    // part past the last `keep` only where it reads back as the source's.
    bool record(std::int64_t length);
    // Forces the partial to disk, then records `length` bytes as durable: a crash of the
    // system never leaves a record ahead of the data.
    bool keep(HANDLE partial, std::int64_t length);
    // The partial was placed under the destination's name, or is worthless: the record goes.
    void forget();

private:
    KeptPartial(std::string partialPath, Handle record, FolderIdentity sourceFolder,
                FileIdentity source);

    bool startAfresh();
    bool continueFrom(HANDLE source, std::int64_t length, std::int64_t flushed);

    std::string partialPath_;
    Handle record_;
    Handle file_;
    FolderIdentity sourceFolder_;
    FileIdentity source_;
    std::int64_t resumed_ = 0;
    std::int64_t flushed_ = 0;
};

// Reads into the buffer at an offset of the file, until it is full or the file ends; the count
// read, or -1.
long long readAt(HANDLE file, std::int64_t offset, char* buffer, DWORD size);

} // namespace orvane::platform
