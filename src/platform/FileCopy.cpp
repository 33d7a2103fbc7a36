#include "platform/FileCopy.h"

#include "platform/MetadataCopy.h"
#include "platform/PosixFile.h"
#include "platform/SparseCopy.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <utility>

namespace orvane::platform {

namespace {

constexpr const char* temporarySuffix = ".orvane-part";

// Errors by which copy_file_range says it cannot serve this pair of files (another file
// system, an old kernel, a file system without support), not that the copy itself failed.
bool kernelCopyUnavailable(int error) {
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP ||
           error == ENOTSUP || error == EBADF;
}

std::uint64_t fnv1a(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char c : text) {
        hash = (hash ^ c) * 1099511628211ULL;
    }
    return hash;
}

CopyResult failure(int error, std::optional<FileIdentity> source = std::nullopt) {
    return CopyResult{CopyOutcome::Failed, error, source};
}

bool differs(const struct stat& before, const struct stat& after) {
    return before.st_size != after.st_size ||
           nanosecondsOf(before.st_mtim) != nanosecondsOf(after.st_mtim);
}

// The temporary entry of one copy. It is removed when the copy ends without being placed, so
// a cancelled or failed copy leaves nothing behind. A stale entry of the same name (from a
// killed run, or planted) is removed first and the new one created exclusively: writing
// through an old entry could follow a link or truncate another file's hard link.
class TemporaryEntry {
public:
    explicit TemporaryEntry(std::string path) : path_(std::move(path)) {}
    ~TemporaryEntry() {
        if (owned_) {
            const int saved = errno;
            ::unlink(path_.c_str());
            errno = saved;
        }
    }
    TemporaryEntry(const TemporaryEntry&) = delete;
    TemporaryEntry& operator=(const TemporaryEntry&) = delete;

    const std::string& path() const { return path_; }

    FileDescriptor createFile() {
        // A stale entry is rare, so it is removed only once the exclusive create meets it:
        // one system call less for every file.
        FileDescriptor fd(createExclusively());
        if (!fd.isOpen() && errno == EEXIST) {
            ::unlink(path_.c_str());
            fd = FileDescriptor(createExclusively());
        }
        owned_ = fd.isOpen();
        return fd;
    }

    bool createLink(const std::string& target) {
        ::unlink(path_.c_str());
        owned_ = ::symlink(target.c_str(), path_.c_str()) == 0;
        return owned_;
    }

    bool placeAt(const std::string& destination) {
        if (::rename(path_.c_str(), destination.c_str()) != 0) {
            return false;
        }
        owned_ = false;
        return true;
    }

private:
    int createExclusively() const {
        return ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    }

    std::string path_;
    bool owned_ = false;
};

// Moves the content chunk by chunk, in the kernel while it can, otherwise through a buffer.
class ChunkMover {
public:
    ChunkMover(int source, int target) : source_(source), target_(target) {}

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

// One copy call: its arguments and the steps that serve it.
class Copy {
public:
    Copy(const std::string& source, const std::string& destination, const CopyProgress& progress,
         const std::int32_t& cancelFlag, const CopyOptions& options)
        : source_(source), destination_(destination), progress_(progress), cancelFlag_(cancelFlag),
          options_(options), temporary_(temporaryNameFor(destination)) {}

    CopyResult run() {
        const auto name = splitPath(destination_).name;
        if (name.empty() || name == "." || name == "..") {
            return failure(EISDIR);
        }
        struct stat entry {};
        if (::lstat(source_.c_str(), &entry) != 0) {
            return failure(errno);
        }
        if (S_ISLNK(entry.st_mode)) {
            return copyLink(entry);
        }
        if (S_ISDIR(entry.st_mode)) {
            return failure(EISDIR, identityFrom(entry));
        }
        if (!S_ISREG(entry.st_mode)) {
            return refuse(entry);
        }
        return copyRegular();
    }

private:
    CopyResult refuse(const struct stat& entry) const {
        return CopyResult{CopyOutcome::SpecialFile, EINVAL, identityFrom(entry)};
    }

    CopyResult cancelled(const struct stat& entry) const {
        return CopyResult{CopyOutcome::Cancelled, ECANCELED, identityFrom(entry)};
    }

    void report(CopyReason reason, std::int64_t total, std::int64_t transferred) const {
        if (progress_) {
            progress_(CopyReport{reason, total, transferred});
        }
    }

