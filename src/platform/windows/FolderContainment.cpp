#include "platform/FolderContainment.h"

#include "platform/windows/SystemPath.h"

#include <optional>

namespace orvane::platform {

namespace {

// The folder or file a path leads to, links followed.
std::optional<FileIdentity> followedIdentity(const std::wstring& path) {
    const Handle entry(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return entry.isOpen() ? identityOfHandle(entry.get()) : std::nullopt;
}

// The path one level up, or an empty text at a root (\\?\C:\ or \\?\UNC\server\share).
std::wstring parentOf(const std::wstring& path) {
    std::wstring parent = path;
    while (parent.ends_with(L'\\')) {
        parent.pop_back();
    }
    const auto cut = parent.rfind(L'\\');
    if (cut == std::wstring::npos || cut < 6) {
        return {};
    }
    parent.erase(cut);
    // A drive keeps its separator, as "C:" alone would mean the drive's current folder.
    return parent.ends_with(L':') ? parent + L'\\' : parent;
}

} // namespace

bool liesWithin(const std::string& path, const std::string& folder) {
    const auto target = followedIdentity(systemPath(folder));
    if (!target) {
        return false;
    }
    for (std::wstring at = systemPath(path); !at.empty(); at = parentOf(at)) {
        const auto here = followedIdentity(at);
        if (here && here->device == target->device && here->inode == target->inode) {
            return true;
        }
    }
    return false;
}

std::string currentFolder() {
    const DWORD size = ::GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(size, L'\0');
    const DWORD length = size == 0 ? 0 : ::GetCurrentDirectoryW(size, folder.data());
    if (length == 0 || length >= size) {
        return {};
    }
    folder.resize(length);
    return userPath(folder);
}

} // namespace orvane::platform
