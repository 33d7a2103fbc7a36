#include "platform/OwnFile.h"

#include "platform/ErrorText.h"
#include "platform/windows/SystemPath.h"

namespace orvane::platform {

std::string ownFileFailure(int error) {
    // ERROR_CANT_ACCESS_FILE: a reparse point the system would not open as a file.
    const bool special = static_cast<DWORD>(error) == kNotRegularFile ||
                         static_cast<DWORD>(error) == ERROR_CANT_ACCESS_FILE;
    return special ? "not a regular file" : errorText(windowsError(static_cast<DWORD>(error)));
}

std::optional<std::string> notOwnFile(const std::string& path) {
    const DWORD attributes = attributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0) {
        return std::nullopt;
    }
    return ownFileFailure(static_cast<int>(kNotRegularFile));
}

} // namespace orvane::platform