    CopyResult copyRegular() {
        // The type is checked again on the opened file: the entry may have been swapped
        // since lstat, and O_NONBLOCK keeps a FIFO swapped in from stalling the open. On a
        // regular file the flag changes nothing, so it is left set.
        const FileDescriptor in(
            ::open(source_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat before {};
        if (!in.isOpen() || ::fstat(in.get(), &before) != 0) {
            return failure(errno);
        }
        if (!S_ISREG(before.st_mode)) {
            return refuse(before);
        }
        if (options_.hardLinks &&
            options_.hardLinks->linkEarlierCopy(identityFrom(before), destination_)) {
            return linked(before);
        }

        FileDescriptor out = temporary_.createFile();
        if (!out.isOpen()) {
            return failure(errno, identityFrom(before));
        }
        sparse_ = hasHoles(before);
        if (!moveContent(in.get(), out.get(), before.st_size)) {
            if (errno == ECANCELED) {
                return cancelled(before);
            }
            return failure(errno, identityFrom(before));
        }

        struct stat after {};
        if (::fstat(in.get(), &after) != 0 || !finishFile(out, in.get(), before)) {
            return failure(errno, identityFrom(before));
        }
        const CopyResult placed = place(differs(before, after), before);
        if (placed.placed() && options_.hardLinks && before.st_nlink > 1) {
            options_.hardLinks->remember(identityFrom(before), destination_);
        }
        return placed;
    }

    // Another name of a file copied earlier in the run: reported as one chunk, like a copy.
    CopyResult linked(const struct stat& before) {
        report(CopyReason::StreamSwitch, before.st_size, 0);
        report(CopyReason::ChunkFinished, before.st_size, before.st_size);
        if (options_.durable && !syncFolder(splitPath(destination_).folder)) {
            return failure(errno, identityFrom(before));
        }
        return CopyResult{CopyOutcome::Copied, 0, identityFrom(before)};
    }

    // False with errno set, ECANCELED when the flag stopped it.
    bool moveContent(int in, int out, std::int64_t size) {
        ChunkMover mover(in, out);
        std::int64_t done = 0;
        report(CopyReason::StreamSwitch, size, 0);
        for (;;) {
            if (cancelFlag_ != 0) {
                errno = ECANCELED;
                return false;
            }
            const auto wanted = std::min(copyChunkBytes, size - done);
            const auto moved =
                sparse_ ? moveKeepingHoles(in, out, mover, done, wanted) : mover.move(done, wanted);
            if (moved < 0) {
                return false;
            }
            done += moved;
            report(CopyReason::ChunkFinished, size, done);
            // A short chunk means the source was cut while being read; the changed size
            // marks the copy when the source is examined again.
            if (done >= size || moved < wanted) {
                return true;
            }
        }
    }

    bool finishFile(FileDescriptor& out, int in, const struct stat& source) const {
        const mode_t mode = keepOwnerAndAttributes(in, out.get(), source);
        const timespec times[2] = {source.st_atim, source.st_mtim};
        return ::fchmod(out.get(), mode) == 0 && ::futimens(out.get(), times) == 0 &&
               (!options_.durable || ::fsync(out.get()) == 0) && out.close();
    }

    CopyResult copyLink(const struct stat& before) {
        const auto target = linkTarget(source_);
        if (!target) {
            return failure(errno, identityFrom(before));
        }
        report(CopyReason::StreamSwitch, before.st_size, 0);
        if (cancelFlag_ != 0) {
            return cancelled(before);
        }
        const timespec times[2] = {before.st_atim, before.st_mtim};
        if (!temporary_.createLink(*target)) {
            return failure(errno, identityFrom(before));
        }
        keepLinkOwnerAndAttributes(source_, temporary_.path(), before);
        if (::utimensat(AT_FDCWD, temporary_.path().c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) {
            return failure(errno, identityFrom(before));
        }
        report(CopyReason::ChunkFinished, before.st_size, before.st_size);
        struct stat after {};
        if (::lstat(source_.c_str(), &after) != 0) {
            return failure(errno, identityFrom(before));
        }
        return place(differs(before, after) || after.st_ino != before.st_ino, before);
    }

    CopyResult place(bool sourceChanged, const struct stat& before) {
        if (!temporary_.placeAt(destination_)) {
            return failure(errno, identityFrom(before));
        }
        // The copy is in place now; a failed flush still counts as a failure, so that a move
        // keeps its source.
        if (options_.durable && !syncFolder(splitPath(destination_).folder)) {
            return failure(errno, identityFrom(before));
        }
        return CopyResult{sourceChanged ? CopyOutcome::SourceChanged : CopyOutcome::Copied, 0,
                          identityFrom(before)};
    }

    const std::string& source_;
    const std::string& destination_;
    const CopyProgress& progress_;
    const std::int32_t& cancelFlag_;
    const CopyOptions& options_;
    TemporaryEntry temporary_;
    // Read where the file is opened: one with holes is copied data range by data range.
    bool sparse_ = false;
};

} // namespace

std::string temporaryNameFor(const std::string& destination) {
    const auto [folder, name] = splitPath(destination);
    std::string temporary = "." + name + temporarySuffix;
    if (temporary.size() > NAME_MAX) {
        // A name near the limit cannot carry the decoration; a hash of it stays deterministic.
        char hash[17];
        std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(fnv1a(name)));
        temporary = std::string(temporarySuffix) + "-" + hash;
    }
    return (folder == "/" ? folder : folder + "/") + temporary;
}

bool isTemporaryName(const std::string& name) {
    const std::string suffix = temporarySuffix;
    return (name.size() >= suffix.size() + 2 && name.starts_with('.') && name.ends_with(suffix)) ||
           name.starts_with(suffix + "-");
}

CopyResult copyFileWithProgress(const std::string& source, const std::string& destination,
                                const CopyProgress& progress, const std::int32_t& cancelFlag,
                                const CopyOptions& options) {
    return Copy(source, destination, progress, cancelFlag, options).run();
}

} // namespace orvane::platform
