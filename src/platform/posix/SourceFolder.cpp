#include "platform/SourceFolder.h"

#include "platform/posix/PosixFile.h"
#include "platform/posix/PrivateName.h"

#include <utility>

namespace orvane::platform {

namespace {

// Read-only, and never through a link: the descriptor only anchors the *at calls and the
// listing.
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// The name a source takes for the moment between its last check and its deletion.
constexpr const char* kDeletedMark = ".orvane-deleted-";

// Times are not compared: the rename that hides the entry sets its status change time, and
// some file systems restamp its write time too (fusefat does, to the FAT's two seconds). The
// caller compared both times just before; what this check adds is that the hidden entry is
// that very file, of that size.
bool sameEntry(const FileIdentity& found, const FileIdentity& expected) {
    return found.device == expected.device && found.inode == expected.inode &&
           found.size == expected.size;
}

} // namespace

SourceFolder::SourceFolder(const std::string& path) : handle_(::open(path.c_str(), kFolderFlags)) {
    takeIdentity();
}

SourceFolder::SourceFolder(const SourceFolder& parent, const std::string& name)
    : handle_(parent.isOpen()
                  ? ::openat(fdOf(parent.handle_), name.c_str(), kFolderFlags | O_NOFOLLOW)
                  : -1) {
    if (!parent.isOpen()) {
        errno = EBADF;
    }
    takeIdentity();
}

void SourceFolder::takeIdentity() {
    struct stat info {};
    if (isOpen() && ::fstat(fdOf(handle_), &info) == 0) {
        identity_ = {static_cast<std::uint64_t>(info.st_dev),
                     static_cast<std::uint64_t>(info.st_ino)};
        return;
    }
    openError_ = posixError(errno);
    if (isOpen()) {
        ::close(fdOf(handle_));
        handle_ = SystemHandle();
    }
}

SourceFolder::~SourceFolder() {
    if (isOpen()) {
        ::close(fdOf(handle_));
    }
}

SourceFolder::SourceFolder(SourceFolder&& other) noexcept
    : handle_(std::exchange(other.handle_, SystemHandle())), openError_(other.openError_),
      identity_(other.identity_) {}

SourceFolder& SourceFolder::operator=(SourceFolder&& other) noexcept {
    if (this != &other) {
        if (isOpen()) {
            ::close(fdOf(handle_));
        }
        handle_ = std::exchange(other.handle_, SystemHandle());
        openError_ = other.openError_;
        identity_ = other.identity_;
    }
    return *this;
}

std::optional<FileIdentity> SourceFolder::identityOf(const std::string& name) const {
    struct stat info {};
    if (::fstatat(fdOf(handle_), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return std::nullopt;
    }
    return identityFrom(info);
}

std::optional<bool> SourceFolder::contentsEqual(const std::string& name,
                                                const std::string& other) const {
    return contentsEqualAt(fdOf(handle_), name, AT_FDCWD, other);
}

bool SourceFolder::makeOwnerWritable(const std::string& name) const {
    struct stat info {};
    if (::fstatat(fdOf(handle_), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        S_ISLNK(info.st_mode)) {
        return false;
    }
    if ((info.st_mode & S_IWUSR) != 0) {
        return true;
    }
    // Not following a link here either: one swapped in since the check is refused.
    return ::fchmodat(fdOf(handle_), name.c_str(), info.st_mode | S_IWUSR, AT_SYMLINK_NOFOLLOW) ==
           0;
}

bool SourceFolder::lacks(const std::string& name) const {
    struct stat info {};
    return isOpen() && ::fstatat(fdOf(handle_), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 &&
           errno == ENOENT;
}

SystemError SourceFolder::deleteFile(const std::string& name, const std::string& path,
                                     const std::optional<FileIdentity>& expected) const {
    const int folder = fdOf(handle_);
    // No call deletes an entry only while it is a given file. So the entry first takes a name
    // of this run's own, and is looked at there: a file swapped in under its name since the
    // caller's check is what moved, is found out, and is given its name back.
    const std::string hidden = expected ? privateNameFor(name, kDeletedMark) : name;
    if (expected && ::renameat(folder, name.c_str(), folder, hidden.c_str()) != 0) {
        return posixError(errno);
    }
    struct stat there {};
    if (expected && (::fstatat(folder, hidden.c_str(), &there, AT_SYMLINK_NOFOLLOW) != 0 ||
                     !sameEntry(identityFrom(there), *expected))) {
        renameWithoutReplacing(folder, hidden, name);
        return SystemError(ErrorKind::Changed, 0);
    }
    if (::unlinkat(folder, hidden.c_str(), 0) != 0) {
        const int error = errno;
        if (expected) {
            renameWithoutReplacing(folder, hidden, name);
        }
        return posixError(error);
    }
    noteFileEvent(FileEvent::FileDeleted, path);
    return {};
}

bool removeListedFolder(const std::string& path, const FolderIdentity& listed) {
    std::string folder = path;
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    const PathSplit split = splitPath(folder);
    const FileDescriptor parent(::open(split.folder.c_str(), kFolderFlags));
    struct stat info {};
    if (!parent.isOpen() || split.name.empty() ||
        ::fstatat(parent.get(), split.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISDIR(info.st_mode) ||
        FolderIdentity{static_cast<std::uint64_t>(info.st_dev),
                       static_cast<std::uint64_t>(info.st_ino)} != listed) {
        return false;
    }
    return ::unlinkat(parent.get(), split.name.c_str(), AT_REMOVEDIR) == 0;
}

} // namespace orvane::platform
