#include "platform/HeldNamesSystem.h"

#include "platform/Directory.h"
#include "platform/PathRules.h"
#include "platform/windows/TreeParent.h"

#include <utility>

namespace orvane::platform {

FolderAndName folderAndNameOf(const std::string& path) {
    std::string folder = nativePathRules.folderPart(path);
    if (!folder.empty() && !nativePathRules.isRoot(folder)) {
        folder.pop_back();
    }
    return FolderAndName{std::move(folder), nativePathRules.lastPart(path)};
}

std::optional<std::unordered_set<std::string>> listFolderNames(const TreePath& entry,
                                                               const std::string& folder) {
    if (!treeParentPath(entry)) {
        return std::nullopt;
    }
    DirectoryReader reader(folder);
    std::unordered_set<std::string> names;
    while (const auto found = reader.next()) {
        names.insert(found->name);
    }
    if (!reader.isOpen() || reader.readError()) {
        return std::nullopt;
    }
    return names;
}

} // namespace orvane::platform
