#include "platform/ProgramLocation.h"

#include "platform/PathRules.h"

#include <limits.h>
#include <unistd.h>

namespace orvane::platform {

namespace {

std::string executablePath() {
    std::string buffer(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0) {
        return {};
    }
    buffer.resize(static_cast<std::size_t>(length));
    return buffer;
}

std::string withoutExtension(std::string name) {
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name;
}

} // namespace

ProgramLocation runningProgram() {
    const std::string path = executablePath();
    std::string folder = nativePathRules.folderPart(path);
    if (folder.size() > 1) {
        folder.pop_back();
    }
    return {folder.empty() ? std::string(".") : folder,
            withoutExtension(nativePathRules.lastPart(path))};
}

} // namespace orvane::platform
