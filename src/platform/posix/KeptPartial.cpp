#include "platform/posix/KeptPartial.h"

#include "platform/DestinationTree.h"
#include "platform/PartialRecord.h"
#include "platform/posix/TreeResolve.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace orvane::platform {

namespace {

PartialRecord readRecord(int fd) {
    std::string text(kPartialRecordBytes + 1, '\0');
    const ssize_t got = ::pread(fd, text.data(), text.size(), 0);
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return parsePartialRecord(text);
}

bool readFully(int fd, char* buffer, std::int64_t count, std::int64_t offset) {
    while (count > 0) {
        const ssize_t got = ::pread(fd, buffer, static_cast<std::size_t>(count), offset);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        buffer += got;
        count -= got;
        offset += got;
    }
    return true;
}

// The partial's bytes from `from` to `to` are the source's there.
bool sameBytes(int partial, int source, std::int64_t from, std::int64_t to) {
    constexpr std::int64_t piece = 256 * 1024;
    std::vector<char> kept(piece);
    std::vector<char> original(piece);
    for (std::int64_t at = from; at < to; at += piece) {
        const std::int64_t count = std::min(piece, to - at);
        if (!readFully(partial, kept.data(), count, at) ||
            !readFully(source, original.data(), count, at) ||
            std::memcmp(kept.data(), original.data(), static_cast<std::size_t>(count)) != 0) {
            return false;
        }
    }
    return true;
}

// The records in the folder, each with the destination name it belongs to. Every other entry
// is passed over as it is read: a folder of many files is listed without keeping their names.
std::vector<std::pair<std::string, std::string>> recordsIn(int folder) {
    std::vector<std::pair<std::string, std::string>> records;
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const std::unique_ptr<DIR, int (*)(DIR*)> stream(listed < 0 ? nullptr : ::fdopendir(listed),
                                                     ::closedir);
    if (!stream) {
        if (listed >= 0) {
            ::close(listed);
        }
        return records;
    }
    while (const dirent* entry = ::readdir(stream.get())) {
        // A record's name is hidden: every other name is turned down at its first byte.
        if (entry->d_name[0] == '.') {
            std::string name = entry->d_name;
            std::string destinationName = recordedName(name);
            if (!destinationName.empty()) {
                records.emplace_back(std::move(name), std::move(destinationName));
            }
        }
    }
    return records;
}

FolderIdentity identityOfFolder(int folder) {
    struct stat info {};
    if (::fstat(folder, &info) != 0) {
        return {};
    }
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

// A record this program made when it copied `sourceName` of the source folder given, not held
// by a running copy, whose source is gone from that folder or is no longer the file it was cut
// from.
bool stale(int folder, const std::string& recordName, int sourceFolder,
           const std::string& sourceName) {
    const FileDescriptor record(
        ::openat(folder, recordName.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!record.isOpen() || ::flock(record.get(), LOCK_EX | LOCK_NB) != 0 ||
        ::fstat(record.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        !readRecord(record.get()).madeIn(identityOfFolder(sourceFolder))) {
        return false;
    }
    struct stat source {};
    if (::fstatat(sourceFolder, sourceName.c_str(), &source, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno == ENOENT;
    }
    return !S_ISREG(source.st_mode) || !readRecord(record.get()).cutFrom(identityFrom(source));
}

} // namespace

void removeStalePartials(const TreePath& folder, const std::string& sourceFolder) {
    // The folder itself, opened beneath the root as the parent of an entry in it.
    const std::string entryInFolder = folder.path + "/-";
    const auto opened = openTreeParent({folder.root, entryInFolder, folder.kept});
    const FileDescriptor source(
        ::open(sourceFolder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!opened || !source.isOpen()) {
        return;
    }
    const int at = opened->folder.get();
    for (const auto& [name, destinationName] : recordsIn(at)) {
        if (stale(at, name, source.get(), destinationName)) {
            ::unlinkat(at, partialNameOf(destinationName).c_str(), 0);
            ::unlinkat(at, name.c_str(), 0);
        }
    }
}

std::int64_t keptPartialBytes(const TreePath& entry, const FolderIdentity& sourceFolder) {
    const auto parent = openTreeParent(entry);
    if (!parent) {
        return 0;
    }
    struct stat partial {};
    const FileDescriptor record(::openat(parent->folder.get(), recordNameOf(parent->name()).c_str(),
                                         O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    // Only a partial the copy will continue or remove gives its space back.
    if (!record.isOpen() || !readRecord(record.get()).madeIn(sourceFolder) ||
        ::fstatat(parent->folder.get(), partialNameOf(parent->name()).c_str(), &partial,
                  AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(partial.st_mode)) {
        return 0;
    }
    return static_cast<std::int64_t>(partial.st_blocks) * 512;
}

KeptPartial::KeptPartial(int folder, std::string partialName, std::string recordName,
                         FileDescriptor record)
    : folder_(folder), partialName_(std::move(partialName)), recordName_(std::move(recordName)),
      record_(std::move(record)) {}

std::optional<KeptPartial> KeptPartial::take(int folder, const std::string& name, int source,
                                             const struct stat& sourceInfo,
                                             const FolderIdentity& sourceFolder) {
    std::string partialName = partialNameOf(name);
    std::string recordName = recordNameOf(name);
    if (recordName.size() > NAME_MAX) {
        return std::nullopt;
    }
    constexpr int flags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    FileDescriptor record(::openat(folder, recordName.c_str(), flags));
    const bool made = !record.isOpen() && errno == ENOENT;
    if (made) {
        record =
            FileDescriptor(::openat(folder, recordName.c_str(), flags | O_CREAT | O_EXCL, 0600));
    }
    // Another run holds it: it is left alone, and this copy goes without it. A record just
    // made is waited for: a run that found it empty lets go of it at once.
    struct stat recordInfo {};
    if (!record.isOpen() || ::flock(record.get(), made ? LOCK_EX : LOCK_EX | LOCK_NB) != 0 ||
        ::fstat(record.get(), &recordInfo) != 0 || !S_ISREG(recordInfo.st_mode)) {
        return std::nullopt;
    }
    KeptPartial kept(folder, std::move(partialName), std::move(recordName), std::move(record));
    kept.source_ = sourceInfo;
    kept.sourceFolder_ = sourceFolder;
    const PartialRecord found = made ? PartialRecord{} : readRecord(kept.record_.get());
    if (!made && !found.madeIn(sourceFolder)) {
        // Not provably this program's partial of this source: a user's file that merely has
        // a partial's name, a record torn by a crash, or the partial of another source that
        // came here as a file of this run's source. Never touched.
        return std::nullopt;
    }
    // The length recorded beyond the flushed part, when all of it reads back right; else the
    // flushed part, when a crash cost bytes beyond it. Nothing kept is nothing to continue: a
    // new file costs less than rewriting the old one, which some file systems refuse (FAT
    // through FUSE).
    if (!made && found.cutFrom(identityFrom(sourceInfo)) &&
        (kept.continueFrom(source, sourceInfo, found.length, found.flushed) ||
         (found.flushed < found.length &&
          kept.continueFrom(source, sourceInfo, found.flushed, found.flushed)))) {
        return kept;
    }
    // Its record names this source's folder, so the partial is this program's copy of the
    // entry of this name there, which has changed since or is another file now.
    if (!made) {
        ::unlinkat(folder, kept.partialName_.c_str(), 0);
    }
    if (!kept.startAfresh(sourceInfo)) {
        // What it made (a partial only when it holds none of the source yet) goes with it.
        if (kept.file_.isOpen()) {
            kept.discard();
        } else {
            kept.forget();
        }
        return std::nullopt;
    }
    return kept;
}

bool KeptPartial::startAfresh(const struct stat& sourceInfo) {
    source_ = sourceInfo;
    resumed_ = 0;
    flushed_ = 0;
    // Exclusive: an entry found under the name without a record is not this program's.
    file_ = FileDescriptor(::openat(folder_, partialName_.c_str(),
                                    O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    return file_.isOpen() && record(0) && ::fdatasync(record_.get()) == 0;
}

bool KeptPartial::continueFrom(int source, const struct stat& sourceInfo, std::int64_t length,
                               std::int64_t flushed) {
    FileDescriptor file(
        ::openat(folder_, partialName_.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (length == 0 || !file.isOpen() || ::fstat(file.get(), &info) != 0 ||
        !S_ISREG(info.st_mode) || info.st_size < length || length > sourceInfo.st_size ||
        !sameBytes(file.get(), source, trustedWithoutReading(length, flushed), length) ||
        // Past the recorded part the bytes may never have reached the disk.
        (info.st_size > length && ::ftruncate(file.get(), length) != 0)) {
        return false;
    }
    file_ = std::move(file);
    resumed_ = length;
    flushed_ = std::min(flushed, length);
    return true;
}

bool KeptPartial::record(std::int64_t length) {
    const std::string text =
        partialRecordText(sourceFolder_, identityFrom(source_), length, flushed_);
    return ::pwrite(record_.get(), text.data(), text.size(), 0) ==
           static_cast<ssize_t>(text.size());
}

void KeptPartial::startWriting(int partial, std::int64_t from, std::int64_t to) {
    // Only a hint: where it is refused, `keep` writes everything itself.
    ::sync_file_range(partial, from, to - from, SYNC_FILE_RANGE_WRITE);
    // The copy runs at most writeAheadBytes ahead of the disk, whatever the page cache could
    // hold: the next piece is written only once all but writeAheadBytes of what it ends at is
    // on disk. The pieces before were waited for at their own turn, so only the one that
    // just fell behind is.
    constexpr std::int64_t lag = writeAheadBytes - writeEveryBytes;
    const std::int64_t behind = to - lag;
    if (behind > 0) {
        const std::int64_t start = std::max<std::int64_t>(0, from - lag);
        ::sync_file_range(partial, start, behind - start, SYNC_FILE_RANGE_WAIT_BEFORE);
    }
}

void KeptPartial::reserveBlocks(int partial, std::int64_t size) {
    // The writing back that startWriting asks for runs in this process, and on ext4 it is also
    // where a file's blocks are chosen; reserved up front (one call), the blocks are in place
    // and the writing back only fills them: a 1 GiB copy on ext4 took 5 to 10 % less CPU.
    // fallocate, not posix_fallocate: where the file system lacks it (FUSE drives, say) that
    // would write the whole size in zeros first.
    static_cast<void>(::fallocate(partial, FALLOC_FL_KEEP_SIZE, 0, size));
}

void KeptPartial::releaseReserved(int partial, std::int64_t size) {
    struct stat info {};
    if (::fstat(partial, &info) != 0 || info.st_size >= size) {
        return;
    }
    // ext4 and tmpfs give the blocks past the end back on a truncation to the same size; a
    // hole punched past the end does it where that does not (ext4 declines the hole). Where
    // neither can, the room stays held until the copy is continued or removed.
    if (::ftruncate(partial, info.st_size) != 0) {
        return;
    }
    static_cast<void>(::fallocate(partial, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, info.st_size,
                                  size - info.st_size));
}

bool KeptPartial::keep(int partial, std::int64_t length) {
    if (::fdatasync(partial) != 0) {
        return false;
    }
    flushed_ = length;
    return record(length) && ::fdatasync(record_.get()) == 0;
}

void KeptPartial::forget() {
    if (record_.isOpen()) {
        ::unlinkat(folder_, recordName_.c_str(), 0);
        record_.close();
    }
}

void KeptPartial::discard() {
    ::unlinkat(folder_, partialName_.c_str(), 0);
    forget();
}

} // namespace orvane::platform
