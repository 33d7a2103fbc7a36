#include "platform/HeldNames.h"

#include "platform/HeldNamesSystem.h"
#include "platform/PathRules.h"

#include <utility>

namespace orvane::platform {

namespace {

constexpr char kSeparator = nativePathRules.separator();

bool isWithin(std::string_view path, std::string_view folder) {
    return path.starts_with(folder) &&
           (path.size() == folder.size() || path[folder.size()] == kSeparator);
}

} // namespace

const FolderNames* HeldNames::readListing(const TreePath& entry) {
    const std::string folder(folderAndNameOf(entry.path).folder);
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

bool HeldNames::exactIn(const TreePath& entry) {
    const std::string_view folder = folderAndNameOf(entry.path).folder;
    auto known = exact_.find(folder);
    if (known == exact_.end()) {
        known = exact_.emplace(std::string(folder), looksUpExactly(entry)).first;
    }
    return known->second;
}

bool HeldNames::listed(const TreePath& entry) {
    if (exactIn(entry)) {
        return true;
    }
    const FolderAndName split = folderAndNameOf(entry.path);
    const auto kept = listings_.find(split.folder);
    if (kept != listings_.end() && kept->second.contains(split.name)) {
        return true;
    }
    const auto* fresh = readListing(entry);
    return fresh && fresh->contains(split.name);
}

bool HeldNames::holdsExactly(const TreePath& entry) {
    const std::string_view path = entry.path;
    const bool rootEndsWithSeparator = entry.root.ends_with(kSeparator);
    if (!path.starts_with(entry.root) ||
        (!rootEndsWithSeparator &&
         (path.size() == entry.root.size() || path[entry.root.size()] != kSeparator))) {
        return true; // the root itself: reached as the user named it
    }
    const std::size_t below = entry.root.size() + (rootEndsWithSeparator ? 0 : 1);
    const std::string_view folder = path.substr(0, path.rfind(kSeparator));
    if (folder != lastFolder_) {
        lastFolder_.clear();
        for (auto cut = path.find(kSeparator, below); cut != std::string_view::npos;
             cut = path.find(kSeparator, cut + 1)) {
            const std::string level(path.substr(0, cut));
            if (!folders_.contains(level)) {
                if (!listed(TreePath{entry.root, level})) {
                    return false;
                }
                folders_.insert(level);
            }
        }
        lastFolderExact_ = exactIn(entry);
        lastFolder_.assign(folder);
    }
    return lastFolderExact_ || listed(entry);
}

} // namespace orvane::platform
