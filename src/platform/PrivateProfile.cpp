#include "platform/PrivateProfile.h"

#include "platform/PrivateProfileSystem.h"
#include "platform/ProfileText.h"

#include <optional>
#include <utility>

namespace orvane::platform {

std::string readProfileString(std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t bufferSize,
                              const std::string& path) {
    std::string result(defaultValue);
    if (const auto contents = readProfileFile(path)) {
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
    const auto contents = readProfileFile(path);
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
    return storeProfileFile(path, *edited, *contents);
}

} // namespace orvane::platform
