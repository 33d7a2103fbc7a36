#pragma once

// Shared by the platform's own sources only: it brings in POSIX headers, which nothing
// outside src/platform may see.

#include "platform/FileEvents.h"
#include "platform/FileIdentity.h"
#include "platform/SystemError.h"
#include "platform/SystemHandle.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane::platform {

// An error number as the platform hands it on, with the kind that code above it tells apart.
inline SystemError posixError(int error) {
    switch (error) {
    case 0:
        return {};
    case ENOENT:
        return {ErrorKind::NotFound, error};
    case EEXIST:
        return {ErrorKind::Exists, error};
    default:
        return {ErrorKind::Other, error};
    }
}

// The descriptor a handle of the platform's classes holds.
inline int fdOf(SystemHandle handle) {
    return static_cast<int>(handle.value());
}

// Owns one file descriptor and closes it when it goes out of scope. A descriptor that was
// written to should be closed through close(), whose result reports late write errors
// (network file systems report some only there).
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            reset();
            fd_ = other.fd_;
            other.fd_ = -1;
        }
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int get() const { return fd_; }
    // Gives the descriptor up to the caller, who must close it.
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

    // Closes now; false (with errno set) when the system reports an error on closing.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    void reset() {
        if (fd_ >= 0) {
            const int saved = errno;
            ::close(fd_);
            errno = saved;
            fd_ = -1;
        }
    }

    int fd_ = -1;
};

// Writes every byte through short writes and interruptions; false with errno set when the
// system refuses (EIO for a write that takes nothing, rather than spinning forever).
inline bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            errno = written == 0 ? EIO : errno;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The error number openOwnFile() gives for an entry that is not a plain file; nothing on the
// paths of the program's own files produces it otherwise.
constexpr int kNotRegularFile = EMEDIUMTYPE;

// Opens one of the program's own files: never through a link (ELOOP), and never waiting for
// the other end of a FIFO. Anything but a regular file is closed again at once and refused
// with kNotRegularFile. -1 with errno set on failure.
inline int openOwnFile(const std::string& path, int flags, mode_t mode = 0666) {
    FileDescriptor fd(::open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, mode));
    struct stat info {};
    if (!fd.isOpen() || ::fstat(fd.get(), &info) != 0) {
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        errno = kNotRegularFile;
        return -1;
    }
    // A plain file never waits; the flag is dropped so no file system sees it on later calls.
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    return fd.release();
}

inline std::int64_t nanosecondsOf(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1000000000 +
           static_cast<std::int64_t>(time.tv_nsec);
}

inline FileIdentity identityFrom(const struct stat& info) {
    const auto size = static_cast<std::int64_t>(info.st_size);
    // st_blocks counts 512-byte units. Only a regular file's holes stay holes in its copy.
    const auto allocated = static_cast<std::int64_t>(info.st_blocks) * 512;
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino),
                        size,
                        nanosecondsOf(info.st_mtim),
                        nanosecondsOf(info.st_ctim),
                        S_ISREG(info.st_mode) ? std::min(size, allocated) : size,
                        S_ISREG(info.st_mode)   ? EntryKind::File
                        : S_ISLNK(info.st_mode) ? EntryKind::Link
                                                : EntryKind::Other};
}

// The folder that holds a path's last part, as a path the system accepts ("." for a bare
// name), and that last part itself.
struct PathSplit {
    std::string folder;
    std::string name;
};

inline PathSplit splitPath(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return {".", path};
    }
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// The target a symbolic link holds, however long; empty when it cannot be read. A relative
// path is taken relative to `folder`.
inline std::optional<std::string> linkTarget(const std::string& path, int folder = AT_FDCWD) {
    std::string target(256, '\0');
    for (;;) {
        const ssize_t length = ::readlinkat(folder, path.c_str(), target.data(), target.size());
        if (length < 0) {
            return std::nullopt;
        }
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            return target;
        }
        target.resize(target.size() * 2);
    }
}

// contentsEqual for two entries, each named relative to a folder (or AT_FDCWD).
std::optional<bool> contentsEqualAt(int firstFolder, const std::string& first, int secondFolder,
                                    const std::string& second);

// Forces an open file's data, or an open folder's entries, to disk; the path names it for
// the event hook only.
inline bool syncOpen(int fd, FileEvent event, const std::string& path) {
    if (::fsync(fd) != 0) {
        return false;
    }
    noteFileEvent(event, path);
    return true;
}

// Makes a folder's entries (a rename into it, a new link) survive a power failure.
inline bool syncFolder(const std::string& folder) {
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.isOpen() && syncOpen(fd.get(), FileEvent::FolderFlushed, folder);
}

} // namespace orvane::platform
