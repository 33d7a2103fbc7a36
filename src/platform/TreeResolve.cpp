#include "platform/TreeResolve.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace orvane::platform {

namespace {

// A folder below the root: opened for reading (a folder is flushed through it) and never
// through a link.
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

std::string withoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

// The part of the path below the root: empty for the root itself, nothing outside the tree.
std::optional<std::string> belowRoot(const std::string& root, const std::string& path) {
    const std::string base = withoutTrailingSeparators(root);
    if (withoutTrailingSeparators(path) == base) {
        return std::string{};
    }
    const std::string prefix = base == "/" ? base : base + "/";
    if (base.empty() || path.compare(0, prefix.size(), prefix) != 0) {
        return std::nullopt;
    }
    return path.substr(prefix.size());
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

std::optional<OpenedParent> openTreeParent(const TreePath& entry) {
    const auto relative = belowRoot(entry.root, entry.path);
    if (!relative) {
        errno = EXDEV;
        return std::nullopt;
    }
    OpenedParent parent;
    if (relative->empty()) {
        // The root itself: its folder is reached as the user's path gives it.
        const auto [folder, name] = splitPath(withoutTrailingSeparators(entry.path));
        parent = {FileDescriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)), name,
                  folder, true};
    } else {
        const auto slash = relative->find_last_of('/');
        const std::string inside = slash == std::string::npos ? "" : relative->substr(0, slash);
        const FileDescriptor root(::open(entry.root.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        parent = {FileDescriptor(root.isOpen() ? openBeneath(root.get(), inside) : -1),
                  relative->substr(slash == std::string::npos ? 0 : slash + 1),
                  splitPath(entry.path).folder, false};
    }
    if (!parent.folder.isOpen()) {
        return std::nullopt;
    }
    return parent;
}

} // namespace orvane::platform
