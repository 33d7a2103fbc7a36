#include "platform/HeldNamesSystem.h"

#include "platform/posix/TreeResolve.h"

#include <dirent.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <sys/ioctl.h>
#include <sys/vfs.h>

#include <memory>
#include <utility>

namespace orvane::platform {

namespace {

struct DirCloser {
    void operator()(DIR* stream) const { ::closedir(stream); }
};

} // namespace

FolderAndName folderAndNameOf(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return {".", path};
    }
    return {slash == 0 ? std::string_view("/") : path.substr(0, slash), path.substr(slash + 1)};
}

bool looksUpExactly(const TreePath& entry) {
    // File systems that look a name up byte for byte, unless a folder of theirs folds case,
    // which ext4, f2fs and tmpfs allow folder by folder and show in the folder's flags; btrfs
    // never folds. Any other (FAT, exFAT and NTFS through FUSE, XFS made case-insensitive for
    // ASCII, network file systems) is listed.
    const auto parent = openTreeParent(entry);
    struct statfs system {};
    int flags = 0;
    if (!parent || ::fstatfs(parent->folder.get(), &system) != 0) {
        return false;
    }
    switch (static_cast<unsigned long>(system.f_type)) {
    case EXT4_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
    case TMPFS_MAGIC:
    case BTRFS_SUPER_MAGIC:
        return ::ioctl(parent->folder.get(), FS_IOC_GETFLAGS, &flags) == 0 &&
               (flags & FS_CASEFOLD_FL) == 0;
    default:
        return false;
    }
}

std::optional<FolderNames> listFolderNames(const TreePath& entry, const std::string&) {
    const auto parent = openTreeParent(entry);
    const int fd =
        parent ? ::openat(parent->folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    const std::unique_ptr<DIR, DirCloser> stream(fd >= 0 ? ::fdopendir(fd) : nullptr);
    if (!stream) {
        if (fd >= 0) {
            ::close(fd);
        }
        return std::nullopt;
    }
    FolderNames names;
    errno = 0;
    while (const dirent* found = ::readdir(stream.get())) {
        names.insert(found->d_name);
    }
    if (errno != 0) {
        return std::nullopt;
    }
    return names;
}

} // namespace orvane::platform
