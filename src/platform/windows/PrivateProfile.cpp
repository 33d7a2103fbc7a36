#include "platform/PrivateProfileSystem.h"

#include "platform/windows/SystemPath.h"

#include <atomic>

namespace orvane::platform {

namespace {

bool readAll(HANDLE file, std::string& bytes) {
    char chunk[8192];
    for (;;) {
        DWORD count = 0;
        if (!::ReadFile(file, chunk, sizeof chunk, &count, nullptr)) {
            return false;
        }
        if (count == 0) {
            return true;
        }
        bytes.append(chunk, count);
    }
}

} // namespace

std::optional<ProfileFileContents> readProfileFile(const std::string& path) {
    DWORD error = ERROR_SUCCESS;
    const Handle file = openOwnFile(path, GENERIC_READ, OPEN_EXISTING, error);
    if (!file.isOpen()) {
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return ProfileFileContents{};
        }
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    ProfileFileContents contents;
    if (!::GetFileInformationByHandle(file.get(), &info) || !readAll(file.get(), contents.bytes)) {
        return std::nullopt;
    }
    contents.attributes = info.dwFileAttributes;
    contents.links = info.nNumberOfLinks;
    return contents;
}

namespace {

// The new content, complete and on disk, beside the file it replaces; then the one rename
// that puts it in place, so a crash leaves the old or the new content whole.
bool replaceWhole(const std::string& path, std::string_view bytes) {
    static std::atomic<unsigned> serial{0};
    const std::string temporary = path + ".tmp-" + std::to_string(::GetCurrentProcessId()) + "-" +
                                  std::to_string(serial.fetch_add(1));
    const std::wstring wideTemporary = systemPath(temporary);
    Handle file(::CreateFileW(wideTemporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.isOpen()) {
        return false;
    }
    const bool written = writeAll(file.get(), bytes) && ::FlushFileBuffers(file.get());
    file.reset();
    if (written && ::MoveFileExW(wideTemporary.c_str(), systemPath(path).c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    ::DeleteFileW(wideTemporary.c_str());
    return false;
}

// A file with other names is rewritten through its handle, so that every name sees the change.
bool overwriteInPlace(const std::string& path, std::string_view bytes) {
    DWORD error = ERROR_SUCCESS;
    const Handle file = openOwnFile(path, GENERIC_WRITE, OPEN_EXISTING, error);
    return file.isOpen() && writeAll(file.get(), bytes) && ::SetEndOfFile(file.get()) &&
           ::FlushFileBuffers(file.get());
}

} // namespace

// A read-only file is left as it is. The attributes of the old file (hidden, say) carry over.
bool storeProfileFile(const std::string& path, std::string_view bytes,
                      const ProfileFileContents& old) {
    if (old.attributes && (*old.attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    if (old.links > 1) {
        return overwriteInPlace(path, bytes);
    }
    if (!replaceWhole(path, bytes)) {
        return false;
    }
    if (old.attributes && (*old.attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) {
        ::SetFileAttributesW(systemPath(path).c_str(), *old.attributes);
    }
    return true;
}

} // namespace orvane::platform
