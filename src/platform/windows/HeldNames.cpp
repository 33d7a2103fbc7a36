#include "platform/HeldNames.h"

#include "platform/Directory.h"
#include "platform/PathRules.h"
#include "platform/windows/TreeParent.h"

namespace orvane::platform {

namespace {

constexpr char kSeparator = nativePathRules.separator();

bool isWithin(const std::string& path, const std::string& folder) {
    return path == folder || path.starts_with(folder + kSeparator);
}

std::string folderOf(const std::string& path) {
    std::string folder = nativePathRules.folderPart(path);
    if (!folder.empty() && !nativePathRules.isRoot(folder)) {
        folder.pop_back();
    }
    return folder;
}

} // namespace

const std::unordered_set<std::string>* HeldNames::readListing(const TreePath& entry) {
    const std::string folder = folderOf(entry.path);
    // Only the listings of the folders on the current path stay.
    std::erase_if(listings_, [&](const auto& kept) { return !isWithin(folder, kept.first); });
    listings_.erase(folder);
    if (!treeParentPath(entry)) {
        return nullptr;
    }
    DirectoryReader reader(folder);
    std::unordered_set<std::string> names;
    while (const auto found = reader.next()) {
        names.insert(found->name);
    }
    // A listing that broke off cannot say that a name is missing.
    if (!reader.isOpen() || reader.readError()) {
        return nullptr;
    }
    const auto placed = listings_.insert_or_assign(folder, std::move(names)).first;
    return &placed->second;
}

bool HeldNames::listed(const TreePath& entry) {
    const std::string folder = folderOf(entry.path);
    const std::string name = nativePathRules.lastPart(entry.path);
    const auto kept = listings_.find(folder);
    if (kept != listings_.end() && kept->second.contains(name)) {
        return true;
    }
    const auto* fresh = readListing(entry);
    return fresh && fresh->contains(name);
}

bool HeldNames::holdsExactly(const TreePath& entry) {
    const std::string below =
        entry.root.ends_with(kSeparator) ? entry.root : entry.root + kSeparator;
    if (!entry.path.starts_with(below)) {
        return true; // the root itself: reached as the user named it
    }
    for (auto cut = entry.path.find(kSeparator, below.size()); cut != std::string::npos;
         cut = entry.path.find(kSeparator, cut + 1)) {
        const std::string folder = entry.path.substr(0, cut);
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
