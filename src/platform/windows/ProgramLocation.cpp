#include "platform/ProgramLocation.h"

#include "platform/PathRules.h"
#include "platform/windows/SystemPath.h"

namespace orvane::platform {

namespace {

std::string executablePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        // A full buffer means the name was cut: try again with a larger one.
        if (length < buffer.size()) {
            buffer.resize(length);
            return userPath(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
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
    // A drive root keeps its separator ("C:\"), as every folder text of the program does.
    if (!folder.empty() && !nativePathRules.isRoot(folder)) {
        folder.pop_back();
    }
    return {folder.empty() ? std::string(".") : folder,
            withoutExtension(nativePathRules.lastPart(path))};
}

} // namespace orvane::platform
