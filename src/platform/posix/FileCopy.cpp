#include "platform/FileCopy.h"

#include "platform/posix/KeptPartial.h"
#include "platform/posix/MetadataCopy.h"
#include "platform/posix/PartialFile.h"
#include "platform/posix/PosixFile.h"
#include "platform/posix/SparseCopy.h"
#include "platform/posix/TreeResolve.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <utility>

namespace orvane::platform {

namespace {

// Errors by which copy_file_range says it cannot serve this pair of files (another file
// system, an old kernel, a file system without support), not that the copy itself failed.
bool kernelCopyUnavailable(int error) {
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP ||
           error == ENOTSUP || error == EBADF;
}

std::int64_t& chunkBytes() {
    static std::int64_t bytes = copyChunkBytes;
    return bytes;
}

CopyResult failure(int error, std::optional<FileIdentity> source = std::nullopt) {
    return CopyResult{CopyOutcome::Failed, posixError(error), source, std::nullopt};
}

// Any of size, modification and status change time: the last moves with every write, also
// when the writer sets the modification time back.
bool differs(const struct stat& before, const struct stat& after) {
    return identityFrom(before) != identityFrom(after);
}

// The copy as the system made it: what its folder is known to give every new file, or else
// a look at it, which then teaches the folder's facts.
struct stat madeCopy(int copy, mode_t asked, TreeFolders::NewFiles* newFiles) {
    struct stat made {};
    if (newFiles && newFiles->known && (asked & ~newFiles->keptBits) == 0) {
        made.st_uid = newFiles->owner;
        made.st_gid = newFiles->group;
        made.st_mode = S_IFREG | asked;
        return made;
    }
    if (::fstat(copy, &made) != 0) {
        // Unknown: every part of the metadata is set.
        made.st_uid = static_cast<uid_t>(-1);
        made.st_mode = 0;
        return made;
    }
    if (newFiles) {
        if (!newFiles->known || made.st_uid != newFiles->owner || made.st_gid != newFiles->group) {
            newFiles->keptBits = 0;
        }
        // The system only ever takes bits away from those asked for: every bit the copy has
        // is one it keeps.
        *newFiles = {true,
                     made.st_uid,
                     made.st_gid,
                     newFiles->keptBits | (made.st_mode & 0777U),
                     newFiles->folderMode,
                     newFiles->folderGroup};
    }
    return made;
}

// Moves the content chunk by chunk, in the kernel while it can, otherwise through a buffer.
class ChunkMover {
public:
    ChunkMover(int source, int target) : source_(source), target_(target) {}

    // Through the buffer from now on: past a file's stated size, where a file system may
    // answer 0 in the kernel, and a normal file's end costs one read.
    std::int64_t moveBuffered(std::int64_t offset, std::int64_t count) {
        inKernel_ = false;
        return move(offset, count);
    }

    // Moves up to count bytes at offset; fewer only where the source ends. -1 with errno.
    std::int64_t move(std::int64_t offset, std::int64_t count) {
        std::int64_t moved = 0;
        while (moved < count) {
            const auto step = inKernel_ ? kernelStep(offset + moved, count - moved)
                                        : bufferStep(offset + moved, count - moved);
            if (step < 0 && errno == EINTR) {
                continue;
            }
            if (inKernel_ && (step == 0 || (step < 0 && kernelCopyUnavailable(errno)))) {
                // Some file systems answer 0 before the end of the file; the buffered read
                // tells a real end from that.
                inKernel_ = false;
                continue;
            }
            if (step < 0) {
                return -1;
            }
            if (step == 0) {
                break;
            }
            moved += step;
        }
        return moved;
    }

private:
    std::int64_t kernelStep(std::int64_t offset, std::int64_t count) {
        loff_t from = offset;
        loff_t to = offset;
        return ::copy_file_range(source_, &from, target_, &to, static_cast<std::size_t>(count), 0);
    }

    std::int64_t bufferStep(std::int64_t offset, std::int64_t count) {
        char* const buffer = sharedBuffer();
        const auto wanted = static_cast<std::size_t>(std::min(count, copyChunkBytes));
        const ssize_t got = ::pread(source_, buffer, wanted, offset);
        if (got <= 0) {
            return got;
        }
        ssize_t written = 0;
        while (written < got) {
            const ssize_t put = ::pwrite(target_, buffer + written,
                                         static_cast<std::size_t>(got - written), offset + written);
            if (put < 0 && errno == EINTR) {
                continue;
            }
            if (put <= 0) {
                if (put == 0) {
                    errno = EIO;
                }
                return -1;
            }
            written += put;
        }
        return got;
    }

