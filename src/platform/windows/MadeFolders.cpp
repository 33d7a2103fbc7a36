#include "platform/MadeFoldersSystem.h"

#include "platform/windows/SystemPath.h"
#include "platform/windows/TreeParent.h"

namespace orvane::platform {

namespace {

// What a folder's copy takes of its source's attributes; read-only means nothing on a folder
// to Windows Explorer, and compression or encryption are the volume's business.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

} // namespace

void applyFolderMetadata(const MadeFolders::Pending& folder) {
    // Only the folder made: another folder put in its place meanwhile must not receive what
    // was meant for this one. It is checked and changed through the same handle.
    if (!treeParentPath(folder.destination())) {
        return;
    }
    const Handle target = openEntry(folder.path, FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES);
    const auto made = target.isOpen() ? identityOfHandle(target.get()) : std::nullopt;
    if (!made || made->kind != EntryKind::Other || made->device != folder.device ||
        made->inode != folder.inode) {
        return;
    }
    FILE_BASIC_INFO basic{};
    if (!::GetFileInformationByHandleEx(target.get(), FileBasicInfo, &basic, sizeof basic)) {
        return;
    }
    const FILETIME accessed = windowsTimeOf(folder.accessedNs);
    const FILETIME modified = windowsTimeOf(folder.modifiedNs);
    basic.LastAccessTime.LowPart = accessed.dwLowDateTime;
    basic.LastAccessTime.HighPart = static_cast<LONG>(accessed.dwHighDateTime);
    basic.LastWriteTime.LowPart = modified.dwLowDateTime;
    basic.LastWriteTime.HighPart = static_cast<LONG>(modified.dwHighDateTime);
    basic.ChangeTime.QuadPart = 0; // left as the system keeps it
    const FILETIME created = windowsTimeOf(folder.createdNs);
    basic.CreationTime.LowPart = created.dwLowDateTime;
    basic.CreationTime.HighPart = static_cast<LONG>(created.dwHighDateTime);
    basic.FileAttributes =
        (basic.FileAttributes & ~kKeptAttributes) | (folder.mode & kKeptAttributes);
    ::SetFileInformationByHandle(target.get(), FileBasicInfo, &basic, sizeof basic);
}

SystemError MadeFolders::make(const TreePath& destination, const std::string& source) {
    if (!treeParentPath(destination) ||
        !::CreateDirectoryW(systemPath(destination.path).c_str(), nullptr)) {
        return lastError();
    }
    const Handle origin = openEntry(source);
    const auto sourceIdentity = origin.isOpen() ? identityOfHandle(origin.get()) : std::nullopt;
    FILE_BASIC_INFO basic{};
    const auto made = identityOf(destination.path);
    if (sourceIdentity && sourceIdentity->kind == EntryKind::Other && made &&
        ::GetFileInformationByHandleEx(origin.get(), FileBasicInfo, &basic, sizeof basic)) {
        Pending pending{std::string(destination.root),
                        destination.path,
                        destination.kept,
                        source,
                        made->device,
                        made->inode,
                        sourceIdentity->device,
                        sourceIdentity->inode};
        pending.mode = basic.FileAttributes;
        pending.accessedNs = nanosecondsOf(basic.LastAccessTime.QuadPart);
        pending.createdNs = nanosecondsOf(basic.CreationTime.QuadPart);
        pending.modifiedNs = nanosecondsOf(basic.LastWriteTime.QuadPart);
        pending_.push_back(std::move(pending));
    }
    return {};
}

void MadeFolders::adoptUnfinished(const TreePath&, const std::string&) {
    // A folder a killed run left holds nothing that tells it from a user's own: Windows has no
    // permission bits that a run could mark it with while it fills it.
}

} // namespace orvane::platform
