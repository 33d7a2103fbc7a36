#include "platform/DestinationTree.h"

#include "platform/PathRules.h"
#include "platform/windows/SystemPath.h"
#include "platform/windows/TreeParent.h"

#include <algorithm>
#include <string_view>

namespace orvane::platform {

namespace {

bool isRootEntry(const TreePath& entry) {
    return entry.path == entry.root;
}

} // namespace

std::optional<std::string> treeParentPath(const TreePath& entry) {
    const char separator = nativePathRules.separator();
    if (isRootEntry(entry)) {
        return nativePathRules.folderPart(entry.path);
    }
    std::string below(entry.root);
    if (!below.ends_with(separator)) {
        below += separator;
    }
    if (!entry.path.starts_with(below)) {
        ::SetLastError(ERROR_PATH_NOT_FOUND);
        return std::nullopt;
    }
    // Each part below the root: a name (never "." or "..", which would leave the tree or
    // stand for another folder of it), and every one but the last a real folder.
    for (std::size_t start = below.size(), cut = 0; start <= entry.path.size(); start = cut + 1) {
        cut = std::min(entry.path.find(separator, start), entry.path.size());
        const std::string_view part(entry.path.data() + start, cut - start);
        if (part == "." || part == ".." ||
            (cut < entry.path.size() && !isRealFolder(attributesOf(entry.path.substr(0, cut))))) {
            ::SetLastError(ERROR_PATH_NOT_FOUND);
            return std::nullopt;
        }
    }
    return nativePathRules.folderPart(entry.path);
}

std::optional<FileIdentity> treeEntryIdentity(const TreePath& entry) {
    if (isRootEntry(entry)) {
        const Handle root(::CreateFileW(systemPath(entry.path).c_str(), FILE_READ_ATTRIBUTES,
                                        kShareAll, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        return root.isOpen() ? identityOfHandle(root.get()) : std::nullopt;
    }
    return treeParentPath(entry) ? identityOf(entry.path) : std::nullopt;
}

bool isTreeFolder(const TreePath& entry) {
    const auto identity = treeEntryIdentity(entry);
    return identity && identity->kind == EntryKind::Other;
}

bool makeTreeFolder(const TreePath& entry) {
    return treeParentPath(entry) && ::CreateDirectoryW(systemPath(entry.path).c_str(), nullptr);
}

std::optional<TreeFile> treeFileAt(const TreePath& entry) {
    if (!treeParentPath(entry)) {
        return std::nullopt;
    }
    const Handle file = openEntry(entry.path);
    const auto identity = file.isOpen() ? identityOfHandle(file.get()) : std::nullopt;
    FILE_STANDARD_INFO standard{};
    if (!identity || identity->kind == EntryKind::Other ||
        !::GetFileInformationByHandleEx(file.get(), FileStandardInfo, &standard, sizeof standard)) {
        return std::nullopt;
    }
    // Another name keeps the blocks: replacing this one gives nothing back.
    return TreeFile{*identity, standard.NumberOfLinks == 1 ? standard.AllocationSize.QuadPart : 0};
}

} // namespace orvane::platform
