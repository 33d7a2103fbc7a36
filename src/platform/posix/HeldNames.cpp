#include "platform/HeldNames.h"

#include "platform/posix/TreeResolve.h"

#include <dirent.h>

#include <memory>

namespace orvane::platform {

namespace {

struct DirCloser {
    void operator()(DIR* stream) const { ::closedir(stream); }
};

bool isWithin(const std::string& path, const std::string& folder) {
    return path == folder || path.starts_with(folder + "/");
}

} // namespace

const std::unordered_set<std::string>* HeldNames::readListing(const TreePath& entry) {
    const std::string folder = splitPath(entry.path).folder;
    // Only the listings of the folders on the current path stay.
    std::erase_if(listings_, [&](const auto& kept) { return !isWithin(folder, kept.first); });
    listings_.erase(folder);
    const auto parent = openTreeParent(entry);
    const int fd =
        parent ? ::openat(parent->folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    const std::unique_ptr<DIR, DirCloser> stream(fd >= 0 ? ::fdopendir(fd) : nullptr);
    if (!stream) {
        if (fd >= 0) {
            ::close(fd);
        }
        return nullptr;
    }
    std::unordered_set<std::string> names;
    errno = 0;
    while (const dirent* found = ::readdir(stream.get())) {
        names.insert(found->d_name);
    }
    // A listing that broke off cannot say that a name is missing.
    if (errno != 0) {
        return nullptr;
    }
    const auto placed = listings_.insert_or_assign(folder, std::move(names)).first;
    return &placed->second;
}

bool HeldNames::listed(const TreePath& entry) {
    const PathSplit split = splitPath(entry.path);
    const auto kept = listings_.find(split.folder);
    if (kept != listings_.end() && kept->second.contains(split.name)) {
        return true;
    }
    const auto* fresh = readListing(entry);
    return fresh && fresh->contains(split.name);
}

bool HeldNames::holdsExactly(const TreePath& entry) {
    const std::string below = entry.root.ends_with('/') ? entry.root : entry.root + "/";
    if (!entry.path.starts_with(below)) {
        return true; // the root itself: reached as the user named it
    }
    for (auto slash = entry.path.find('/', below.size()); slash != std::string::npos;
         slash = entry.path.find('/', slash + 1)) {
        const std::string folder = entry.path.substr(0, slash);
        if (!folders_.contains(folder)) {
            if (!listed(TreePath{entry.root, folder})) {
                return false;
            }
            folders_.insert(folder);
        }
    }
    return listed(entry);
}

} // namespace orvane::platform