    // One buffer for every buffered copy of the program, made on first use and never
    // cleared: each chunk overwrites what it uses. A buffer per file would cost an
    // allocation and a 4 MiB clearing for every small file copied to another file system.
    static char* sharedBuffer() {
        thread_local const auto buffer =
            std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(copyChunkBytes));
        return buffer.get();
    }

    int source_;
    int target_;
    bool inKernel_ = true;
};

// The last part of a path, where it stands: it ends where the path does.
const char* lastPartOf(const std::string& path) {
    const auto* slash = static_cast<const char*>(::memrchr(path.data(), '/', path.size()));
    return slash ? slash + 1 : path.c_str();
}

// One copy call: its arguments and the steps that serve it.
class Copy {
public:
    Copy(const std::string& source, const std::string& destination, const CopyProgress& progress,
         const std::int32_t& cancelFlag, const CopyOptions& options)
        : source_(source), destination_(destination), progress_(progress), cancelFlag_(cancelFlag),
          options_(options),
          sourceFolder_(options.sourceFolder ? fdOf(options.sourceFolder->handle()) : AT_FDCWD),
          sourceName_(options.sourceFolder ? lastPartOf(source) : source.c_str()) {}

    CopyResult run() {
        const std::string_view name = lastPartOf(destination_);
        if (name.empty() || name == "." || name == "..") {
            return failure(EISDIR);
        }
        if (options_.sourceKind == EntryKind::File) {
            return copyRegular();
        }
        struct stat entry {};
        if (::fstatat(sourceFolder_, sourceName_, &entry, AT_SYMLINK_NOFOLLOW) != 0) {
            return failure(errno);
        }
        if (S_ISDIR(entry.st_mode)) {
            return failure(EISDIR, identityFrom(entry));
        }
        if (!S_ISREG(entry.st_mode) && !S_ISLNK(entry.st_mode)) {
            return refuse(entry);
        }
        return S_ISLNK(entry.st_mode) ? copyLink(entry) : copyRegular();
    }

private:
    CopyResult refuse(const struct stat& entry) const {
        return CopyResult{CopyOutcome::SpecialFile, posixError(EINVAL), identityFrom(entry),
                          std::nullopt};
    }

    std::optional<OpenedParent> openParent() {
        if (options_.root.empty()) {
            ownRoot_ = splitPath(destination_).folder;
        }
        return openTreeParent(TreePath{options_.root.empty() ? ownRoot_ : options_.root,
                                       destination_, options_.keptFolders},
                              KeptFolder::Trust);
    }

    // The folder the source is read in, as a kept partial's record names it.
    FolderIdentity sourceFolderIdentity() const {
        if (options_.sourceFolder) {
            return options_.sourceFolder->identity();
        }
        struct stat folder {};
        if (::stat(splitPath(source_).folder.c_str(), &folder) != 0) {
            return {};
        }
        return {static_cast<std::uint64_t>(folder.st_dev),
                static_cast<std::uint64_t>(folder.st_ino)};
    }

    CopyResult folderInTheWay(const struct stat& entry) const {
        return CopyResult{CopyOutcome::FolderInTheWay, posixError(EISDIR), identityFrom(entry),
                          std::nullopt};
    }

    // Placing a copy where a folder stands fails all the same; a look before a file of more
    // than one chunk keeps it from being copied in vain, and a look after a refused placement
    // tells the user why.
    static bool folderStandsAt(const OpenedParent& parent) {
        struct stat there {};
        return ::fstatat(parent.folder.get(), parent.name(), &there, AT_SYMLINK_NOFOLLOW) == 0 &&
               S_ISDIR(there.st_mode);
    }

    CopyResult cancelled(const struct stat& entry) const {
        return CopyResult{CopyOutcome::Cancelled, posixError(ECANCELED), identityFrom(entry),
                          std::nullopt};
    }

