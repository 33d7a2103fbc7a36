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

FolderAndName folderAndNameOf(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return {".", path};
    }
    return {slash == 0 ? std::string_view("/") : path.substr(0, slash), path.substr(slash + 1)};
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
