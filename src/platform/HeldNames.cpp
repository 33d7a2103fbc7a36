#include "platform/HeldNames.h"

#include "platform/HeldNamesSystem.h"
#include "platform/PathRules.h"

#include <utility>

namespace orvane::platform {

namespace {

constexpr char kSeparator = nativePathRules.separator();

bool isWithin(const std::string& path, const std::string& folder) {
    return path == folder || path.starts_with(folder + kSeparator);
}

} // namespace

const std::unordered_set<std::string>* HeldNames::readListing(const TreePath& entry) {
    const std::string folder = folderAndNameOf(entry.path).folder;
    // Only the listings of the folders on the current path stay.
    std::erase_if(listings_, [&](const auto& kept) { return !isWithin(folder, kept.first); });
    listings_.erase(folder);
    auto names = listFolderNames(entry, folder);
    if (!names) {
        return nullptr;
    }
    const auto placed = listings_.insert_or_assign(folder, std::move(*names)).first;
    return &placed->second;
}

bool HeldNames::listed(const TreePath& entry) {
    const FolderAndName split = folderAndNameOf(entry.path);
    const auto kept = listings_.find(split.folder);
    if (kept != listings_.end() && kept->second.contains(split.name)) {
        return true;
    }
    const auto* fresh = readListing(entry);
    return fresh && fresh->contains(split.name);
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
