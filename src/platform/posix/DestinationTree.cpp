#include "platform/DestinationTree.h"

#include "platform/posix/TreeResolve.h"

#include <sys/stat.h>

namespace orvane::platform {

namespace {

std::optional<struct stat> statIn(const OpenedParent& parent) {
    struct stat info {};
    if (::fstatat(parent.folder.get(), parent.name(), &info,
                  parent.isRoot ? 0 : AT_SYMLINK_NOFOLLOW) != 0) {
        return std::nullopt;
    }
    return info;
}

std::optional<struct stat> statInTree(const TreePath& entry) {
    const auto parent = openTreeParent(entry);
    return parent ? statIn(*parent) : std::nullopt;
}

} // namespace

bool isTreeFolder(const TreePath& entry) {
    const auto info = statInTree(entry);
    return info && S_ISDIR(info->st_mode);
}

bool makeTreeFolder(const TreePath& entry) {
    const auto parent = openTreeParent(entry);
    return parent && ::mkdirat(parent->folder.get(), parent->name(), 0777) == 0;
}

std::optional<TreeFile> treeFileAt(const TreePath& entry, const FileIdentity* source) {
    const auto parent = openTreeParent(entry, source ? KeptFolder::Trust : KeptFolder::Look);
    const auto info = parent ? statIn(*parent) : std::nullopt;
    std::optional<TreeFile> file;
    if (info && !S_ISDIR(info->st_mode)) {
        const std::int64_t allocated = static_cast<std::int64_t>(info->st_blocks) * 512;
        file = TreeFile{identityFrom(*info), info->st_nlink == 1 ? allocated : 0};
    }
    const bool copyFound = source && file && standsForCopyOf(file->identity, *source);
    if (source && parent && !copyFound && !stillAtItsPath(entry, *parent)) {
        return treeFileAt(entry);
    }
    return file;
}

} // namespace orvane::platform
