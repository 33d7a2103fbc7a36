#include "platform/DestinationTree.h"

#include "platform/posix/TreeResolve.h"

#include <sys/stat.h>

namespace orvane::platform {

namespace {

std::optional<struct stat> statInTree(const TreePath& entry) {
    const auto parent = openTreeParent(entry);
    struct stat info {};
    if (!parent || ::fstatat(parent->folder.get(), parent->name(), &info,
                             parent->isRoot ? 0 : AT_SYMLINK_NOFOLLOW) != 0) {
        return std::nullopt;
    }
    return info;
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

std::optional<TreeFile> treeFileAt(const TreePath& entry) {
    const auto info = statInTree(entry);
    if (!info || S_ISDIR(info->st_mode)) {
        return std::nullopt;
    }
    const std::int64_t allocated = static_cast<std::int64_t>(info->st_blocks) * 512;
    return TreeFile{identityFrom(*info), info->st_nlink == 1 ? allocated : 0};
}

} // namespace orvane::platform
