#pragma once

// Shared by the Windows platform sources only: the program keeps UTF-8 texts, the system
// takes UTF-16 paths.

#include "platform/FileIdentity.h"
#include "platform/SourceFolder.h"
#include "platform/SystemError.h"
#include "platform/SystemHandle.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace orvane::platform {

std::wstring wideText(std::string_view text);
std::string narrowText(std::wstring_view text);

// The path as every wide call is given it: made absolute, its "." and ".." resolved and its
// slashes turned into backslashes, then prefixed with \\?\ (\\?\UNC\ for a network path),
// which lifts the 260-character limit and tells the system to take the rest as it is.
std::wstring systemPath(const std::string& path);
// A path the system gave back, without the prefix, as the user writes it.
std::string userPath(std::wstring_view path);

// A Windows error code with the kind that code above the platform tells apart.
SystemError windowsError(DWORD code);
inline SystemError lastError() {
    return windowsError(::GetLastError());
}

// What stands at the name of one of the program's own files is not a plain file (a link or
// a folder): reported as "not a regular file".
inline constexpr DWORD kNotRegularFile = ERROR_BAD_FILE_TYPE;

// Owns a handle; closed when the object goes.
class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { reset(); }
    Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    Handle& operator=(Handle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return handle_; }
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
    void reset() {
        if (isOpen()) {
            ::CloseHandle(handle_);
        }
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

inline constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The platform's public classes keep an open file or folder as a SystemHandle, which closes
// nothing: these hand a handle over to one and back.
inline SystemHandle systemHandleOf(Handle handle) {
    return handle.isOpen() ? SystemHandle(reinterpret_cast<std::intptr_t>(handle.release()))
                           : SystemHandle();
}
inline HANDLE handleOf(SystemHandle handle) {
    return reinterpret_cast<HANDLE>(handle.value());
}
// Closes the handle kept and leaves none.
inline void closeHandle(SystemHandle& handle) {
    const Handle closing(handleOf(std::exchange(handle, SystemHandle())));
}

// A source folder's path as it was opened, for when the system cannot name it (below).
void rememberFolderPath(SystemHandle folder, std::string path);
void forgetFolderPath(SystemHandle folder);
// The path of a folder held open: where the system finds it now, which follows a rename.
// Wine names no path longer than 260 characters that way; there it is the path it was
// opened at.
std::string folderPathOf(const SourceFolder& folder);
// The path of an entry of a folder held open.
std::string pathIn(const SourceFolder& folder, const std::string& name);

// Opens the entry itself, a link (a reparse point) never followed; folders open too.
Handle openEntry(const std::string& path, DWORD access = FILE_READ_ATTRIBUTES);

// Opens one of the program's own files as a plain file only: a link in its place is not
// followed, and a folder or a link there gives kNotRegularFile. Others may read it meanwhile.
// Not open, with the error in `error`, when that fails. `share` says what others may do
// with it meanwhile.
Handle openOwnFile(const std::string& path, DWORD access, DWORD disposition, DWORD& error,
                   DWORD share = FILE_SHARE_READ);

// Nanoseconds since 1970 of a Windows time (100 ns units since 1601), and back.
std::int64_t nanosecondsOf(std::int64_t windowsTime);
FILETIME windowsTimeOf(std::int64_t nanoseconds);

// What an open entry is. Device and inode are the volume's serial number and the file's
// index on it; the change time is the one that every write moves.
std::optional<FileIdentity> identityOfHandle(HANDLE handle);

// The attributes at a path without following a link; INVALID_FILE_ATTRIBUTES when none.
DWORD attributesOf(const std::string& path);
inline bool isLinkAttribute(DWORD attributes) {
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}
// A real folder: a linked folder (a reparse point) is never one to descend into.
inline bool isRealFolder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           !isLinkAttribute(attributes);
}

// The folder an entry is in, without a closing separator (a drive root keeps its own).
std::string folderOf(const std::string& path);

// The path of the folder an open handle names now (it follows a rename).
std::string pathOfHandle(HANDLE handle);
// The path of an open entry on its volume (no drive, no prefix), as the system resolved it:
// where a link was followed without a word, it names the link's target. Empty when unknown.
// Unlike the final path, Wine gives it for paths longer than 260 characters too.
std::wstring volumePathOf(HANDLE handle);

// Reads until the buffer is full or the file ends; the count read, or -1.
long long readFully(HANDLE file, char* buffer, DWORD size);

// Writes every byte; false with the system's error left in GetLastError.
bool writeAll(HANDLE file, std::string_view bytes);

} // namespace orvane::platform
