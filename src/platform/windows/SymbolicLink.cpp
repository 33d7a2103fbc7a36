#include "platform/windows/SymbolicLink.h"

#include <winioctl.h>

#include <cstring>
#include <vector>

namespace orvane::platform {

namespace {

// The reparse data of a symbolic link as the system hands it out: a header, then the names.
struct SymbolicLinkData {
    DWORD tag;
    WORD dataLength;
    WORD reserved;
    WORD substituteOffset;
    WORD substituteLength;
    WORD printOffset;
    WORD printLength;
    DWORD flags;
};

} // namespace

std::optional<std::wstring> symbolicLinkTarget(HANDLE entry) {
    std::vector<char> data(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
    DWORD got = 0;
    if (!::DeviceIoControl(entry, FSCTL_GET_REPARSE_POINT, nullptr, 0, data.data(),
                           static_cast<DWORD>(data.size()), &got, nullptr)) {
        return std::nullopt;
    }
    SymbolicLinkData link{};
    if (got < sizeof link) {
        ::SetLastError(ERROR_INVALID_REPARSE_DATA);
        return std::nullopt;
    }
    std::memcpy(&link, data.data(), sizeof link);
    if (link.tag != IO_REPARSE_TAG_SYMLINK) {
        ::SetLastError(ERROR_NOT_SUPPORTED);
        return std::nullopt;
    }
    // The print name is the target as it was given; the substitute name may carry \??\.
    const bool printed = link.printLength > 0;
    const std::size_t offset = printed ? link.printOffset : link.substituteOffset;
    const std::size_t length = printed ? link.printLength : link.substituteLength;
    if (sizeof link + offset + length > got) {
        ::SetLastError(ERROR_INVALID_REPARSE_DATA);
        return std::nullopt;
    }
    std::wstring target(length / sizeof(wchar_t), L'\0');
    std::memcpy(target.data(), data.data() + sizeof link + offset, length);
    return target;
}

bool makeSymbolicLink(const std::string& path, const std::wstring& target, bool folder) {
    const DWORD flags =
        (folder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
    if (!::CreateSymbolicLinkW(systemPath(path).c_str(), target.c_str(), flags)) {
        return false;
    }
    // Wine answers yes and makes nothing.
    if (::GetFileAttributesW(systemPath(path).c_str()) == INVALID_FILE_ATTRIBUTES) {
        ::SetLastError(ERROR_NOT_SUPPORTED);
        return false;
    }
    return true;
}

} // namespace orvane::platform
