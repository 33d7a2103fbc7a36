#include "platform/SourceFolder.h"

#include "platform/FileEvents.h"
#include "platform/FileSystem.h"
#include "platform/windows/SystemPath.h"

#include <utility>

namespace orvane::platform {

namespace {

// Held open for listing; every kind of sharing allowed, so that the run (or the user) can
// still rename and delete it. The handle follows such a rename: the folder's entries are
// always reached where the folder is now.
constexpr DWORD kFolderAccess = FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES;

Handle openFolder(const std::string& path, DWORD flags) {
    return Handle(::CreateFileW(systemPath(path).c_str(), kFolderAccess, kShareAll, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr));
}

// The system opened the folder's entry `name` itself, where the folder lists it. Windows never
// follows a link that an opening asks to keep, but Wine shows a link to a file as that file,
// even then: only where the system resolved the opened entry tells that the handle is the
// link's target, which may lie anywhere.
bool openedInPlace(const SourceFolder& folder, const std::string& name, HANDLE entry,
                   std::uint64_t entryVolume) {
    std::wstring listed = volumePathOf(handleOf(folder.handle()));
    if (listed.empty() || entryVolume != folder.identity().device) {
        return false;
    }
    if (!listed.ends_with(L'\\')) {
        listed += L'\\';
    }
    return volumePathOf(entry) == listed + wideText(name);
}

// The entry itself, opened for `access`, when it lies where the folder lists it; otherwise
// not open, with the reason in `error`.
Handle openListedEntry(const SourceFolder& folder, const std::string& name, DWORD access,
                       SystemError& error) {
    const std::string path = pathIn(folder, name);
    if (path.empty()) {
        error = folder.isOpen() ? lastError() : folder.openError();
        return Handle();
    }
    Handle entry = openEntry(path, access | FILE_READ_ATTRIBUTES);
    const auto identity = entry.isOpen() ? identityOfHandle(entry.get()) : std::nullopt;
    if (!identity) {
        error = lastError();
        return Handle();
    }
    if (!openedInPlace(folder, name, entry.get(), identity->device)) {
        error = SystemError(ErrorKind::Elsewhere, 0);
        return Handle();
    }
    return entry;
}

} // namespace

SourceFolder::SourceFolder(const std::string& path) : handle_(systemHandleOf(openFolder(path, 0))) {
    takeIdentity();
    rememberFolderPath(handle_, userPath(systemPath(path)));
}

SourceFolder::SourceFolder(const SourceFolder& parent, const std::string& name) {
    const std::string path = pathIn(parent, name);
    if (path.empty()) {
        openError_ = parent.isOpen() ? lastError() : parent.openError();
        return;
    }
    // Never through a link: one in the folder's place is refused.
    handle_ = systemHandleOf(openFolder(path, FILE_FLAG_OPEN_REPARSE_POINT));
    takeIdentity();
    rememberFolderPath(handle_, path);
}

void SourceFolder::takeIdentity() {
    const auto identity = isOpen() ? identityOfHandle(handleOf(handle_)) : std::nullopt;
    if (identity && identity->kind == EntryKind::Other) {
        identity_ = {identity->device, identity->inode};
        return;
    }
    openError_ = !isOpen() || !identity ? lastError() : windowsError(ERROR_DIRECTORY);
    forgetFolderPath(handle_);
    closeHandle(handle_);
}

SourceFolder::~SourceFolder() {
    forgetFolderPath(handle_);
    closeHandle(handle_);
}

SourceFolder::SourceFolder(SourceFolder&& other) noexcept
    : handle_(std::exchange(other.handle_, SystemHandle())), openError_(other.openError_),
      identity_(other.identity_) {}

SourceFolder& SourceFolder::operator=(SourceFolder&& other) noexcept {
    if (this != &other) {
        forgetFolderPath(handle_);
        closeHandle(handle_);
        handle_ = std::exchange(other.handle_, SystemHandle());
        openError_ = other.openError_;
        identity_ = other.identity_;
    }
    return *this;
}

std::optional<FileIdentity> SourceFolder::identityOf(const std::string& name) const {
    const std::string path = pathIn(*this, name);
    return path.empty() ? std::nullopt : platform::identityOf(path);
}

bool SourceFolder::lacks(const std::string& name) const {
    const std::string path = pathIn(*this, name);
    return !path.empty() && attributesOf(path) == INVALID_FILE_ATTRIBUTES &&
           ::GetLastError() == ERROR_FILE_NOT_FOUND;
}

std::optional<bool> SourceFolder::contentsEqual(const std::string& name,
                                                const std::string& other) const {
    const std::string path = pathIn(*this, name);
    return path.empty() ? std::nullopt : platform::contentsEqual(path, other);
}

bool SourceFolder::makeOwnerWritable(const std::string& name) const {
    SystemError error;
    const Handle entry = openListedEntry(*this, name, FILE_WRITE_ATTRIBUTES, error);
    FILE_BASIC_INFO basic{};
    if (!entry.isOpen() ||
        !::GetFileInformationByHandleEx(entry.get(), FileBasicInfo, &basic, sizeof basic) ||
        isLinkAttribute(basic.FileAttributes)) {
        return false;
    }
    constexpr DWORD kept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if ((basic.FileAttributes & kept) == 0) {
        return true;
    }
    basic.FileAttributes &= ~kept;
    if (basic.FileAttributes == 0) {
        basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    }
    // Zero times are left as they are.
    basic.CreationTime.QuadPart = basic.LastAccessTime.QuadPart = 0;
    basic.LastWriteTime.QuadPart = basic.ChangeTime.QuadPart = 0;
    return ::SetFileInformationByHandle(entry.get(), FileBasicInfo, &basic, sizeof basic) != 0;
}

SystemError SourceFolder::deleteFile(const std::string& name, const std::string& path,
                                     const std::optional<FileIdentity>& expected) const {
    // Checked and deleted through one handle, the entry itself (a linked folder goes as the
    // link it is), where the folder lists it: a file saved over it since it was copied is
    // never the one deleted, nor a link's target outside the folder. The change time is not
    // compared: making the entry writable for the delete has just set it.
    SystemError error;
    Handle entry = openListedEntry(*this, name, DELETE, error);
    if (!entry.isOpen()) {
        return error;
    }
    const auto identity = identityOfHandle(entry.get());
    if (!identity) {
        return lastError();
    }
    if (expected &&
        (identity->device != expected->device || identity->inode != expected->inode ||
         identity->size != expected->size || identity->modifiedNs != expected->modifiedNs)) {
        return SystemError(ErrorKind::Changed, 0);
    }
    FILE_DISPOSITION_INFO disposition{TRUE};
    if (!::SetFileInformationByHandle(entry.get(), FileDispositionInfo, &disposition,
                                      sizeof disposition)) {
        return lastError();
    }
    entry.reset(); // the entry goes when its last handle is closed
    noteFileEvent(FileEvent::FileDeleted, path);
    return {};
}

bool removeListedFolder(const std::string& path, const FolderIdentity& listed) {
    // The folder is checked and removed through one handle: nothing put in its place between
    // the look and the removal can be removed instead.
    const Handle folder = openEntry(path, DELETE | FILE_READ_ATTRIBUTES);
    const auto identity = folder.isOpen() ? identityOfHandle(folder.get()) : std::nullopt;
    if (!identity || identity->kind != EntryKind::Other ||
        FolderIdentity{identity->device, identity->inode} != listed) {
        return false;
    }
    FILE_DISPOSITION_INFO disposition{TRUE};
    return ::SetFileInformationByHandle(folder.get(), FileDispositionInfo, &disposition,
                                        sizeof disposition) != 0;
}

} // namespace orvane::platform
