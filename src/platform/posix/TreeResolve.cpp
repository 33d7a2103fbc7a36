#include "platform/posix/TreeResolve.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstring>

namespace orvane::platform {

namespace {

// A folder below the root: opened for reading (a folder is flushed through it) and never
// through a link.
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

std::string_view withoutTrailingSeparators(std::string_view path) {
    while (path.size() > 1 && path.back() == '/') {
        path.remove_suffix(1);
    }
    return path;
}

// The part of the path below the root, to the path's end: empty for the root itself, nothing
// outside the tree.
std::optional<std::string_view> belowRoot(std::string_view root, std::string_view path) {
    const std::string_view base = withoutTrailingSeparators(root);
    if (withoutTrailingSeparators(path) == base) {
        return std::string_view{};
    }
    const std::size_t prefix = base == "/" ? 1 : base.size() + 1;
    if (base.empty() || path.size() < prefix || !path.starts_with(base) ||
        path[prefix - 1] != '/') {
        return std::nullopt;
    }
    // A root typed with more than one separator at its end keeps the others on every path
    // below it; they are the root's, not the start of a path from "/".
    const auto first = path.find_first_not_of('/', prefix);
    return first == std::string_view::npos ? std::string_view{} : path.substr(first);
}

// One system call where the kernel has openat2 (Linux 5.6 and later).
int openBeneathAtOnce(int root, const std::string& relative) {
    open_how how{};
    how.flags = kFolderFlags;
    how.resolve = RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS | RESOLVE_BENEATH;
    return static_cast<int>(::syscall(SYS_openat2, root, relative.c_str(), &how, sizeof how));
}

// Folder by folder: for kernels without openat2, and for paths beyond the path limit, which
// no single call takes.
int openBeneathStepwise(int root, const std::string& relative) {
    FileDescriptor current;
    std::size_t start = 0;
    while (start <= relative.size()) {
        const auto end = std::min(relative.find('/', start), relative.size());
        const std::string part = relative.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") {
            continue;
        }
        if (part == "..") {
            errno = EXDEV;
            return -1;
        }
        FileDescriptor next(
            ::openat(current.isOpen() ? current.get() : root, part.c_str(), kFolderFlags));
        if (!next.isOpen()) {
            return -1;
        }
        current = std::move(next);
    }
    return current.isOpen() ? current.release() : ::openat(root, ".", kFolderFlags);
}

int openBeneath(int root, const std::string& relative) {
    if (relative.empty()) {
        return ::openat(root, ".", kFolderFlags);
    }
    const int fd = openBeneathAtOnce(root, relative);
    if (fd >= 0 || (errno != ENOSYS && errno != E2BIG && errno != ENAMETOOLONG && errno != EAGAIN &&
                    errno != EPERM)) {
        return fd;
    }
    return openBeneathStepwise(root, relative);
}

} // namespace

namespace {

FileDescriptor openFolderBelow(std::string_view root, std::string_view inside) {
    const FileDescriptor rootFolder(
        ::open(std::string(root).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    return FileDescriptor(rootFolder.isOpen() ? openBeneath(rootFolder.get(), std::string(inside))
                                              : -1);
}

// Whether the folder's path still leads to the kept folder. The root may be a link to its
// folder; below it the last part is looked at itself, so a link put in its place is seen.
bool stillLeadsTo(TreeFolders::Held& held) {
    struct stat info {};
    if (::fstatat(AT_FDCWD, held.path.c_str(), &info,
                  held.folder.empty() ? 0 : AT_SYMLINK_NOFOLLOW) != 0 ||
        static_cast<std::uint64_t>(info.st_dev) != held.device ||
        static_cast<std::uint64_t>(info.st_ino) != held.inode) {
        return false;
    }
    TreeFolders::NewFiles& newFiles = *held.newFiles;
    if (info.st_mode != newFiles.folderMode || info.st_gid != newFiles.folderGroup) {
        newFiles = {false, 0, 0, 0, info.st_mode, info.st_gid};
    }
    return true;
}

struct Opened {
    FolderHandle folder;
    std::shared_ptr<TreeFolders::NewFiles> newFiles;
};

Opened keptFolderBelow(const TreePath& entry, std::string_view inside, KeptFolder kept) {
    TreeFolders& folders = *entry.kept;
    if (TreeFolders::Held* held = folders.find(entry.root, inside)) {
        if (kept == KeptFolder::Trust || stillLeadsTo(*held)) {
            return {FolderHandle(held->fd), held->newFiles};
        }
        folders.forget(*held);
    }
    auto fd = std::make_shared<FileDescriptor>(openFolderBelow(entry.root, inside));
    struct stat info {};
    if (!fd->isOpen() || ::fstat(fd->get(), &info) != 0) {
        return {FolderHandle(std::move(fd)), nullptr};
    }
    auto newFiles = std::make_shared<TreeFolders::NewFiles>(
        TreeFolders::NewFiles{false, 0, 0, 0, info.st_mode, info.st_gid});
    std::string path(inside.empty() ? entry.root : withoutTrailingSeparators(entry.root));
    if (!inside.empty()) {
        path += '/';
        path += inside;
    }
    folders.keep({std::string(entry.root), std::string(inside), fd,
                  static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
                  newFiles, std::move(path)});
    return {FolderHandle(std::move(fd)), std::move(newFiles)};
}

Opened folderBelow(const TreePath& entry, std::string_view inside, KeptFolder kept) {
    if (entry.kept) {
        return keptFolderBelow(entry, inside, kept);
    }
    return {FolderHandle(openFolderBelow(entry.root, inside).release()), nullptr};
}

} // namespace

std::optional<OpenedParent> openTreeParent(const TreePath& entry, KeptFolder kept) {
    const auto relative = belowRoot(entry.root, entry.path);
    if (!relative) {
        errno = EXDEV;
        return std::nullopt;
    }
    OpenedParent parent;
    if (relative->empty()) {
        // The root itself: its folder is reached as the user's path gives it.
        auto [folder, name] = splitPath(std::string(withoutTrailingSeparators(entry.path)));
        parent.folder = FolderHandle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        parent.isRoot = true;
        parent.rootName = std::move(name);
    } else {
        const auto* last =
            static_cast<const char*>(::memrchr(relative->data(), '/', relative->size()));
        const auto slash =
            last ? static_cast<std::size_t>(last - relative->data()) : std::string_view::npos;
        const std::string_view inside =
            slash == std::string_view::npos ? std::string_view{} : relative->substr(0, slash);
        Opened opened = folderBelow(entry, inside, kept);
        parent.folder = std::move(opened.folder);
        parent.newFiles = std::move(opened.newFiles);
        // The relative part runs to the end of the entry's path, so its last part ends there.
        parent.nameInPath = relative->data() + (slash == std::string_view::npos ? 0 : slash + 1);
    }
    if (!parent.folder.isOpen()) {
        return std::nullopt;
    }
    return parent;
}

} // namespace orvane::platform
