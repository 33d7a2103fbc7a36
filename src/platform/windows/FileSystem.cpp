#include "platform/FileSystem.h"

#include "platform/FileEvents.h"
#include "platform/windows/SystemPath.h"

namespace orvane::platform {

namespace {

// Attributes through a link, as the path leads.
DWORD followedAttributes(const std::string& path) {
    const Handle entry(::CreateFileW(systemPath(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!entry.isOpen() || !::GetFileInformationByHandle(entry.get(), &info)) {
        return INVALID_FILE_ATTRIBUTES;
    }
    return info.dwFileAttributes;
}

} // namespace

bool folderExists(const std::string& path) {
    const DWORD attributes = followedAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool fileExists(const std::string& path) {
    // The entry itself, so that a link whose target is gone still counts as present.
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !isRealFolder(attributes);
}

bool makeFolder(const std::string& path) {
    return ::CreateDirectoryW(systemPath(path).c_str(), nullptr) != 0;
}

bool removeFolder(const std::string& path) {
    return ::RemoveDirectoryW(systemPath(path).c_str()) != 0;
}

bool deleteFile(const std::string& path) {
    const std::wstring wide = systemPath(path);
    // A linked folder is removed as the link it is, never through it.
    const bool linkedFolder = isLinkAttribute(attributesOf(path)) && folderExists(path);
    if (!(linkedFolder ? ::RemoveDirectoryW(wide.c_str()) : ::DeleteFileW(wide.c_str()))) {
        return false;
    }
    noteFileEvent(FileEvent::FileDeleted, path);
    return true;
}

bool sameFolder(const std::string& first, const std::string& second) {
    const auto folderIdentity = [](const std::string& path) -> std::optional<FileIdentity> {
        const Handle folder(::CreateFileW(systemPath(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                          nullptr));
        const auto identity = folder.isOpen() ? identityOfHandle(folder.get()) : std::nullopt;
        return identity && identity->kind == EntryKind::Other ? identity : std::nullopt;
    };
    const auto one = folderIdentity(first);
    const auto other = folderIdentity(second);
    return one && other && one->device == other->device && one->inode == other->inode;
}

} // namespace orvane::platform