    // Makes the destination another name of the copy made earlier of the same source file.
    // linkat never replaces an entry, so whatever stands at the name stays untouched.
    bool linkEarlierCopy(const FileIdentity& source, const OpenedParent& parent) const {
        const auto earlier =
            options_.hardLinks ? options_.hardLinks->earlierCopy(source) : std::nullopt;
        return earlier &&
               ::linkat(AT_FDCWD, earlier->c_str(), parent.folder.get(), parent.name(), 0) == 0;
    }

    bool abandonedBeforePlacing() const {
        return options_.abandonBeforePlacing != nullptr && *options_.abandonBeforePlacing;
    }

    void report(CopyReason reason, std::int64_t total, std::int64_t transferred) const {
        if (progress_) {
            progress_(CopyReport{reason, total, transferred});
        }
    }

    CopyResult copyRegular() {
        // The type is checked on the opened file: the entry may have been swapped since it
        // was looked at, and O_NONBLOCK keeps a FIFO swapped in from stalling the open. On a
        // regular file the flag changes nothing, so it is left set.
        const FileDescriptor in(::openat(
            sourceFolder_, sourceName_, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat before {};
        if (!in.isOpen() || ::fstat(in.get(), &before) != 0) {
            return failure(errno);
        }
        if (S_ISDIR(before.st_mode)) {
            return failure(EISDIR, identityFrom(before));
        }
        if (!S_ISREG(before.st_mode)) {
            return refuse(before);
        }
        const auto parent = openParent();
        if (!parent) {
            return failure(errno, identityFrom(before));
        }
        if (!options_.replaces && before.st_size > chunkBytes() && folderStandsAt(*parent)) {
            return folderInTheWay(before);
        }
        if (linkEarlierCopy(identityFrom(before), *parent)) {
            return linked(*parent, before);
        }
        PartialFile partial(parent->folder.get(), parent->name());
        if (before.st_size >= KeptPartial::keptFromBytes) {
            kept_ = KeptPartial::take(parent->folder.get(), parent->name(), in.get(), before,
                                      sourceFolderIdentity());
        }
        if (kept_) {
            partial.adopt(kept_->partialName(), kept_->takeFile());
        } else if (!partial.createFile(before.st_mode & 0777)) {
            return failure(errno, identityFrom(before));
        }
        sparse_ = hasHoles(before);
        // A file with holes keeps them: only the blocks of its data are taken.
        if (kept_ && !sparse_) {
            KeptPartial::reserveBlocks(partial.fd(), before.st_size);
        }
        // Only a file without blocks of its own (a pseudo file) may hold more than it states.
        readPastSize_ = before.st_blocks == 0;
        if (!moveContent(in.get(), partial.fd(), before.st_size)) {
            const int error = errno;
            keepForLater(partial, before.st_size);
            if (error == ECANCELED) {
                return cancelled(before);
            }
            return failure(error, identityFrom(before));
        }
        if (abandonedBeforePlacing()) {
            keepForLater(partial, before.st_size);
            return cancelled(before);
        }
        struct stat after {};
        // Only a file made without a name got the bits asked for; a named one is made
        // readable by its owner only.
        const struct stat made =
            madeCopy(partial.fd(), partial.unnamed() ? before.st_mode & 0777 : 0600,
                     partial.unnamed() ? parent->newFiles.get() : nullptr);
        if (::fstat(in.get(), &after) != 0 || !finishFile(partial.fd(), in.get(), before, made)) {
            const int error = errno;
            keepForLater(partial, before.st_size);
            return failure(error, identityFrom(before));
        }
        if (differs(before, after)) {
            discardKept(partial);
            return CopyResult{CopyOutcome::SourceChanged, posixError(EAGAIN), identityFrom(before),
                              std::nullopt};
        }
        CopyResult result = place(*parent, partial, before);
        if (!result.succeeded()) {
            discardKept(partial);
        } else if (kept_) {
            kept_->forget();
            result.continuedFrom = kept_->resumedBytes();
        }
        if (result.succeeded() && options_.hardLinks && before.st_nlink > 1) {
            options_.hardLinks->remember(identityFrom(before), destination_, *result.placed);
        }
        return result;
    }

    // Another name of a file copied earlier in the run, now a name of that copy: reported as
    // one chunk, like a copy.
    CopyResult linked(const OpenedParent& parent, const struct stat& before) {
        copied_ = before.st_size;
        report(CopyReason::StreamSwitch, before.st_size, 0);
        report(CopyReason::ChunkFinished, before.st_size, before.st_size);
        return inPlace(parent, before);
    }

    // A copy cut short keeps what it wrote when it was a kept partial, recorded for a later
    // copy to continue.
    void keepForLater(PartialFile& partial, std::int64_t size) {
        if (kept_) {
            partial.keep();
            kept_->record(done_);
            KeptPartial::releaseReserved(partial.fd(), size);
        }
    }

    // A kept partial that cannot become the destination is worth nothing to a later copy.
    void discardKept(PartialFile& partial) {
        if (kept_) {
            partial.keep();
            kept_->discard();
        }
    }

    // A long copy into a kept partial records its progress at every piece it starts writing,
    // which a killed run leaves behind, and now and then makes it durable, so that a crash
    // costs at most that much.
    void recordProgress(int out, std::int64_t done) {
        if (kept_ && done - writing_ >= KeptPartial::writeEveryBytes) {
            KeptPartial::startWriting(out, writing_, done);
            kept_->record(done);
            writing_ = done;
        }
        if (kept_ && done - recorded_ >= KeptPartial::recordEveryBytes &&
            std::chrono::steady_clock::now() - recordedAt_ >= KeptPartial::recordEveryTime) {
            kept_->keep(out, done);
            recorded_ = done;
            recordedAt_ = std::chrono::steady_clock::now();
        }
    }

    // False with errno set, ECANCELED when the flag stopped it. Sets copied_.
    bool moveContent(int in, int out, std::int64_t size) {
        ChunkMover mover(in, out);
        std::int64_t& done = done_;
        done = recorded_ = writing_ = kept_ ? kept_->resumedBytes() : 0;
        if (kept_) {
            recordedAt_ = std::chrono::steady_clock::now();
        }
        report(CopyReason::StreamSwitch, size, 0);
        if (done > 0) {
            report(CopyReason::Resumed, size, done);
        }
        for (;;) {
            if (cancelFlag_ != 0) {
                errno = ECANCELED;
                return false;
            }
            const bool withinSize = done < size;
            const auto wanted =
                withinSize ? std::min(chunkBytes(), size - done) : pastSizePieceBytes;
            const auto moved = !withinSize ? mover.moveBuffered(done, wanted)
                               : sparse_   ? moveKeepingHoles(in, out, mover, done, wanted, size)
                                           : mover.move(done, wanted);
            if (moved < 0) {
                return false;
            }
            done += moved;
            // A short chunk is the end of the file: where it comes before the stated size the
            // source was cut while being read, and the changed size marks the copy when the
            // source is examined again.
            bool ended = moved < wanted || (!readPastSize_ && done == size);
            if (!ended && withinSize && done == size) {
                // The stated size reached: the end, unless the file holds more than it says.
                const auto more = mover.moveBuffered(done, pastSizePieceBytes);
                if (more < 0) {
                    return false;
                }
                done += more;
                ended = more < pastSizePieceBytes;
            }
            report(CopyReason::ChunkFinished, ended ? done : std::max(size, done), done);
            recordProgress(out, done);
            if (ended) {
                copied_ = done;
                return true;
            }
        }
    }

    bool finishFile(int out, int in, const struct stat& source, const struct stat& made) const {
        const KeptMode mode = keepOwnerAndAttributes(in, out, source, made);
        const timespec times[2] = {source.st_atim, source.st_mtim};
        return (mode.already || keptOrNotHeld(::fchmod(out, mode.wanted))) &&
               keptOrNotHeld(::futimens(out, times)) &&
               (!options_.durable || syncOpen(out, FileEvent::FileFlushed, destination_));
    }

    CopyResult copyLink(const struct stat& before) {
        const auto target = linkTarget(std::string(sourceName_), sourceFolder_);
        if (!target) {
            return failure(errno, identityFrom(before));
        }
        const auto found = openParent();
        if (!found) {
            return failure(errno, identityFrom(before));
        }
        const OpenedParent& parent = *found;
        PartialFile partial(parent.folder.get(), parent.name());
        report(CopyReason::StreamSwitch, before.st_size, 0);
        if (cancelFlag_ != 0) {
            return cancelled(before);
        }
        const timespec times[2] = {before.st_atim, before.st_mtim};
        if (!partial.createLink(*target)) {
            return failure(errno, identityFrom(before));
        }
        // The attribute calls take paths only; the folder's descriptor stands in for its path.
        const std::string sourcePath =
            options_.sourceFolder
                ? "/proc/self/fd/" + std::to_string(sourceFolder_) + "/" + std::string(sourceName_)
                : source_;
        keepLinkOwnerAndAttributes(sourcePath, parent.folder.get(), partial.temporaryName(),
                                   before);
        if (!keptOrNotHeld(::utimensat(parent.folder.get(), partial.temporaryName().c_str(), times,
                                       AT_SYMLINK_NOFOLLOW))) {
            return failure(errno, identityFrom(before));
        }
        report(CopyReason::ChunkFinished, before.st_size, before.st_size);
        copied_ = before.st_size;
        if (abandonedBeforePlacing()) {
            return cancelled(before);
        }
        struct stat after {};
        if (::fstatat(sourceFolder_, sourceName_, &after, AT_SYMLINK_NOFOLLOW) != 0) {
            return failure(errno, identityFrom(before));
        }
        if (differs(before, after) || after.st_ino != before.st_ino) {
            return CopyResult{CopyOutcome::SourceChanged, posixError(EAGAIN), identityFrom(before),
                              std::nullopt};
        }
        return place(parent, partial, before);
    }

    // Everything the copy sets on the file (mode, times, and any other metadata) must be set
    // before this: the identity taken here, status change time included, is what the move
    // step expects to find at the destination before it deletes the source.
    CopyResult place(const OpenedParent& parent, PartialFile& partial, const struct stat& before) {
        if (!partial.place(options_.replaces)) {
            const int error = errno;
            if (error == EEXIST && !options_.replaces && folderStandsAt(parent)) {
                return folderInTheWay(before);
            }
            return failure(error, identityFrom(before));
        }
        return inPlace(parent, before);
    }

    // The copy is in place now; a failed flush still counts as a failure, so that a move
    // keeps its source. Its identity as placed is taken only for those who check it later:
    // a move (the one copy that is flushed) before it deletes the source, and the later names
    // of a file with several.
    CopyResult inPlace(const OpenedParent& parent, const struct stat& before) const {
        const bool checkedLater = options_.durable || before.st_nlink > 1;
        struct stat placed {};
        if ((checkedLater &&
             ::fstatat(parent.folder.get(), parent.name(), &placed, AT_SYMLINK_NOFOLLOW) != 0) ||
            (options_.durable && !syncOpen(parent.folder.get(), FileEvent::FolderFlushed,
                                           splitPath(destination_).folder))) {
            return failure(errno, identityFrom(before));
        }
        return CopyResult{CopyOutcome::Copied,
                          {},
                          identityFrom(before),
                          checkedLater ? std::optional(identityFrom(placed)) : std::nullopt,
                          copied_};
    }

    const std::string& source_;
    const std::string& destination_;
    const CopyProgress& progress_;
    const std::int32_t& cancelFlag_;
    const CopyOptions& options_;
    // The source as the folder that holds it (AT_FDCWD when it is reached by its path) and
    // its name there, the end of its path.
    const int sourceFolder_;
    const char* const sourceName_;
    // The destination's own folder as the tree's root, when the caller gave none.
    std::string ownRoot_;
    // Read where the file is opened: one with holes is copied data range by data range.
    bool sparse_ = false;
    bool readPastSize_ = true;
    // The bytes the copy holds, once its content is complete.
    std::int64_t copied_ = 0;
    // A large file's copy, kept if it is cut short; the bytes written to it so far, and those
    // its record holds.
    std::optional<KeptPartial> kept_;
    std::int64_t done_ = 0;
    std::int64_t recorded_ = 0;
    std::int64_t writing_ = 0;
    std::chrono::steady_clock::time_point recordedAt_;
};

} // namespace

void setCopyChunkForTests(std::int64_t bytes) {
    chunkBytes() = bytes > 0 && bytes < copyChunkBytes ? bytes : copyChunkBytes;
}

void setUnnamedTemporariesForTests(bool allowed) {
    PartialFile::allowUnnamed(allowed);
}

CopyResult copyFileWithProgress(const std::string& source, const std::string& destination,
                                const CopyProgress& progress, const std::int32_t& cancelFlag,
                                const CopyOptions& options) {
    return Copy(source, destination, progress, cancelFlag, options).run();
}

} // namespace orvane::platform
