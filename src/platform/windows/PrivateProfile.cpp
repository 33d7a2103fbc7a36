#include "platform/PrivateProfile.h"

#include "platform/ProfileText.h"
#include "platform/windows/SystemPath.h"

#include <atomic>

namespace orvane::platform {

namespace {

struct FileContents {
    std::string bytes;
    // The file's attributes; empty when it does not exist yet.
    std::optional<DWORD> attributes;
    DWORD links = 0;
};

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

// A file that does not exist reads as empty. A file that exists but cannot be read gives
// nothing, so that a write never replaces content it has not seen; so does anything that is
// not a plain file: a link is not followed.
std::optional<FileContents> readContents(const std::string& path) {
    DWORD error = ERROR_SUCCESS;
    const Handle file = openOwnFile(path, GENERIC_READ, OPEN_EXISTING, error);
    if (!file.isOpen()) {
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return FileContents{};
        }
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    FileContents contents;
    if (!::GetFileInformationByHandle(file.get(), &info) || !readAll(file.get(), contents.bytes)) {
        return std::nullopt;
    }
    contents.attributes = info.dwFileAttributes;
    contents.links = info.nNumberOfLinks;
    return contents;
}

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

// A read-only file is left as it is. The attributes of the old file (hidden, say) carry over.
bool storeBytes(const std::string& path, std::string_view bytes, const FileContents& old) {
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

} // namespace

std::string readProfileString(std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t bufferSize,
                              const std::string& path) {
    std::string result(defaultValue);
    if (const auto contents = readContents(path)) {
        if (auto value = findProfileValue(contents->bytes, section, key)) {
            result = std::move(*value);
        }
    }
    if (result.size() >= bufferSize) {
        result.resize(bufferSize == 0 ? 0 : bufferSize - 1);
    }
    return result;
}

bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                        const std::string& path) {
    const auto contents = readContents(path);
    if (!contents) {
        return false;
    }
    std::optional<std::string> edited;
    if (key.empty()) {
        edited = removeProfileSection(contents->bytes, section);
    } else if (value.empty()) {
        edited = removeProfileKey(contents->bytes, section, key);
    } else {
        edited = setProfileValue(contents->bytes, section, key, value);
    }
    if (!edited) {
        return false;
    }
    // Nothing to change: an existing file is not rewritten, and a delete creates no file.
    if (*edited == contents->bytes) {
        return true;
    }
    return storeBytes(path, *edited, *contents);
}

} // namespace orvane::platform
