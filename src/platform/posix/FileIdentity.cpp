#include "platform/FileIdentity.h"

#include "platform/FileIdentitySystem.h"

#include "platform/posix/PosixFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane::platform {

namespace {

std::optional<struct stat> lstatOf(const std::string& path, int folder = AT_FDCWD) {
    struct stat info {};
    if (::fstatat(folder, path.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return std::nullopt;
    }
    return info;
}

FileDescriptor openForReading(const std::string& path, int folder = AT_FDCWD) {
    // O_NONBLOCK keeps a FIFO swapped in after the type check from stalling the open.
    return FileDescriptor(
        ::openat(folder, path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
}

// Fills the buffer from the descriptor unless the file ends first; the count read, or -1.
ssize_t readFully(int fd, char* buffer, std::size_t size) {
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t got = ::read(fd, buffer + filled, size - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return -1;
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(filled);
}

std::optional<bool> regularContentsEqual(const FileDescriptor& a, const FileDescriptor& b) {
    struct stat infoA {};
    struct stat infoB {};
    if (!a.isOpen() || !b.isOpen() || ::fstat(a.get(), &infoA) != 0 ||
        ::fstat(b.get(), &infoB) != 0 || !S_ISREG(infoA.st_mode) || !S_ISREG(infoB.st_mode)) {
        return std::nullopt;
    }
    if (infoA.st_size != infoB.st_size) {
        return false;
    }
    const auto reader = [](int fd) {
        return [fd](char* buffer, std::size_t size) -> long long {
            return readFully(fd, buffer, size);
        };
    };
    return sameBytesToEnd(reader(a.get()), reader(b.get()));
}

} // namespace

std::optional<FileIdentity> identityOf(const std::string& path) {
    const auto info = lstatOf(path);
    if (!info) {
        return std::nullopt;
    }
    return identityFrom(*info);
}

bool sameFile(const std::string& first, const std::string& second) {
    const auto a = lstatOf(first);
    const auto b = lstatOf(second);
    return a && b && a->st_dev == b->st_dev && a->st_ino == b->st_ino;
}

std::optional<bool> contentsEqual(const std::string& first, const std::string& second) {
    return contentsEqualAt(AT_FDCWD, first, AT_FDCWD, second);
}

std::optional<bool> contentsEqualAt(int firstFolder, const std::string& first, int secondFolder,
                                    const std::string& second) {
    const auto a = lstatOf(first, firstFolder);
    const auto b = lstatOf(second, secondFolder);
    if (!a || !b) {
        return std::nullopt;
    }
    const auto readable = [](const struct stat& info) {
        return S_ISREG(info.st_mode) || S_ISLNK(info.st_mode);
    };
    // Anything else (a FIFO, a device) is never opened: opening alone can block or act.
    if (!readable(*a) || !readable(*b)) {
        return std::nullopt;
    }
    if (S_ISLNK(a->st_mode) && S_ISLNK(b->st_mode)) {
        const auto targetA = linkTarget(first, firstFolder);
        const auto targetB = linkTarget(second, secondFolder);
        if (!targetA || !targetB) {
            return std::nullopt;
        }
        return *targetA == *targetB;
    }
    if (S_ISLNK(a->st_mode) || S_ISLNK(b->st_mode)) {
        // A link and a file never hold the same thing, whatever the link points at.
        return false;
    }
    return regularContentsEqual(openForReading(first, firstFolder),
                                openForReading(second, secondFolder));
}

bool flushToDisk(const std::string& path) {
    const auto info = lstatOf(path);
    if (!info) {
        return false;
    }
    if (S_ISREG(info->st_mode)) {
        const FileDescriptor fd = openForReading(path);
        if (!fd.isOpen() || !syncOpen(fd.get(), FileEvent::FileFlushed, path)) {
            return false;
        }
    } else if (!S_ISLNK(info->st_mode)) {
        return false;
    }
    return syncFolder(splitPath(path).folder);
}

} // namespace orvane::platform
