#include "platform/HeldNamesSystem.h"

#include "platform/Directory.h"
#include "platform/PathRules.h"
#include "platform/windows/TreeParent.h"

#include <utility>

namespace orvane::platform {

FolderAndName folderAndNameOf(std::string_view path) {
    std::string_view folder = nativePathRules.folderPartView(path);
    if (!folder.empty() && !nativePathRules.isRoot(folder)) {
        folder.remove_suffix(1);
    }
    return FolderAndName{folder, nativePathRules.lastPartView(path)};
}

bool looksUpExactly(const TreePath&) {
    // NTFS folds case unless a folder was marked otherwise, FAT and exFAT always do: every
    // folder is listed.
    return false;
}

std::optional<FolderNames> listFolderNames(const TreePath& entry, const std::string& folder) {
    if (!treeParentPath(entry)) {
        return std::nullopt;
    }
    DirectoryReader reader(folder);
    FolderNames names;
    while (const auto found = reader.next()) {
        names.insert(found->name);
    }
    if (!reader.isOpen() || reader.readError()) {
        return std::nullopt;
    }
    return names;
}

} // namespace orvane::platform
