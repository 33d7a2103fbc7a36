#include "platform/windows/SystemPath.h"

#include "platform/PathRules.h"

#include <algorithm>
#include <climits>
#include <map>
#include <string_view>
#include <vector>

namespace orvane::platform {

namespace {

// 100 ns units from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kEpochDifference = 116444736000000000LL;

std::wstring fullPath(const std::wstring& path) {
    std::wstring full(std::max<std::size_t>(path.size() + MAX_PATH, MAX_PATH), L'\0');
    for (;;) {
        const DWORD length =
            ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            return path;
        }
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);
    }
}

} // namespace

SystemError windowsError(DWORD code) {
    switch (code) {
    case ERROR_SUCCESS:
        return {};
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return {ErrorKind::NotFound, static_cast<int>(code)};
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return {ErrorKind::Exists, static_cast<int>(code)};
    default:
        return {ErrorKind::Other, static_cast<int>(code)};
    }
}

std::wstring wideText(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string narrowText(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(std::max(length, 0)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

namespace {

bool isDriveRoot(std::string_view path) {
    return path.size() >= 3 && path[1] == ':' && path[2] == '\\';
}

} // namespace

std::wstring systemPath(const std::string& path) {
    if (path.starts_with("\\\\?\\") || path.starts_with("\\\\.\\")) {
        return wideText(path); // prefixed already, or a device
    }
    std::string typed = path;
    std::replace(typed.begin(), typed.end(), '/', '\\');
    if (isDriveRoot(typed) || typed.starts_with("\\\\")) {
        // "." and ".." resolved as text; every other name stays as it stands, a trailing dot
        // or blank or a device name included, as the \\?\ prefix passes it on unparsed.
        const std::wstring resolved = wideText(nativePathRules.absoluteWithDotsResolved(typed, {}));
        return resolved.starts_with(L"\\\\") ? L"\\\\?\\UNC\\" + resolved.substr(2)
                                             : L"\\\\?\\" + resolved;
    }
    // Relative to a current folder ("x", "C:x", "\\x"): only the part that names that folder is
    // left to Windows to resolve, never a name that follows it.
    const std::size_t named = typed.size() >= 2 && typed[1] == ':' ? 2
                              : typed.starts_with('\\')            ? 1
                                                                   : 0;
    const std::string current =
        narrowText(fullPath(wideText(named == 0 ? std::string(".") : typed.substr(0, named))));
    if (!isDriveRoot(current) && !current.starts_with("\\\\")) {
        return L"\\\\?\\" + wideText(typed);
    }
    const std::string rest = typed.substr(named);
    return systemPath(rest.empty() ? current : current + "\\" + rest);
}

std::string userPath(std::wstring_view path) {
    if (path.starts_with(L"\\\\?\\UNC\\")) {
        return "\\\\" + narrowText(path.substr(8));
    }
    if (path.starts_with(L"\\\\?\\")) {
        return narrowText(path.substr(4));
    }
    return narrowText(path);
}

std::map<std::intptr_t, std::string>& folderPaths() {
    static std::map<std::intptr_t, std::string> paths;
    return paths;
}

void rememberFolderPath(SystemHandle folder, std::string path) {
    if (folder.isValid()) {
        folderPaths()[folder.value()] = std::move(path);
    }
}

void forgetFolderPath(SystemHandle folder) {
    folderPaths().erase(folder.value());
}

std::string folderPathOf(const SourceFolder& folder) {
    if (!folder.isOpen()) {
        return {};
    }
    std::string path = pathOfHandle(handleOf(folder.handle()));
    if (path.empty()) {
        const auto opened = folderPaths().find(folder.handle().value());
        path = opened == folderPaths().end() ? std::string() : opened->second;
    }
    return path;
}

std::string pathIn(const SourceFolder& folder, const std::string& name) {
    const std::string path = folderPathOf(folder);
    if (path.empty()) {
        return {};
    }
    return path.ends_with('\\') ? path + name : path + '\\' + name;
}

Handle openEntry(const std::string& path, DWORD access) {
    return Handle(::CreateFileW(systemPath(path).c_str(), access, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                nullptr));
}

Handle openOwnFile(const std::string& path, DWORD access, DWORD disposition, DWORD& error,
                   DWORD share) {
    Handle file(::CreateFileW(systemPath(path).c_str(), access | FILE_READ_ATTRIBUTES, share,
                              nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.isOpen()) {
        error = ::GetLastError();
        return file;
    }
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (!::GetFileInformationByHandleEx(file.get(), FileAttributeTagInfo, &tag, sizeof tag)) {
        error = ::GetLastError();
        return Handle();
    }
    if ((tag.FileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
        error = kNotRegularFile;
        return Handle();
    }
    error = ERROR_SUCCESS;
    return file;
}

std::int64_t nanosecondsOf(std::int64_t windowsTime) {
    return (windowsTime - kEpochDifference) * 100;
}

FILETIME windowsTimeOf(std::int64_t nanoseconds) {
    const auto units = static_cast<std::uint64_t>(nanoseconds / 100 + kEpochDifference);
    return {static_cast<DWORD>(units & 0xffffffffU), static_cast<DWORD>(units >> 32)};
}

std::optional<FileIdentity> identityOfHandle(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_BASIC_INFO basic{};
    if (!::GetFileInformationByHandle(handle, &info) ||
        !::GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic)) {
        return std::nullopt;
    }
    FileIdentity identity;
    identity.device = info.dwVolumeSerialNumber;
    identity.inode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    identity.size = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    identity.modifiedNs = nanosecondsOf(basic.LastWriteTime.QuadPart);
    identity.changedNs = nanosecondsOf(basic.ChangeTime.QuadPart);
    identity.spaceNeeded = identity.size;
    identity.kind = isLinkAttribute(info.dwFileAttributes)                    ? EntryKind::Link
                    : (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? EntryKind::Other
                                                                              : EntryKind::File;
    return identity;
}

DWORD attributesOf(const std::string& path) {
    return ::GetFileAttributesW(systemPath(path).c_str());
}

std::string folderOf(const std::string& path) {
    std::string folder = nativePathRules.folderPart(path);
    if (folder.size() > 3 && folder.ends_with('\\')) {
        folder.pop_back();
    }
    return folder;
}

std::string pathOfHandle(HANDLE handle) {
    // Asked with a larger buffer while the path does not fit: Windows says how large it must
    // be, Wine only that it is too small (ERROR_MORE_DATA).
    for (std::wstring path(MAX_PATH, L'\0'); path.size() <= 65536; path.resize(path.size() * 2)) {
        const DWORD length = ::GetFinalPathNameByHandleW(
            handle, path.data(), static_cast<DWORD>(path.size()), FILE_NAME_NORMALIZED);
        if (length == 0 && ::GetLastError() != ERROR_MORE_DATA) {
            return {};
        }
        if (length != 0 && length < path.size()) {
            path.resize(length);
            return userPath(path);
        }
    }
    return {};
}

std::wstring volumePathOf(HANDLE handle) {
    for (std::size_t bytes = sizeof(FILE_NAME_INFO) + MAX_PATH * sizeof(wchar_t); bytes <= 1 << 17;
         bytes *= 2) {
        std::vector<std::uint64_t> buffer(bytes / sizeof(std::uint64_t) + 1);
        auto* const info = reinterpret_cast<FILE_NAME_INFO*>(buffer.data());
        if (::GetFileInformationByHandleEx(handle, FileNameInfo, info, static_cast<DWORD>(bytes))) {
            return std::wstring(info->FileName, info->FileNameLength / sizeof(wchar_t));
        }
        if (::GetLastError() != ERROR_MORE_DATA) {
            return {};
        }
    }
    return {};
}

// Reads until the buffer is full or the file ends; the count read, or -1.
long long readFully(HANDLE file, char* buffer, DWORD size) {
    DWORD filled = 0;
    while (filled < size) {
        DWORD got = 0;
        if (!::ReadFile(file, buffer + filled, size - filled, &got, nullptr)) {
            return -1;
        }
        if (got == 0) {
            break;
        }
        filled += got;
    }
    return filled;
}

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), piece, &written, nullptr)) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

} // namespace orvane::platform
