#include "platform/HeldNamesSystem.h"

#include "platform/posix/TreeResolve.h"

#include <dirent.h>

#include <memory>
#include <utility>

namespace orvane::platform {

namespace {

struct DirCloser {
    void operator()(DIR* stream) const { ::closedir(stream); }
};

} // namespace

FolderAndName folderAndNameOf(const std::string& path) {
    PathSplit split = splitPath(path);
    return FolderAndName{std::move(split.folder), std::move(split.name)};
}

std::optional<std::unordered_set<std::string>> listFolderNames(const TreePath& entry,
                                                               const std::string&) {
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
    std::unordered_set<std::string> names;
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
